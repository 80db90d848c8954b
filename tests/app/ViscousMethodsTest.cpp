// SPDX-License-Identifier: MIT
// The viscous methods on whole sections as an aerodynamicist checks them:
// mirrored results for a symmetric section, separation warnings only where
// the layer really separates, and no spikes between neighbouring angles.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/Drag.h"
#include "app/BoundaryLayer.h"
#include "app/DragDriver.h"
#include "app/Recompute.h"

namespace ribcraft {
namespace {

std::string angleText(double alpha) {
    std::string t = std::to_string(alpha);
    return t;
}

SharedState solved(const char* section, double alpha, double re, int points = 120) {
    SharedState s;
    s.Texts.SectionName = section;
    s.Texts.AngleText = angleText(alpha);
    s.re = re;
    s.SurfacePoints = points / 2;
    s.PointCount = points;
    EXPECT_TRUE(RecomputeForRedraw(s).ok());
    return s;
}

Result<DragResult> integralLayer(SharedState& s) {
    return ComputeDrag(DragInputsOf(s, s.Alpha));
}

double transitionX(const DragResult& r, bool second) {
    return second ? r.Stations.second.x[size_t(r.TransitionPoint)] : r.Stations.first.x[size_t(r.Transition1)];
}

void expectRelative(double a, double b, double tolerance, const char* what) {
    EXPECT_NEAR(a, b, tolerance * std::max(std::abs(a), std::abs(b))) << what;
}

// NACA 0012 at +alpha and -alpha: lift antisymmetric within 1e-4, drag and
// transition of one surface equal to those of the other within 0.5 %, in the
// panel solution, the integral layer and the detailed layer.
TEST(MirrorSymmetry, EveryMethodAtOppositeAngles) {
    for (int points : {80, 160})
        for (double re : {1e6, 3e6})
            for (double alpha : {0.0, 2.0, 6.0}) {
                SCOPED_TRACE(::testing::Message() << points << " points, Re " << re << ", " << alpha << " deg");
                SharedState up = solved("0012", alpha, re, points), down = solved("0012", -alpha, re, points);
                EXPECT_NEAR(up.ClPanel, -down.ClPanel, 1e-4);

                const Result<DragResult> a = integralLayer(up), b = integralLayer(down);
                ASSERT_TRUE(a.ok() && b.ok());
                expectRelative(a->Cd1, b->Cd2, 0.005, "Cd1");
                expectRelative(a->Cd2, b->Cd1, 0.005, "Cd2");
                expectRelative(transitionX(*a, false), transitionX(*b, true), 0.005, "transition 1");
                expectRelative(transitionX(*a, true), transitionX(*b, false), 0.005, "transition 2");

                ASSERT_TRUE(BoundaryLayer(up).ok());
                ASSERT_TRUE(BoundaryLayer(down).ok());
                EXPECT_NEAR(up.ClBl, -down.ClBl, 1e-4);
                expectRelative(up.CdCFD, down.CdCFD, 0.005, "CdCFD");
                EXPECT_EQ(up.Bl.Lower.SolvedCount, down.Bl.Upper.SolvedCount);
                EXPECT_EQ(up.Bl.Upper.SolvedCount, down.Bl.Lower.SolvedCount);
                if (alpha == 0) {
                    EXPECT_LT(std::abs(up.ClBl), 1e-3);
                }
            }
}

// A file section is laid out and solved like a generated one: the NACA 0012
// thickness law sampled as a coordinate file gives mirrored layers too.
TEST(MirrorSymmetry, FileSection) {
    const auto fileSection = [](double alpha) {
        SharedState s;
        s.RawAirfoilFlag = 1;
        const int n = 41;
        for (int k = 0; k < n; ++k) {
            const double x = (1 - std::cos(std::numbers::pi * k / (n - 1))) / 2;
            const double t = 0.6 * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                                    0.1036 * x * x * x * x);
            s.XUpper[k + 1] = s.XLower[k + 1] = float(x);
            s.YUpper[k + 1] = float(t);
            s.YLower[k + 1] = float(-t);
        }
        s.NUpper = s.NLower = n;
        s.Texts.AngleText = angleText(alpha);
        EXPECT_TRUE(RecomputeForRedraw(s).ok());
        return s;
    };
    SharedState up = fileSection(4), down = fileSection(-4);
    const Result<DragResult> a = integralLayer(up), b = integralLayer(down);
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_LT(a->Stations.StagX, 0.01);
    expectRelative(a->Cd1, b->Cd2, 0.005, "Cd1");
    expectRelative(a->Cd2, b->Cd1, 0.005, "Cd2");
    ASSERT_TRUE(BoundaryLayer(up).ok());
    ASSERT_TRUE(BoundaryLayer(down).ok());
    EXPECT_NEAR(up.ClBl, -down.ClBl, 1e-4);
}

// With a deflected flap the stagnation point stays at the nose and both
// surfaces still run to their own trailing-edge point.
TEST(SurfaceStationsOnSections, FlappedSection) {
    for (double deflection : {-20.0, 10.0, 30.0}) {
        SCOPED_TRACE(deflection);
        SharedState s;
        s.Texts.SectionName = "2412";
        s.Texts.AngleText = "2";
        s.FlapAngleRad = float(deflection * std::numbers::pi / 180);
        s.HingeFraction = 0.75f;
        ASSERT_TRUE(RecomputeForRedraw(s).ok());
        const Result<DragResult> r = integralLayer(s);
        ASSERT_TRUE(r.ok());
        EXPECT_LT(r->Stations.StagX, 0.05);
        EXPECT_EQ(r->Stations.first.count + r->Stations.second.count, s.PointCount + 4);
        EXPECT_EQ(r->Stations.first.x[size_t(r->Stations.first.count)], s.SectionX[1]);
        ASSERT_TRUE(BoundaryLayer(s).ok());
    }
}

// Ordinary sections at ordinary angles stay attached to the trailing edge.
TEST(SeparationWarning, NotAtOrdinaryAngles) {
    for (double re : {1e6, 3e6}) {
        for (double alpha : {0.0, 2.0, 4.0, 6.0, 8.0}) {
            SharedState s = solved("0012", alpha, re);
            const CommandResult r = BoundaryLayer(s);
            EXPECT_TRUE(r.ok() && r.warning.empty()) << "0012 " << alpha << " " << re << ": " << r.warning;
        }
        for (double alpha : {-2.0, 0.0, 2.0, 4.0, 6.0, 8.0}) {
            SharedState s = solved("2412", alpha, re);
            const CommandResult r = BoundaryLayer(s);
            EXPECT_TRUE(r.ok() && r.warning.empty()) << "2412 " << alpha << " " << re << ": " << r.warning;
        }
    }
}

// A layer held laminar ("Always Laminar") cannot follow the pressure rise
// behind the thickest point of the section: Thwaites' criterion puts laminar
// separation of NACA 0012 at 0 degrees near 0.6 to 0.8 chord, well ahead of
// the trailing edge. Both surfaces warn, at the same place.
TEST(SeparationWarning, LaminarLayerSeparatesEarly) {
    SharedState s = solved("0012", 0, 1e6);
    s.BlOptions = 1;
    const CommandResult r = BoundaryLayer(s);
    ASSERT_TRUE(r.ok());
    ASSERT_NE(s.Bl.Lower.SeparationPoint, 0);
    ASSERT_NE(s.Bl.Upper.SeparationPoint, 0);
    EXPECT_GT(s.Bl.Lower.SeparationX, 0.4);
    EXPECT_LT(s.Bl.Lower.SeparationX, 0.85);
    EXPECT_NEAR(s.Bl.Lower.SeparationX, s.Bl.Upper.SeparationX, 1e-9);
    EXPECT_NE(r.warning.find("Lower Surface Seperation at x= "), std::string::npos);
    EXPECT_NE(r.warning.find("Upper Surface Seperation at x= "), std::string::npos);
}

// No drag more than 30 % off the mean of its neighbours over -4..10 degrees.
double worstSpike(const std::vector<double>& cd) {
    double worst = 0;
    for (size_t i = 1; i + 1 < cd.size(); ++i) {
        const double mean = 0.5 * (cd[i - 1] + cd[i + 1]);
        worst = std::max(worst, std::abs(cd[i] - mean) / mean);
    }
    return worst;
}

TEST(Smoothness, IntegralLayerDragOverTheAngle) {
    for (const char* section : {"0012", "2412", "4412", "23012"})
        for (double re : {1e6, 3e6}) {
            std::vector<double> cd;
            for (double alpha = -4; alpha <= 10.001; alpha += 0.5) {
                SharedState s = solved(section, alpha, re);
                const Result<DragResult> r = integralLayer(s);
                ASSERT_TRUE(r.ok());
                cd.push_back(r->Cd);
            }
            EXPECT_LT(worstSpike(cd), 0.3) << section << " Re " << re;
        }
}

TEST(Smoothness, DetailedLayerDragOverTheAngle) {
    for (const char* section : {"2412", "4412"})
        for (double re : {1e6, 3e6}) {
            std::vector<double> cd;
            for (double alpha = -4; alpha <= 10.001; alpha += 1) {
                SharedState s = solved(section, alpha, re);
                ASSERT_TRUE(BoundaryLayer(s).ok());
                cd.push_back(s.CdCFD);
            }
            EXPECT_LT(worstSpike(cd), 0.3) << section << " Re " << re;
        }
}

} // namespace
} // namespace ribcraft
