#pragma once
// The computing half of the redraw Command1_Click: what the dirty flags and
// the dialog protocol ask for, before the view is drawn. No drawing here.

#include <string>

#include "app/CommandResult.h"
#include "app/SharedState.h"

namespace ribcraft {

// Plain panel solution, drag estimate and thin-airfoil coefficients when the
// state asks for a new solution (DialogCancelled 0, NewFlag 1, a boundary-layer
// update request, or no solution yet); the result texts follow. A failure
// leaves the previous solution and texts in place and says why.
CommandResult RecomputeForRedraw(SharedState& s);

// What a panel solution is made from (section, angle, flap, points, file,
// Reynolds number and the drag options), as one comparable text.
std::string SolutionInputsKey(const SharedState& s);

// Thin-airfoil evaluation of the current outline at angleDegrees, with the
// result texts; the zero-lift angle is taken from the section's own angle.
void UpdateThinAirfoil(SharedState& s, double angleDegrees);

} // namespace ribcraft
