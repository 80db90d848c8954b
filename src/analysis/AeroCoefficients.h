// SPDX-License-Identifier: MIT
#pragma once
// Coefficients derived from a solution's lift, drag and leading-edge moment.

namespace ribcraft {

// Moment about the quarter chord from the moment about the leading edge. The
// moment moves with the force normal to the chord, Cl cos(alpha) +
// Cd sin(alpha) (cd 0 where no drag is known, as for the inviscid solution).
double QuarterChordMoment(double cl, double cmLe, double alphaDegrees, double cd = 0);

} // namespace ribcraft
