// SPDX-License-Identifier: MIT
// Drag of whole sections through the redraw's computation: the trends any
// user checks against wind-tunnel experience must hold.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Drag.h"
#include "app/Recompute.h"

namespace ribcraft {
namespace {

struct Solved {
    double cd;
    double transitionArc; // arc length from the stagnation point to transition on the upper surface
};

Solved solve(const char* section, double alpha, double re) {
    SharedState s;
    s.Texts.SectionName = section;
    s.Texts.AngleText = std::to_string(alpha);
    s.re = re;
    EXPECT_TRUE(RecomputeForRedraw(s).ok());
    DragInputs in;
    in.SectionX = {&s.SectionX[1], size_t(s.PointCount) + 1};
    in.SectionY = {&s.SectionY[1], size_t(s.PointCount) + 1};
    in.SurfaceV = {&s.SurfaceV[1], size_t(s.PointCount)};
    in.N = s.PointCount;
    in.Alpha = s.Alpha;
    in.re = s.re;
    in.PolarSolution = s.PolarSolution;
    const Result<DragResult> r = ComputeDrag(in);
    EXPECT_TRUE(r.ok());
    if (!r) return {};
    EXPECT_NEAR(r->Cd, s.Cd, 1e-12); // the window shows exactly this drag
    return {r->Cd, r->Stations.second.s[size_t(r->TransitionPoint)]};
}

TEST(DragTrends, FallsWithReynoldsNumber) {
    const double low = solve("0012", 0, 3e5).cd;
    const double mid = solve("0012", 0, 1e6).cd;
    const double high = solve("0012", 0, 3e6).cd;
    EXPECT_GT(low, mid);
    EXPECT_GT(mid, high);
    // Same order as measured natural-transition drag of a 12 % section at 1e6 (about 0.0054).
    EXPECT_GT(mid, 0.004);
    EXPECT_LT(mid, 0.009);
}

TEST(DragTrends, RisesWithAngleAndTransitionMovesForward) {
    const Solved a2 = solve("2412", 2, 1e6);
    const Solved a4 = solve("2412", 4, 1e6);
    const Solved a8 = solve("2412", 8, 1e6);
    EXPECT_GT(a8.cd, a4.cd);
    EXPECT_GT(a4.transitionArc, a8.transitionArc);
    EXPECT_GE(a2.transitionArc, a4.transitionArc);
}

} // namespace
} // namespace ribcraft
