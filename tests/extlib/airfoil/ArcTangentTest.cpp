// SPDX-License-Identifier: MIT
// The branch-free angle of the panel system against the library's atan2:
// every direction of the plane (all four quadrants, both axes, the 45 degree
// lines where the reduction switches) at lengths from 1e-9 to 1e9.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "extlib/airfoil/ArcTangent.h"

namespace ribcraft::airfoil {
namespace {

TEST(ArcTangent2, AgreesWithTheLibraryInEveryDirection) {
    constexpr double pi = std::numbers::pi;
    // Two units in the last place of the angle (the library's own result may be half a unit off).
    auto tolerance = [](double angle) { return 2.0 * std::numeric_limits<double>::epsilon() * std::abs(angle); };
    for (double length : {1e-9, 3e-4, 1.0, 7.5, 1e9}) {
        for (int k = -20000; k <= 20000; ++k) {
            const double theta = pi * k / 20000.0;
            const double x = length * std::cos(theta), y = length * std::sin(theta);
            const double expected = std::atan2(y, x);
            ASSERT_NEAR(ArcTangent2(y, x), expected, tolerance(expected)) << x << ", " << y;
        }
    }
    // The axes, the ends of the reduction's intervals and tiny angles.
    for (double y : {1.0, -1.0, 0.66, 0.6600000000000001, 2.41421356237309504880, 2.414213562373096, 1e-300, 1e300})
        for (double x : {1.0, -1.0, 0.0, 1e-12, -1e-12}) {
            const double expected = std::atan2(y, x);
            EXPECT_NEAR(ArcTangent2(y, x), expected, tolerance(expected)) << x << ", " << y;
        }
    EXPECT_EQ(ArcTangent2(0.0, 1.0), 0.0);
    EXPECT_EQ(ArcTangent2(0.0, -1.0), pi);
}

} // namespace
} // namespace ribcraft::airfoil
