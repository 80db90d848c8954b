// SPDX-License-Identifier: MIT
#pragma once
// The views of the results that take longest to compute: the flow field
// (views 4, 5, 6), the detailed boundary layer (view 7) and the polars
// (view 10). They draw what the recompute step (app/Recompute.h) left in the
// state and compute nothing; a result that is not there is not drawn.

namespace ribcraft {

class Surface;
struct SharedState;

void FlowFieldView(Surface& target, const SharedState& state);     // VFlag 4, 5, 6
void BoundaryLayerView(Surface& target, const SharedState& state); // VFlag 7
void PolarView(Surface& target, const SharedState& state);         // VFlag 10
// The legend line of the polar views that names the separation model a polar was swept with.
std::string PolarModelLegend(int flowSeperationModel);
// The legend text beside the cross that marks a point whose stall flag is set.
inline constexpr const char* PolarStallLegend = "stall flag set";

} // namespace ribcraft
