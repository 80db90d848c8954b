// SPDX-License-Identifier: MIT
// The boundary-layer driver on real panel solutions and with stand-in solvers.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Drag.h"
#include "app/BoundaryLayer.h"
#include "app/FileCommands.h"
#include "app/Recompute.h"

namespace ribcraft {
namespace {

// A solved NACA 0012 (the start-up section) at the given angle.
SharedState solvedSection(const char* angle, int blOptions = 3) {
    SharedState s;
    s.Texts.AngleText = angle;
    s.BlOptions = blOptions;
    EXPECT_TRUE(RecomputeForRedraw(s).ok());
    return s;
}

// A stand-in solver: delta* = a s, theta = delta* / 2, delta = 3 delta*, the
// fourth column 1.5 theta, wall shear 0.01; the stations solved per call are
// taken from `solved` in turn (0 = all). Profiles u = Ue min(1, y / delta).
struct FakeSolver {
    std::vector<int> solved;
    int calls = 0;
    double nanAt = 0; // 1 = a NaN in delta at station 2
    void operator()(double& arc, double& ue, double&, double& py, double& pu, double& shear, double& thick,
                    int32_t& stations, int32_t& count, double&, int32_t&, double&) {
        const int ld = cap::BlStations, points = count + 1;
        const int want = calls < int(solved.size()) ? solved[size_t(calls)] : 0;
        ++calls;
        const double* s = &arc;
        const double* u = &ue;
        for (int i = 1; i <= stations; ++i) {
            const double dstar = 0.002 * s[i - 1] + 1e-4;
            (&thick)[cap::At2(i, 1, ld)] = (nanAt == 1 && i == 2) ? std::nan("") : 3 * dstar;
            (&thick)[cap::At2(i, 2, ld)] = dstar;
            (&thick)[cap::At2(i, 3, ld)] = dstar / 2;
            (&thick)[cap::At2(i, 4, ld)] = 0.75 * dstar;
            (&shear)[i - 1] = 0.01;
            for (int j = 1; j <= points; ++j) {
                const double y = 6 * dstar * (j - 1) / (points - 1);
                (&py)[cap::At2(i, j, ld)] = y;
                (&pu)[cap::At2(i, j, ld)] = u[i - 1] * std::min(1.0, y / (3 * dstar));
            }
        }
        count = want == 0 ? stations : want;
    }
};

BlSolver solverOf(FakeSolver& f) {
    return [&f](double& a, double& b, double& c, double& d, double& e, double& g, double& h, int32_t& i, int32_t& j,
                double& k, int32_t& l, double& m) { f(a, b, c, d, e, g, h, i, j, k, l, m); };
}

TEST(BoundaryLayerDriver, SymmetricSectionAtZeroIsAttachedSymmetricAndSane) {
    SharedState s = solvedSection("0");
    const CommandResult r = BoundaryLayer(s);
    ASSERT_TRUE(r.ok()) << r.message();
    EXPECT_EQ(r.warning, "");
    ASSERT_TRUE(s.Bl.Solved);
    const double lower = s.Bl.Lower.Cd, upper = s.Bl.Upper.Cd;
    // Mirrored stations give the same layer on both halves.
    EXPECT_NEAR(lower / upper, 1.0, 1e-6) << lower << " " << upper;
    EXPECT_DOUBLE_EQ(s.CdCFD, lower + upper);
    // Same order as the integral method's drag (0.0068 on this section).
    EXPECT_GT(s.CdCFD, s.Cd / 5);
    EXPECT_LT(s.CdCFD, s.Cd * 5);
    // The displaced contour of a symmetric layer carries (almost) no lift.
    EXPECT_LT(std::abs(s.ClBl), 0.01);
    EXPECT_EQ(s.Bl.ResultLine, BlResultLine(s.ClBl, s.CdCFD));
    EXPECT_TRUE(s.Bl.ResultLine.starts_with("CFD Boundary Layer Solution: Cl = 0.0"));
}

TEST(BoundaryLayerDriver, DisplacedContoursLieOutsideTheSectionAndEdgeOutsideDisplacement) {
    SharedState s = solvedSection("0");
    ASSERT_TRUE(BoundaryLayer(s).ok());
    const int n = s.PointCount;
    for (int p = 2; p <= n; ++p) {
        if (p == n / 2 + 1 || p == s.StagPoint) continue; // the nose and the stagnation point (no layer yet)
        const double out = p <= n / 2 ? -1.0 : 1.0;
        EXPECT_GT(out * (s.DisplacedY[p] - s.SectionY[p]), 0) << p;
        // Symmetric section at 0 deg: mirror points move by the same amount.
        EXPECT_NEAR(s.DisplacedY[p] - s.SectionY[p], -(s.DisplacedY[n + 2 - p] - s.SectionY[n + 2 - p]), 1e-6) << p;
    }
    // Where the layer is solved, its edge lies beyond the displacement thickness.
    for (int p = 10; p <= 40; ++p)
        EXPECT_LT(s.EdgeY[p], s.DisplacedY[p]) << p;
}

TEST(BoundaryLayerDriver, SeparationIsWarnedWithTheSurfaceAndItsChordPosition) {
    SharedState s = solvedSection("14", 1); // always laminar: the upper layer separates behind the suction peak
    const CommandResult r = BoundaryLayer(s);
    ASSERT_TRUE(r.ok()) << r.message();
    const BlSurfaceSolution& up = s.Bl.Upper;
    EXPECT_LT(up.SolvedCount, up.StationCount / 2);
    ASSERT_GT(up.SeparationPoint, s.PointCount / 2);
    EXPECT_EQ(up.SeparationX, up.StationX[up.SolvedCount]);
    EXPECT_NE(r.warning.find(SeparationCaption(true, up.SeparationX)), std::string::npos) << r.warning;
    EXPECT_TRUE(SeparationCaption(true, 0.127).starts_with("Upper Surface Seperation at x= 0.13"));
    EXPECT_EQ(SeparationCaption(false, 0.5), "Lower Surface Seperation at x= 0.50");
}

TEST(BoundaryLayerDriver, NinetyPercentOfTheStationsDoesNotWarnOneLessDoes) {
    SharedState base = solvedSection("0");
    // NACA 0012 at 0 deg, 120 points: each surface has the stagnation point,
    // its 60 panel midpoints and its trailing edge, 62 stations.
    {
        SharedState s = base;
        FakeSolver f{{56, 56}};
        const CommandResult r = BoundaryLayer(s, solverOf(f));
        ASSERT_TRUE(r.ok());
        ASSERT_EQ(s.Bl.Lower.StationCount, 62);
        ASSERT_EQ(s.Bl.Upper.StationCount, 62);
        EXPECT_EQ(r.warning, ""); // 56 / 62 > 0.9
    }
    {
        SharedState s = base;
        FakeSolver f{{55, 56}};
        const CommandResult r = BoundaryLayer(s, solverOf(f));
        ASSERT_TRUE(r.ok());
        // 55 / 62 < 0.9 warns for the lower surface at its 55th station, on the panel ending at point 7.
        EXPECT_EQ(r.warning, SeparationCaption(false, s.Bl.Lower.StationX[55]));
        EXPECT_EQ(s.Bl.Lower.SeparationPoint, 7);
        EXPECT_EQ(s.Bl.Upper.SeparationPoint, 0);
    }
    {
        SharedState s = base;
        FakeSolver f{{0, 55}};
        const CommandResult r = BoundaryLayer(s, solverOf(f));
        EXPECT_EQ(r.warning, SeparationCaption(true, s.Bl.Upper.StationX[55]));
        EXPECT_EQ(s.Bl.Upper.SeparationPoint, 121 + 1 - 7); // the mirror point
    }
    EXPECT_FALSE(SeparationWarns(9, 10));
    EXPECT_TRUE(SeparationWarns(8, 10));
}

TEST(BoundaryLayerDriver, SolvesOnlyWhenAskedAndThenClosesTheProtocol) {
    SharedState s = solvedSection("2");
    s.DialogCancelled = 0;
    FakeSolver f;
    ASSERT_TRUE(BoundaryLayer(s, solverOf(f)).ok());
    EXPECT_EQ(f.calls, 2); // one call per surface
    EXPECT_EQ(s.CompBlFlag, 0);
    EXPECT_EQ(s.DialogCancelled, 1);
    const double cd = s.CdCFD;
    // A later redraw reuses the solution.
    ASSERT_TRUE(BoundaryLayer(s, solverOf(f)).ok());
    EXPECT_EQ(f.calls, 2);
    EXPECT_EQ(s.CdCFD, cd);
    // The options dialog's OK asks for a new one.
    s.CompBlFlag = 1;
    ASSERT_TRUE(BoundaryLayer(s, solverOf(f)).ok());
    EXPECT_EQ(f.calls, 4);
    EXPECT_EQ(s.CompBlFlag, 0);
}

TEST(BoundaryLayerDriver, FaultsKeepThePreviousSolutionAndSayRedo) {
    SharedState s = solvedSection("2");
    FakeSolver good;
    ASSERT_TRUE(BoundaryLayer(s, solverOf(good)).ok());
    const SharedState before = s;
    const auto expectKept = [&](const CommandResult& r, const char* what) {
        EXPECT_FALSE(r.ok()) << what;
        EXPECT_EQ(r.message(), BlErrorMessage) << what;
        EXPECT_EQ(r.kind(), ErrorKind::BoundaryLayerFailed) << what; // the window shows these in a message box
        EXPECT_EQ(s.CdCFD, before.CdCFD) << what;
        EXPECT_EQ(s.DisplacedY, before.DisplacedY) << what;
        EXPECT_EQ(s.EdgeY, before.EdgeY) << what;
        EXPECT_EQ(s.Bl.Lower.SolvedCount, before.Bl.Lower.SolvedCount) << what;
        EXPECT_EQ(s.CompBlFlag, 1) << what;
    };
    s.CompBlFlag = 1;
    FakeSolver none{{0, -1}};
    expectKept(BoundaryLayer(s, solverOf(none)), "no station solved");
    FakeSolver tooMany{{500}};
    expectKept(BoundaryLayer(s, solverOf(tooMany)), "more stations than the surface has");
    FakeSolver one{{1}};
    expectKept(BoundaryLayer(s, solverOf(one)), "only the stagnation point");
    FakeSolver nan;
    nan.nanAt = 1;
    expectKept(BoundaryLayer(s, solverOf(nan)), "a value that is not a number");
    s.BlPoints = cap::BlProfilePoints; // one point more than the profile arrays hold
    expectKept(BoundaryLayer(s, solverOf(good)), "BlPoints past the capacity");
    s.BlPoints = 32;
    for (int i = 1; i <= s.PointCount; ++i)
        s.SurfaceV[i] = 20000; // no speed at or below 10000: no stagnation point
    expectKept(BoundaryLayer(s, solverOf(good)), "no stagnation point");
    SharedState fresh;
    fresh.HaveSolution = false;
    EXPECT_FALSE(BoundaryLayer(fresh, solverOf(good)).ok());
}

TEST(BoundaryLayerDriver, UpdateRequestSolvesThePanelSolutionAndTheLayerOnce) {
    SharedState s = solvedSection("3");
    s.DialogCancelled = 1;
    s.NewFlag = 0;
    ASSERT_FALSE(s.Bl.Solved);
    s.BlUpdateRequest = 1;
    const CommandResult r = RecomputeForRedraw(s);
    ASSERT_TRUE(r.ok()) << r.message();
    EXPECT_EQ(s.BlUpdateRequest, 0);
    EXPECT_TRUE(s.Bl.Solved);
    EXPECT_EQ(s.CompBlFlag, 0);
    // The airfoil view's boundary-layer edge is there.
    EXPECT_LT(s.EdgeY[20], s.SectionY[20]);
    EXPECT_GT(s.EdgeY[100], s.SectionY[100]);
}

TEST(BoundaryLayerDriver, ExportWritesTheStoredSolution) {
    SharedState s = solvedSection("0");
    s.VFlag = 7;
    s.BlDisplayOpt = 3;
    EXPECT_EQ(AsciiFileText(s).find("\r\n "), std::string::npos); // nothing solved yet: title lines only
    ASSERT_TRUE(BoundaryLayer(s).ok());
    const std::string text = AsciiFileText(s);
    EXPECT_TRUE(text.starts_with("Boundary Layer Thickness on the Upper Surface\r\nAirfoil: 0012 Reynolds Number: "));
    size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    EXPECT_EQ(lines, size_t(2 + s.Bl.Upper.SolvedCount));
    s.BlDisplayOpt = 2;
    EXPECT_NE(AsciiFileText(s).find("X-Station:  "), std::string::npos);
}

} // namespace
} // namespace ribcraft
