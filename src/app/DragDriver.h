#pragma once
// Drag on the current panel solution: the integral boundary layer on both
// surfaces, the displayed drag, the effective angle of the simple separation
// model and the stall warning.

#include "analysis/Drag.h"
#include "app/CommandResult.h"
#include "app/SharedState.h"

namespace ribcraft {

// On a fault the previous drag, angle and stall flag stay and the program's
// message is returned.
// The integral-layer inputs of the state's present panel solution and its
// lift at alpha degrees (the outline closed at point N + 1 by the caller).
DragInputs DragInputsOf(const SharedState& s, double alpha);

CommandResult RunDrag(SharedState& s);

} // namespace ribcraft
