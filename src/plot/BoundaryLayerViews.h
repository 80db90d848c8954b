// SPDX-License-Identifier: MIT
#pragma once
// The drawing half of the boundary-layer view (VFlag 7): the graph BlDisplayOpt
// chooses, from the stored solution. BoundaryLayerView (plot/AnalysisViews.h)
// solves first when the state asks for it, then draws this.

namespace ribcraft {

class Surface;
struct SharedState;

// 1/2 upper/lower velocity profiles, 3/4 thickness, 5/6 skin friction; draws
// nothing without a stored solution.
void DrawBoundaryLayerGraph(Surface& target, const SharedState& state);

} // namespace ribcraft
