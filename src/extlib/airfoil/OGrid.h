// SPDX-License-Identifier: MIT
#pragma once
// O-grid about a closed section outline: ring 1 is the outline itself, the
// last ring a circle about mid-chord, and the rings between are spaced
// geometrically so that they crowd towards the section. Index k runs around
// the section (k = 1 and k = ni both at the trailing edge, so every ring
// closes), index j outward.

#include <cstddef>
#include <vector>

namespace ribcraft::airfoil {

// Points stored column by column: point (k, j), 1-based, at (k - 1) + (j - 1) * ni.
struct OGrid {
    int ni = 0, nj = 0;
    std::vector<double> x, y;
    double X(int k, int j) const { return x[static_cast<std::size_t>((k - 1) + (j - 1) * ni)]; }
    double Y(int k, int j) const { return y[static_cast<std::size_t>((k - 1) + (j - 1) * ni)]; }
};

struct OGridSettings {
    double radius = 6;     // outer circle, in chords
    double clustering = 1; // ratio of one ring spacing to the one inside it
    int smoothingSweeps = 10;
};

// Fraction of the way from the section to the outer circle of ring j
// (1..nj): 0 at ring 1, 1 at ring nj, spacings growing by `clustering`.
double RingFraction(int j, int nj, double clustering);

// Builds the grid from a closed outline (the last point repeating the first).
// False, with `out` untouched, when the input cannot make a grid: fewer than
// 4 outline points, values that are not finite, ni < 3, nj < 2, a clustering
// factor that is not positive, or a circle that would not clear the section.
bool BuildOGrid(const std::vector<double>& outlineX, const std::vector<double>& outlineY, int ni, int nj,
                const OGridSettings& settings, OGrid& out);

} // namespace ribcraft::airfoil
