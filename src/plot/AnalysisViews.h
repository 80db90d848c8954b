#pragma once
// The views that compute as they draw: the flow field (views 4, 5, 6), the
// detailed boundary layer (view 7) and the polars (view 10). Each returns
// what went wrong, if anything, and any warning for the user.

#include "app/CommandResult.h"

namespace ribcraft {

class Surface;
struct SharedState;

CommandResult FlowFieldView(Surface& target, SharedState& state);     // VFlag 4, 5, 6
CommandResult BoundaryLayerView(Surface& target, SharedState& state); // VFlag 7
CommandResult PolarView(Surface& target, SharedState& state);         // VFlag 10
// The legend line of the polar views that names the separation model a polar was swept with.
std::string PolarModelLegend(int flowSeperationModel);
// The legend text beside the cross that marks a point whose stall flag is set.
inline constexpr const char* PolarStallLegend = "stall flag set";

} // namespace ribcraft
