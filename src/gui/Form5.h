// SPDX-License-Identifier: MIT
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

#include <memory>

#include "app/SharedState.h"
#include "app/dialogs/Naca5DialogModel.h"
#include "gui/DialogParts.h"
#include "gui/NacaForm.h"

namespace ribcraft {

class Form5 : public NacaForm {
    Q_OBJECT
public:
    explicit Form5(SharedState& state, QWidget* parent = nullptr);
    ~Form5() override;

    const Naca5DialogModel& model() const { return *m_model; }

private:
    std::unique_ptr<Naca5DialogModel> m_model;
};

} // namespace ribcraft
