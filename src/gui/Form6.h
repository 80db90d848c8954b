// SPDX-License-Identifier: MIT
#pragma once
// Angle of Attack dialog.
//
// Controls:
//   Frame1 "AOA (Degrees)"  holds Text1 and Slider1
//   Text1                   the angle as typed; its value (pulled into -20..20) moves the slider
//   Slider1                 -20 .. 20, labels "-20", "0.0", "20"; moving it writes the box
//   Command1 "OK"           the main window's angle box takes Text1 unchanged
//   Command2 "Cancel"       DialogCancelled 1
//   Command3 "Help ?"       help context 90
// The rules live in AngleDialogModel.

#include <QDialog>
#include <memory>

#include "app/SharedState.h"
#include "app/dialogs/AngleDialogModel.h"

class QLineEdit;
class QSlider;

namespace ribcraft {

class Form6 : public QDialog {
    Q_OBJECT
public:
    explicit Form6(SharedState& state, QWidget* parent = nullptr);
    ~Form6() override;

    const AngleDialogModel& model() const { return *m_model; }

    // Closing the window or pressing Escape is the Cancel button.
    void reject() override;

private:
    void showModel();

    std::unique_ptr<AngleDialogModel> m_model;
    QLineEdit* m_text1 = nullptr;
    QSlider* m_slider1 = nullptr;
};

} // namespace ribcraft
