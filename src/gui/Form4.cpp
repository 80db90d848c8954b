// SPDX-License-Identifier: MIT
#include "gui/Form4.h"

#include "app/dialogs/HelpContexts.h"

namespace ribcraft {

Form4::Form4(SharedState& state, QWidget* parent)
    : NacaForm(parent, "Form4", "NACA 4 Digit Section"), m_model(std::make_unique<Naca4DialogModel>(state)) {
    Naca4DialogModel& m = *m_model;
    build({{{{"Max. Value of Mean Line in % Chord", [&m](const std::string& t) { m.camberTextChanged(t); },
              [&m] { m.camberUp(); }, [&m] { m.camberDown(); }, [&m] { return m.camberText(); }},
             {"Location of Maximum Camber in 1/10 Chord", [&m](const std::string& t) { m.positionTextChanged(t); },
              [&m] { m.positionUp(); }, [&m] { m.positionDown(); }, [&m] { return m.positionText(); }},
             {"Section Thickness in % Chord", [&m](const std::string& t) { m.thicknessTextChanged(t); },
              [&m] { m.thicknessUp(); }, [&m] { m.thicknessDown(); }, [&m] { return m.thicknessText(); }}}},
           [&m] { return m.caption(); },
           [&m] { m.ok(); },
           [&m] { m.cancel(); },
           HelpNaca4});
}

Form4::~Form4() = default;

} // namespace ribcraft
