// SPDX-License-Identifier: MIT
#pragma once
// Adjust Flap dialog.
//
// Controls:
//   Frame "Flap Deflection (Degrees)"  Text2 and Slider2 (-30 .. 30, labels "-30", "0", "30")
//   Frame "Flap Length (%Chord)"       Text1 and Slider1 (0 .. 50, labels "0", "50%")
//   Command1 "OK"       the values from the boxes; the main window's flap displays
//   Command2 "Cancel"   the values at opening; DialogCancelled 1
//   Command3 "Help ?"   help context 50
// The rules live in FlapDialogModel.

#include <QDialog>
#include <memory>

#include "app/SharedState.h"
#include "app/dialogs/FlapDialogModel.h"

class QLineEdit;
class QSlider;

namespace ribcraft {

class Form7 : public QDialog {
    Q_OBJECT
public:
    explicit Form7(SharedState& state, QWidget* parent = nullptr);
    ~Form7() override;

    const FlapDialogModel& model() const { return *m_model; }

    // Closing the window or pressing Escape is the Cancel button.
    void reject() override;

private:
    void showModel();

    std::unique_ptr<FlapDialogModel> m_model;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QSlider* m_slider1 = nullptr;
    QSlider* m_slider2 = nullptr;
};

} // namespace ribcraft
