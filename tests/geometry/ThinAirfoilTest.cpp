// SPDX-License-Identifier: MIT
// Lift, moments, zero-lift angle and centre of pressure from A0, A1, A2.

#include "geometry/ThinAirfoil.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using ribcraft::CoefficientsFromFourier;

const double pi = 4 * std::atan(1.0);

TEST(ThinAirfoilCoefficients, WorkedExample) {
    // A0 = 0.1, A1 = 0.05, A2 = 0.01: Cl = pi / 4, Cm(c/4) = -0.01 pi,
    // Cm(LE) = -(pi / 2) 0.145, xcp = (0.25 + 0.04) * 100. The angle plays no part.
    for (double alpha : {0.0, 7.5}) {
        const auto c = CoefficientsFromFourier(0.1f, 0.05f, 0.01f, alpha, pi);
        EXPECT_NEAR(c.LiftCoeff, 0.785398, 1e-6);
        EXPECT_NEAR(c.CmC4, -0.0314159, 1e-7);
        EXPECT_NEAR(c.CmLeadingEdge, -0.2277654, 1e-6);
        ASSERT_TRUE(c.HasXcp);
        EXPECT_NEAR(c.Xcp, 29.0, 1e-4);
        EXPECT_NEAR(c.AlphaCl0, alpha - 0.25 / 2 * 180 / pi, 1e-5);
    }
}

TEST(ThinAirfoilCoefficients, ZeroLiftAngleFromTheLift) {
    // Cl = 0.5483 at 5 deg: 5 - 0.5483 / (2 pi) * 180 / pi = 0.0005, shown as 0.00.
    // Choose A0 so that pi * 2 * A0 = 0.5483.
    const auto c = CoefficientsFromFourier(static_cast<float>(0.5483 / (2 * pi)), 0.0f, 0.0f, 5.0, pi);
    EXPECT_NEAR(c.LiftCoeff, 0.5483, 1e-6);
    EXPECT_NEAR(c.AlphaCl0, 0.0, 0.005);
    EXPECT_NEAR(c.AlphaCl0, 5.0 - 0.5483 / (2 * pi) * 180 / pi, 1e-5);
}

TEST(ThinAirfoilCoefficients, CentreOfPressureOnlyWithLift) {
    // Cl = 2 pi A0 here; |Cl| must exceed 0.01 for a centre of pressure.
    struct Case {
        double cl;
        bool defined;
    };
    for (const Case& k :
         {Case{0.0, false}, Case{0.009, false}, Case{-0.009, false}, Case{0.011, true}, Case{-0.02, true}}) {
        const auto c = CoefficientsFromFourier(static_cast<float>(k.cl / (2 * pi)), 0.0f, 0.0f, 0.0, pi);
        EXPECT_EQ(c.HasXcp, k.defined) << k.cl;
        EXPECT_TRUE(std::isfinite(c.Xcp)) << k.cl;
    }
    // A camber-free plate at negative lift still has its centre at the quarter chord.
    const auto c = CoefficientsFromFourier(-0.05f, 0.0f, 0.0f, -3.0, pi);
    ASSERT_TRUE(c.HasXcp);
    EXPECT_NEAR(c.Xcp, 25.0, 1e-9);
}

} // namespace
