// SPDX-License-Identifier: MIT
#pragma once
// The detailed boundary-layer solution of both surfaces, kept until the next
// solve: what the boundary-layer views and exports read.
//
// Station arrays are 1-based (element 0 unused) and sized when a solution is
// stored: StationCount + 1 entries. Profiles are kept for the solved stations
// only, ProfilePoints values per station.

#include <array>
#include <string>
#include <vector>

namespace ribcraft {

struct BlSurfaceSolution {
    int StationCount = 0;    // stations of the surface, stagnation point first
    int SolvedCount = 0;     // stations the solver produced a solution for
    int ProfilePoints = 0;   // points across the layer (BlPoints + 1)
    int TrailingStation = 0; // first station past 0.95 chord; StationCount + 1 when there is none
    int SeparationPoint = 0; // outline point of the separation warning, 0 = no warning
    double SeparationX = 0;  // its chord position
    double Cd = 0;           // this surface's share of CdCFD

    std::vector<double> ArcLength, EdgeVelocity, StationX; // per station: s, Ue, chord position
    std::vector<double> WallShear;                         // per station
    std::array<std::vector<double>, 4> Thickness;          // columns delta, delta*, theta, fourth quantity
    std::vector<double> Blasius;                           // 3.5 sqrt(2 s / re) per solved station
    std::vector<int> EdgeIndex;             // per solved station: first profile point with u >= 0.99 Ue (0 = none)
    std::vector<double> ProfileY, ProfileU; // station i, point j at (i - 1) * ProfilePoints + (j - 1)

    // Thickness column c (1..4) at station i.
    double thickness(int i, int c) const { return Thickness[c - 1][i]; }
    double profileY(int i, int j) const { return ProfileY[(i - 1) * ProfilePoints + (j - 1)]; }
    double profileU(int i, int j) const { return ProfileU[(i - 1) * ProfilePoints + (j - 1)]; }
    // Skin friction: wall shear / (Ue^2 + 1e-07).
    double friction(int i) const { return WallShear[i] / (EdgeVelocity[i] * EdgeVelocity[i] + 1e-07); }
};

struct BoundaryLayerStore {
    bool Solved = false;     // a solution is present (the "Airfoil View" of the B.L. menu may be used)
    BlSurfaceSolution Lower; // the first surface: outline points before the stagnation point
    BlSurfaceSolution Upper; // the second surface: from the stagnation point to the trailing edge
    std::string ResultLine;  // "CFD Boundary Layer Solution: Cl = ...  Cd = ..."
};

} // namespace ribcraft
