// SPDX-License-Identifier: MIT
#pragma once
// The aerodynamic-coefficients report (view 8) printed as text lines into a
// drawing surface: thin-airfoil theory beside the panel solution and the
// panel solution corrected by the boundary layer.

namespace ribcraft {

class Surface;
struct SharedState;

void Report(Surface& target, const SharedState& state);

} // namespace ribcraft
