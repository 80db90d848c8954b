// SPDX-License-Identifier: MIT
#pragma once
// The section outline as the airfoil kernel builds and solves it: one closed
// loop of 2h + 1 points starting at the trailing edge, running forward along
// the lower surface to the leading edge (index h) and back along the upper
// surface to the trailing edge (index 2h). Indices here are 0-based; the
// entry point Airfoil maps them onto the callers' 1-based arrays.

#include <vector>

#include "extlib/Capacities.h"

namespace ribcraft::airfoil {

// Points per surface that fit the callers' outline arrays (2h + 1 <= cap::Outline).
inline constexpr int kMinSurfacePoints = 2;
inline constexpr int kMaxSurfacePoints = (cap::Outline - 1) / 2;

struct Outline {
    std::vector<double> x, y;
    int surfacePoints() const { return static_cast<int>(x.size() / 2); }
};

bool IsValidSurfacePoints(int h);

// Chord stations x_k = (1 - cos(pi k / h)) / 2, k = 0..h, dense at both ends.
std::vector<double> CosineStations(int h);

// Joins surfaces sampled at the same stations (index k = station k, from the
// leading edge to the trailing edge) into the closed loop.
Outline JoinSurfaces(const std::vector<double>& stations, const std::vector<double>& upperY,
                     const std::vector<double>& lowerY);

// Mean line at chord position x: the average of the two surfaces, each
// interpolated linearly between its stations. Used for the flap hinge of
// sections that have no analytic mean line.
double MeanLineAt(const Outline& outline, double x);

// True when the flap values deflect anything: a non-zero angle and a hinge
// strictly inside the chord. A zero angle is no flap whatever the hinge.
bool FlapIsActive(double angleRad, double hingeFraction);

// Plain flap: the part of the section aft of x = hingeFraction turns by
// angleRad about (hingeFraction, hingeY); positive angles move the trailing
// edge down. The surface the flap turns towards is cut where the turned part
// crosses the fixed part, the other one is bridged by an arc about the hinge,
// and the points near the hinge are re-spaced along the joined surfaces, so
// the loop stays simple. Point count and loop order are kept.
void ApplyFlap(Outline& outline, double angleRad, double hingeFraction, double hingeY);

} // namespace ribcraft::airfoil
