// SPDX-License-Identifier: MIT
#pragma once
// Points and closed polygons in any length unit, shared by the rib geometry
// and the writers of rib files.

#include <vector>

namespace ribcraft {

struct Point2 {
    double x = 0, y = 0;
};

// A closed polygon; the last point does not repeat the first.
using Loop = std::vector<Point2>;

} // namespace ribcraft
