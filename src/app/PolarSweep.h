// SPDX-License-Identifier: MIT
#pragma once
// The polar sweep: for the current section, flap and Reynolds number, 21
// angles from -20 to +20 degrees, each with a plain panel solution, the
// integral boundary layer on both surfaces, a displacement-thickness estimate,
// the optional effective-angle correction of the simple flow-separation model
// and a second panel solution on the displaced contour. A polar is computed
// once and kept for the rest of the run.

#include <span>

#include "app/CommandResult.h"
#include "app/SharedState.h"

namespace ribcraft {

struct PolarOutcome {
    CommandResult result;
    int polar = 0;         // 1-based index of the current section's polar, 0 when there is none
    bool computed = false; // whether this call swept the angles
};

// The identity of the polar the state asks for.
PolarKey CurrentPolarKey(const SharedState& s);

// The polars that count (the first PolarCount of the store).
std::span<const StoredPolar> ActivePolars(const SharedState& s);

// 1-based index of the active polar with this key, 0 when there is none.
int FindPolar(const SharedState& s, const PolarKey& key);

// Finds the current polar or computes it. The sweep leaves the solution of
// its last angle (PanelCl, PanelCmLE, the distribution arrays, StagPoint,
// TransitionPoint) and sets NewFlag so that the next redraw solves the current
// angle again; Alpha is restored. On a fault the sweep stops with the
// boundary-layer message and the polar keeps the points stored so far.
PolarOutcome Polar(SharedState& s);

} // namespace ribcraft
