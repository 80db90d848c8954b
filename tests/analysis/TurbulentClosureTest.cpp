// SPDX-License-Identifier: MIT
#include "analysis/TurbulentClosure.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace ribcraft {
namespace {

struct ClosureOut {
    double cf, h;
    int failed;
};

ClosureOut runClosure(double h0, double reTheta, double gradient, double theta = 0.002, double ue = 1.0,
                      double cf0 = 0.0) {
    ClosureOut out{cf0, h0, -1};
    TurbulentClosure(out.cf, out.h, theta, reTheta, ue, gradient, 0.01, 1e6, out.failed);
    return out;
}

TEST(TurbulentClosure, ZeroGradientWakeProfile) {
    // beta = 0: Pi = (-0.76 + sqrt(1.2496)) / 0.84, to four decimals; G to three.
    EXPECT_NEAR(WakeStrength(0), 0.4260, 0.5e-4);
    EXPECT_NEAR(WakeShapeParameter(WakeStrength(0)), 6.358, 0.5e-3);
    // The fit is the positive root of 0.42 Pi^2 + 0.76 Pi - 0.4 = beta.
    for (double beta : {-0.5, 0.0, 1.0, 5.0}) {
        const double p = WakeStrength(beta);
        EXPECT_NEAR(0.42 * p * p + 0.76 * p - 0.4, beta, 1e-12) << beta;
    }
}

TEST(TurbulentClosure, FlatPlateValuesAfterThirtyPasses) {
    // Starting from H = 1.4, to the decimals the closure is known by.
    const ClosureOut at1000 = runClosure(1.4, 1000, 0);
    EXPECT_EQ(at1000.failed, 0);
    EXPECT_NEAR(at1000.h, 1.411, 0.5e-3);
    EXPECT_NEAR(at1000.cf, 0.00420, 0.5e-5);
    const ClosureOut at5000 = runClosure(1.4, 5000, 0);
    EXPECT_EQ(at5000.failed, 0);
    EXPECT_NEAR(at5000.h, 1.331, 0.5e-3);
    EXPECT_NEAR(at5000.cf, 0.00306, 0.5e-5);
}

TEST(TurbulentClosure, ReturnedPairSatisfiesWakeRelationAndFrictionLaw) {
    // H of the last pass is lambda / (lambda - G) for the Cf of that pass, and
    // after 30 passes on a flat plate the friction law holds at the returned H.
    const double g0 = WakeShapeParameter(WakeStrength(0));
    for (double re : {300.0, 2000.0, 20000.0}) {
        const ClosureOut out = runClosure(1.4, re, 0);
        ASSERT_EQ(out.failed, 0);
        const double lambda = std::sqrt(2 / out.cf);
        EXPECT_NEAR(out.h, lambda / (lambda - g0), 1e-12) << re;
        const double logRe = std::log10(re);
        const double law = 0.3 * std::exp(-1.33 * out.h) * std::pow(logRe, -1.74 - 0.31 * out.h);
        EXPECT_NEAR(out.cf / law, 1.0, 1e-6) << re;
    }
}

TEST(TurbulentClosure, PressureGradientMovesShapeFactor) {
    const double flat = runClosure(1.4, 2000, 0).h;
    const ClosureOut favourable = runClosure(1.4, 2000, 0.2); // beta = -0.3: fuller profile
    EXPECT_EQ(favourable.failed, 0);
    EXPECT_LT(favourable.h, flat);
    double previous = flat;
    for (double gradient : {-0.5, -1.0, -2.0}) { // adverse: H rises, still attached
        const ClosureOut out = runClosure(1.4, 2000, gradient);
        EXPECT_EQ(out.failed, 0) << gradient;
        EXPECT_GT(out.h, previous) << gradient;
        previous = out.h;
    }
    const ClosureOut separated = runClosure(1.4, 2000, -3.0);
    EXPECT_EQ(separated.failed, 1);
    EXPECT_GT(separated.h, 6); // the value of the failing pass
    EXPECT_TRUE(std::isfinite(separated.cf));
}

TEST(TurbulentClosure, UnusableArithmeticReportsFailureWithFiniteValues) {
    // beta = -lambda^2 H theta dU/ds / Ue is far below -0.7438 here: no real wake strength.
    const ClosureOut strongFavourable = runClosure(1.4, 2000, 5.0);
    EXPECT_EQ(strongFavourable.failed, 1);
    EXPECT_EQ(strongFavourable.h, 1.4);
    EXPECT_TRUE(std::isfinite(strongFavourable.cf));
    EXPECT_GT(strongFavourable.cf, 0);
    // log10(Re_theta) not positive, or not a number: nothing is computed.
    for (double re : {1.0, 0.5, 0.0, -10.0, double(NAN), double(INFINITY)}) {
        const ClosureOut out = runClosure(1.4, re, 0, 0.002, 1.0, 0.004);
        EXPECT_EQ(out.failed, 1) << re;
        EXPECT_EQ(out.h, 1.4) << re;
        EXPECT_EQ(out.cf, 0.004) << re;
    }
    // Zero edge velocity: the guard keeps beta finite; NaN inputs fail.
    EXPECT_TRUE(std::isfinite(runClosure(1.4, 2000, -0.001, 0.002, 0.0).h));
    const ClosureOut nanTheta = runClosure(1.4, 2000, -1.0, NAN);
    EXPECT_EQ(nanTheta.failed, 1);
    EXPECT_TRUE(std::isfinite(nanTheta.h));
}

TEST(TurbulentClosure, StepLengthAndReynoldsNumberAreNotUsed) {
    double cfA = 0, hA = 1.4, cfB = 0, hB = 1.4;
    int fA = -1, fB = -1;
    TurbulentClosure(cfA, hA, 0.002, 3000, 0.9, -0.7, 0.01, 1e6, fA);
    TurbulentClosure(cfB, hB, 0.002, 3000, 0.9, -0.7, 0.5, 3e4, fB);
    EXPECT_EQ(cfA, cfB);
    EXPECT_EQ(hA, hB);
    EXPECT_EQ(fA, fB);
}

} // namespace
} // namespace ribcraft
