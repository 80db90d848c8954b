// SPDX-License-Identifier: MIT
#pragma once
// The march of the finite-difference boundary layer along one surface, from
// the stagnation point (or a sharp leading edge) station by station until the
// last station, separation or a station that cannot be solved.
//
// Lengths are in chords and velocities in free-stream units; Re is based on
// the chord. The grid across the layer is fixed in the Falkner-Skan variable
// eta = y sqrt(Ue Re / s): it runs from the wall to eta = gridHeight (a
// laminar layer ends near eta = 5 to 8, a turbulent one near
// 0.37 Re_x^0.3), so each station's profile points are the grid points scaled
// by sqrt(s / (Re Ue)).
//
// Transition codes:
//   0  always laminar; the march stops where the wall shear vanishes.
//   1  laminar until laminar separation; the flow is turbulent from there on.
//   2  natural transition where Re_theta first reaches Michel's value
//      1.174 (1 + 22400 / Re_x) Re_x^0.46 divided by (1 + roughness), or at
//      laminar separation if that comes first. Roughness 0 is the smooth wall;
//      a positive roughness moves transition forward (1 halves the critical
//      Re_theta, a large value trips the layer right after the stagnation
//      point).

#include <vector>

#include "base/Status.h"

namespace ribcraft::blayer {

struct MarchInput {
    // Arc length per station, increasing. A first station at s = 0 whose edge
    // velocity at least doubles by the next one is taken to lie just past a
    // stagnation point; otherwise s = 0 with a finite Ue is a sharp leading edge.
    std::vector<double> s;
    std::vector<double> ue; // edge velocity per station
    double re = 1e6;
    int intervals = 32; // grid intervals across the layer (points = intervals + 1)
    double roughness = 0;
    int transitionCode = 2;
    double gridHeight = 50;
};

struct StationOutput {
    std::vector<double> y, u; // distance from the wall (chords) and u / Vinf per profile point
    double wallShear = 0;     // tau_w / (rho Vinf^2 / 2), so that Cf = wallShear / Ue^2
    double delta = 0;         // height where u reaches 0.99 Ue
    double deltaStar = 0;     // displacement thickness
    double theta = 0;         // momentum thickness
    double energy = 0;        // energy thickness: integral of (u/Ue) (1 - (u/Ue)^2) dy
    bool turbulent = false;   // eddy viscosity active at this station
};

enum class StopReason { End, Separation, NotConverged, BadStation };

struct MarchResult {
    std::vector<StationOutput> stations; // the solved stations, from the first
    int transitionStation = -1;          // 0-based station where transition began, -1 none
    StopReason stop = StopReason::End;
};

// Ok when the input can be marched; otherwise KernelRefused with the reason.
Status CheckInput(const MarchInput& in);

// First step of the grid across the layer for the given settings.
double FirstGridStep(const MarchInput& in);

// Marches the layer; call only with input that CheckInput accepts.
MarchResult MarchLayer(const MarchInput& in);

} // namespace ribcraft::blayer
