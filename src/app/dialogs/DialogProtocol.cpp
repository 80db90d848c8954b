#include "app/dialogs/DialogProtocol.h"

namespace ribcraft {

std::string AngleDisplayFor(std::string_view angleText) {
    std::string display(angleText);
    display += " Deg.";
    return display;
}

void AfterNacaAccepted(SharedState& state) {
    state.NewFlag = 1;
    state.RawAirfoilFlag = 0;
    state.NewGrid = 1;
}

void AfterAngleDialog(SharedState& state, bool accepted) {
    // A cancelled dialog solves nothing: the display keeps the angle of the
    // solution shown, even when the box holds an angle typed without Enter.
    if (!accepted && state.Inputs.Stamps.Panel.Made)
        state.Texts.AngleDisplay = state.Inputs.PanelMadeFrom.AngleDisplay;
    else
        state.Texts.AngleDisplay = AngleDisplayFor(state.Texts.AngleText);
}

void AfterFlapDialog(SharedState& state, double pi, bool accepted) {
    state.FlapAngleRad = static_cast<float>(state.FlapDeflection / 180.0 * pi);
    state.HingeFraction = static_cast<float>((100.0 - state.FlapLength) / 100.0);
    if (accepted) state.NewFlag = 1;
}

void AfterOptionsAccepted(SharedState& state) {
    state.NewFlag = 1;
}

} // namespace ribcraft
