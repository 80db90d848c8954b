// SPDX-License-Identifier: MIT
#pragma once
// NACA 4 Digit Section dialog.
//
// Controls:
//   Frame1                 caption "NACA " + the designation, rebuilt on every change
//   Text1 / SpinButton1    M, "Max. Value of Mean Line in % Chord" (Label2)
//   Text2 / SpinButton2    P, "Location of Maximum Camber in 1/10 Chord" (Label3)
//   Text3 / SpinButton3    T, "Section Thickness in % Chord" (Label4)
//   Command1 "OK"          the section name box takes the digits, AirfoilType 4
//   Command2 "Cancel"      M, P, T as at opening; DialogCancelled 1
//   Command3 "Help ?"      help context 20
// The rules live in Naca4DialogModel; this form only binds widgets to it.

#include <memory>

#include "app/SharedState.h"
#include "app/dialogs/Naca4DialogModel.h"
#include "gui/DialogParts.h"
#include "gui/NacaForm.h"

namespace ribcraft {

class Form4 : public NacaForm {
    Q_OBJECT
public:
    explicit Form4(SharedState& state, QWidget* parent = nullptr);
    ~Form4() override;

    const Naca4DialogModel& model() const { return *m_model; }

private:
    std::unique_ptr<Naca4DialogModel> m_model;
};

} // namespace ribcraft
