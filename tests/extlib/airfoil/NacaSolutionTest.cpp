// SPDX-License-Identifier: MIT
// Panel solutions of NACA sections: symmetry, lift slope, flap lift, the sign
// of the surface speed.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "extlib/airfoil/NacaSection.h"
#include "extlib/airfoil/PanelSolver.h"

namespace ribcraft::airfoil {
namespace {

SurfaceSolution Solve(const Outline& o, double alpha) {
    PanelSolver solver;
    EXPECT_TRUE(solver.setOutline(o));
    SurfaceSolution s;
    EXPECT_TRUE(solver.solve(alpha, s));
    return s;
}

TEST(NacaSolution, SymmetricSectionAtZeroAngle) {
    const int h = 60;
    const SurfaceSolution s = Solve(*BuildNacaOutline(12, h), 0.0);
    EXPECT_NEAR(s.cl, 0.0, 1e-6);
    EXPECT_NEAR(s.cmLe, 0.0, 1e-6);
    for (int i = 0; i < h; ++i) {
        EXPECT_NEAR(s.cp[i], s.cp[2 * h - 1 - i], 1e-6) << i;
        EXPECT_NEAR(s.v[i], s.v[2 * h - 1 - i], 1e-6) << i;
        EXPECT_EQ(s.distX[i], s.distX[2 * h - 1 - i]);
    }
    // The stagnation point is the leading edge; the speed is positive on both sides.
    EXPECT_EQ(s.stagnationPanel, h);
    for (double v : s.v)
        EXPECT_GT(v, 0.0);
    // Thickness speeds the flow up: peak near 1.2 for 12 %, near free stream at the edges.
    EXPECT_NEAR(*std::max_element(s.v.begin(), s.v.end()), 1.2, 0.05);
}

TEST(NacaSolution, LiftSlopeMomentAndSurfaceSpeedSign) {
    const Outline o = *BuildNacaOutline(12, 60);
    const SurfaceSolution plus = Solve(o, 4.0), minus = Solve(o, -4.0);
    const double slope = (plus.cl - minus.cl) / (8.0 * std::numbers::pi / 180.0);
    // Thickness raises the 2 pi of the flat plate by about 9 % for a 12 % section.
    EXPECT_GT(slope / (2.0 * std::numbers::pi), 1.07);
    EXPECT_LT(slope / (2.0 * std::numbers::pi), 1.11);
    EXPECT_NEAR(plus.cl, -minus.cl, 1e-9);
    // Aerodynamic centre near the quarter chord (a little aft for a thick section).
    EXPECT_NEAR(plus.cmLe / plus.cl, -0.25, 0.015);

    // Cambered section at an angle: the stagnation point moves under the nose, and
    // the speed measured away from it is positive everywhere (attached potential flow).
    const SurfaceSolution c = Solve(*BuildNacaOutline(2412, 60), 6.0);
    EXPECT_LT(c.stagnationPanel, 60);
    EXPECT_GT(c.stagnationPanel, 50);
    for (size_t i = 1; i + 1 < c.v.size(); ++i)
        EXPECT_GT(c.v[i], 0.0) << i;
    for (size_t i = 0; i < c.v.size(); ++i)
        EXPECT_NEAR(c.cp[i], 1.0 - c.v[i] * c.v[i], 1e-12);
    EXPECT_GT(c.cl, 0.9);
}

Outline Flapped(int32_t number, double hinge, double degrees, int h = 60) {
    Outline o = *BuildNacaOutline(number, h);
    ApplyFlap(o, degrees * std::numbers::pi / 180.0, hinge, NacaMeanLine(*DecodeNacaSection(number), hinge));
    return o;
}

TEST(NacaSolution, FlapLiftMirrorsAndFollowsThinAirfoilTheory) {
    const Outline plain = *BuildNacaOutline(12, 60);
    const double slope = (Solve(plain, 2.0).cl - Solve(plain, -2.0).cl) / (4.0 * std::numbers::pi / 180.0);
    for (double hinge : {0.9, 0.8, 0.5}) {
        // A symmetric section with the flap up gives the mirror image of the flap down.
        for (double degrees : {3.0, 10.0, 25.0}) {
            const Outline down = Flapped(12, hinge, degrees), up = Flapped(12, hinge, -degrees);
            for (double alpha : {0.0, 4.0}) {
                EXPECT_NEAR(Solve(down, alpha).cl, -Solve(up, -alpha).cl, 1e-9) << hinge << " " << degrees;
                EXPECT_NEAR(Solve(down, alpha).cmLe, -Solve(up, -alpha).cmLe, 1e-9) << hinge << " " << degrees;
            }
        }
        // Small deflections: lift per radian of flap is the thin-airfoil value
        // 2 (pi - t + sin t), cos t = 1 - 2 hinge, raised by the same thickness
        // factor as the lift slope (2 pi for the thin plate).
        const double d = 2.0 * std::numbers::pi / 180.0;
        const double t = std::acos(1.0 - 2.0 * hinge);
        const double thin = 2.0 * (std::numbers::pi - t + std::sin(t));
        const double panel =
            (Solve(Flapped(12, hinge, 2.0), 0.0).cl - Solve(Flapped(12, hinge, -2.0), 0.0).cl) / (2 * d);
        EXPECT_NEAR(panel / thin, slope / (2.0 * std::numbers::pi), 0.03) << hinge;
    }
}

// Over the dialog's flap settings and the usual angles, the speed measured
// away from the stagnation point is positive on every panel, and the
// stagnation point is the front one.
TEST(NacaSolution, FlappedSectionsKeepTheSpeedSignAndTheFrontStagnationPoint) {
    for (int32_t number : {12, 2412, 4412, 23012})
        for (int length : {10, 30, 50})
            for (double degrees : {-30.0, -15.0, -5.0, 5.0, 15.0, 30.0}) {
                PanelSolver solver;
                ASSERT_TRUE(solver.setOutline(Flapped(number, 1.0 - length / 100.0, degrees)));
                SurfaceSolution s;
                for (double alpha : {-4.0, 0.0, 4.0, 8.0}) {
                    ASSERT_TRUE(solver.solve(alpha, s));
                    const auto least = std::min_element(s.v.begin(), s.v.end());
                    EXPECT_GT(*least, 0.0) << number << " " << length << " % " << degrees << " at " << alpha;
                    // A deflected flap moves it well back under the nose, never near the trailing edge;
                    // the slowest panel is next to it.
                    const int slowest = int(least - s.v.begin());
                    EXPECT_LT(s.distX[s.stagnationPanel], 0.25) << number << " " << length << " % " << degrees;
                    EXPECT_LE(std::abs(slowest - s.stagnationPanel), 1) << number << " " << length << " % " << degrees;
                }
            }
}

TEST(PanelSolver, RefusesOutlinesItCannotSolve) {
    PanelSolver solver;
    SurfaceSolution s;
    EXPECT_FALSE(solver.solve(0.0, s)); // nothing set yet
    const Outline good = *BuildNacaOutline(12, 20);
    Outline flat = good, repeated = good, broken = good;
    for (double& y : flat.y)
        y = 0.0;                                                  // no thickness
    repeated.x[5] = repeated.x[6], repeated.y[5] = repeated.y[6]; // zero-length panel
    broken.y[7] = std::nan("");
    for (const Outline& o : {flat, repeated, broken, Outline{{1, 0, 1}, {0, 0, 0}}}) {
        EXPECT_FALSE(solver.setOutline(o));
        EXPECT_FALSE(solver.solve(0.0, s));
    }
    ASSERT_TRUE(solver.setOutline(good));
    EXPECT_FALSE(solver.solve(std::nan(""), s));
    EXPECT_TRUE(s.cp.empty()); // left as it was
}

} // namespace
} // namespace ribcraft::airfoil
