// SPDX-License-Identifier: MIT
#pragma once
// Contour lines of a field given on a structured grid, by marching squares:
// every cell between points (k, j), (k + 1, j), (k + 1, j + 1), (k, j + 1) is
// cut by the level along the straight lines joining the points where the
// level crosses its edges, the crossing found by linear interpolation along
// the edge. A corner counts as above the level when its value is at least
// the level. In a saddle cell (two opposite corners above, two below) the
// mean of the four corners decides which pair the contour joins.

#include <vector>

namespace ribcraft::airfoil {

struct ContourSegment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Segments of one level. gx, gy, field: ni * nj values column by column.
// At most maxSegments are returned: cells are visited ring by ring from the
// section outward and those after the limit are left out.
std::vector<ContourSegment> ContourLevel(const std::vector<double>& gx, const std::vector<double>& gy,
                                         const std::vector<double>& field, int ni, int nj, double level,
                                         int maxSegments);

} // namespace ribcraft::airfoil
