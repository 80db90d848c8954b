#pragma once
// The modal-dialog protocol and the state changes each dialog command makes
// once its dialog has closed. The window runs a dialog through RunDialog and
// then applies the matching After... rule; none of this draws anything.

#include <string>
#include <string_view>
#include <utility>

#include "app/SharedState.h"

namespace ribcraft {

// Clears DialogCancelled, shows the dialog (show() must return only when it
// has closed) and tells whether the command may go on: true when the dialog
// did not set DialogCancelled again.
template <typename ShowModal> bool RunDialog(SharedState& state, ShowModal&& show) {
    state.DialogCancelled = 0;
    std::forward<ShowModal>(show)();
    return state.DialogCancelled == 0;
}

// pi as the two flap commands write it.
inline constexpr double FlapPiMenu = 3.14159265;
inline constexpr double FlapPiToolBar = 3.141592654;

// The angle display: the angle text followed by " Deg." ("0 Deg." at start-up).
std::string AngleDisplayFor(std::string_view angleText);

// A NACA section was accepted (menu, tool bar or quick button): the library
// builds it from the digits, so the file surfaces are dropped and both the
// solution and the mesh must be recomputed.
void AfterNacaAccepted(SharedState& state);

// After the angle dialog: when accepted the display follows the angle box
// (the redraw that follows solves that angle); when cancelled it shows the
// angle of the solution on screen.
void AfterAngleDialog(SharedState& state, bool accepted);

// After the flap dialog, accepted or not: the derived hinge fraction and
// deflection in radians (rounded to 4-byte floats). When accepted the outline
// changes, so NewFlag is set.
void AfterFlapDialog(SharedState& state, double pi, bool accepted);

// The options dialog was accepted: the point count changed.
void AfterOptionsAccepted(SharedState& state);

// The angle box of the main window took Enter: the display follows it.
inline void AngleBoxEntered(SharedState& state) {
    AfterAngleDialog(state, true);
}

} // namespace ribcraft
