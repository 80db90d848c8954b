#pragma once
// NACA 5 Digit Section dialog.
//
// Controls:
//   Frame1                 caption "NACA " + the designation, rebuilt on every change
//   Text1 / SpinButton1    L, "20/3 of Design Lift Coefficient" (Label2)
//   Text2 / SpinButton2    PQ, "Location of Maximum Camber % Chord *2" (Label3)
//   Text3 / SpinButton3    TT, "Section Thickness in % Chord" (Label4)
//   Command1 "OK"          the section name box takes the digits, AirfoilType 5
//   Command2 "Cancel"      L, PQ, TT as at opening; DialogCancelled 1
//   Command3 "Help ?"      help context 30
// The rules live in Naca5DialogModel.

#include <QDialog>
#include <memory>

#include "app/SharedState.h"
#include "app/dialogs/Naca5DialogModel.h"

class QGroupBox;
class QLineEdit;

namespace ribcraft {

class Form5 : public QDialog {
    Q_OBJECT
public:
    explicit Form5(SharedState& state, QWidget* parent = nullptr);
    ~Form5() override;

    const Naca5DialogModel& model() const { return *m_model; }

    // Closing the window or pressing Escape is the Cancel button.
    void reject() override;

private:
    void showModel();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    std::unique_ptr<Naca5DialogModel> m_model;
    QGroupBox* m_frame1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QLineEdit* m_text3 = nullptr;
};

} // namespace ribcraft
