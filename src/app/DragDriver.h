#pragma once
// Drag on the current panel solution: the integral boundary layer on both
// surfaces, the displayed drag, the effective angle of the simple separation
// model and the stall warning.

#include "app/CommandResult.h"
#include "app/SharedState.h"

namespace ribcraft {

// On a fault the previous drag, angle and stall flag stay and the program's
// message is returned.
CommandResult RunDrag(SharedState& s);

} // namespace ribcraft
