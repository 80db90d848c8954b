// SPDX-License-Identifier: MIT
// The moment about the quarter chord against the exact potential flow about a
// Karman-Trefftz section, integrated about the quarter chord directly.

#include "analysis/AeroCoefficients.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "../extlib/airfoil/KarmanTrefftz.h"

namespace ribcraft {
namespace {

using airfoil::test::KarmanTrefftz;

TEST(QuarterChordMoment, TransfersWithTheNormalForceOfTheExactFlow) {
    for (const KarmanTrefftz& kt : {KarmanTrefftz(-0.1, 0.0, 10.0), KarmanTrefftz(-0.08, 0.08, 8.0)}) {
        for (double alpha : {0.0, 4.0, 12.0, -12.0}) {
            SCOPED_TRACE(alpha);
            const double cl = kt.exactCl(alpha), cmLe = ExactMoment(kt, alpha, 0.0);
            const double exact = ExactMoment(kt, alpha, 0.25);
            // Potential flow has no drag: the normal force is Cl cos(alpha) exactly.
            EXPECT_NEAR(QuarterChordMoment(cl, cmLe, alpha), exact, 2e-6);
            // Leaving out cos(alpha) is off by Cl (1 - cos 12 deg) / 4, about 0.004 at this lift.
            if (std::abs(alpha) == 12.0) {
                EXPECT_GT(std::abs(cmLe + cl / 4 - exact), 0.003);
            }
        }
    }
}

// A known drag adds its share of the normal force: Cd sin(alpha) / 4.
TEST(QuarterChordMoment, DragAddsItsNormalComponent) {
    const double a = 10 * std::numbers::pi / 180;
    EXPECT_NEAR(QuarterChordMoment(1.0, -0.3, 10, 0.02) - QuarterChordMoment(1.0, -0.3, 10), 0.25 * 0.02 * std::sin(a),
                1e-15);
    EXPECT_DOUBLE_EQ(QuarterChordMoment(0, -0.053, 7, 0), -0.053); // no lift: the moment is the same about any point
}

} // namespace
} // namespace ribcraft
