// SPDX-License-Identifier: MIT
#pragma once
// Options dialog.
//
// Controls:
//   Frame "Number of Points"  Combo1: "20" .. "340" in steps of 40, any count may be typed
//   Frame "Colors"            Panel3D1 "Upper Surface": click to choose its colour
//                             Panel3D2 "Lower Surface": no action
//   Command1 "OK"             SurfacePoints and PointCount from the typed count
//   Command2 "Cancel"         DialogCancelled 1; the count is unchanged
// The rules live in OptionsDialogModel. The colour panels are for show only:
// the plot colours change through the main window's colour commands.

#include <QColor>
#include <QDialog>
#include <memory>

#include "app/SharedState.h"
#include "app/dialogs/OptionsDialogModel.h"

class QComboBox;
class QLabel;

namespace ribcraft {

class Form8 : public QDialog {
    Q_OBJECT
public:
    explicit Form8(SharedState& state, QWidget* parent = nullptr);
    ~Form8() override;

    QColor upperPanelColor() const;

    // Closing the window or pressing Escape is the Cancel button.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseUpperColor();

    std::unique_ptr<OptionsDialogModel> m_model;
    QComboBox* m_combo1 = nullptr;
    QLabel* m_upperPanel = nullptr;
    QLabel* m_lowerPanel = nullptr;
};

} // namespace ribcraft
