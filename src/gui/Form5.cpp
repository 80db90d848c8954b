// SPDX-License-Identifier: MIT
#include "gui/Form5.h"

#include "app/dialogs/HelpContexts.h"

namespace ribcraft {

Form5::Form5(SharedState& state, QWidget* parent)
    : NacaForm(parent, "Form5", "NACA 5 Digit Section"), m_model(std::make_unique<Naca5DialogModel>(state)) {
    Naca5DialogModel& m = *m_model;
    build({{{{"20/3 of Design Lift Coefficient", [&m](const std::string& t) { m.liftTextChanged(t); },
              [&m] { m.liftUp(); }, [&m] { m.liftDown(); }, [&m] { return m.liftText(); }},
             {"Location of Maximum Camber % Chord *2", [&m](const std::string& t) { m.positionTextChanged(t); },
              [&m] { m.positionUp(); }, [&m] { m.positionDown(); }, [&m] { return m.positionText(); }},
             {"Section Thickness in % Chord", [&m](const std::string& t) { m.thicknessTextChanged(t); },
              [&m] { m.thicknessUp(); }, [&m] { m.thicknessDown(); }, [&m] { return m.thicknessText(); }}}},
           [&m] { return m.caption(); },
           [&m] { m.ok(); },
           [&m] { m.cancel(); },
           HelpNaca5});
}

Form5::~Form5() = default;

} // namespace ribcraft
