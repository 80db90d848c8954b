// SPDX-License-Identifier: MIT
#pragma once
// Rib outlines for printing and cutting: the inner outline that runs a skin
// thickness inside the section (the line a sheeted rib is cut along), and
// rectangular spar notches cut into a closed outline. Plain geometry on
// closed polygons in any length unit.

#include <vector>

#include "base/Loop.h"
#include "base/Status.h"

namespace ribcraft {

// Distance from p to the nearest edge of the closed loop.
double DistanceToLoop(const Loop& loop, Point2 p);

// Whether p lies inside the closed loop (even-odd rule).
bool InsideLoop(const Loop& loop, Point2 p);

// Whether two edges of the closed loop cross or touch anywhere except where
// neighbouring edges share their corner.
bool LoopSelfIntersects(const Loop& loop);

// Signed area (positive when the loop runs counter-clockwise with y up).
double LoopArea(const Loop& loop);

// The inner outline at distance skin from the closed outline: every point of
// the result lies skin away from the nearest point of the outline, inside it.
// Where the outline is thinner than twice the skin (a sharp trailing edge)
// the inner outline ends in a point instead of running on and crossing
// itself; a waist thinner than twice the skin splits it in several loops.
// Convex corners of the inner outline are sharp, reflex corners of the
// outline become arcs (in steps of at most 5 degrees, so chords stay within
// 0.1 % of the skin). skin 0 gives the outline itself. Empty when nothing is
// left (the skin is too thick) or the outline has no area.
std::vector<Loop> InnerOutline(const Loop& outline, double skin);

// A rectangular notch for a spar: centred at chord station x, width across
// the chord, depth measured from the outer surface at x, cut from the top or
// the bottom of the rib.
struct SparNotch {
    double x = 0;
    double width = 0;
    double depth = 0;
    bool top = true;
};

// The rectangle a notch removes: x1 <= x <= x2 and, for a top notch,
// everything above floor (below it for a bottom notch).
struct NotchCut {
    double x1 = 0, x2 = 0, floor = 0;
    bool top = true;
};

// Places the notch on the outer outline: its floor lies depth below the
// highest (above the lowest) point where the outline crosses the vertical
// through the notch centre. Refused when the notch does not lie within the
// chord or its width or depth is not positive.
Result<NotchCut> PlaceNotch(const Loop& outline, const SparNotch& notch);

// The loop with the notch cut out of it. A loop the notch does not reach is
// returned as it is. Refused when the notch would cut the loop in two or
// remove all of it.
Result<Loop> CutNotch(const Loop& loop, const NotchCut& cut);

} // namespace ribcraft
