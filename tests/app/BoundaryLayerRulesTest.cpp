// SPDX-License-Identifier: MIT
// Thickness repair, surface drag and the options dialog's rules.

#include <gtest/gtest.h>

#include <cmath>

#include "app/BoundaryLayer.h"
#include "app/dialogs/BoundaryLayerOptionsModel.h"

namespace ribcraft {
namespace {

// Ten stations 0.1 apart with falling edge velocity; delta* = 0.001 i up to
// `solved`, the other columns derived from it, nothing past `solved`.
BlSurfaceSolution surface(int solved, int stations = 10) {
    BlSurfaceSolution w;
    w.StationCount = stations;
    w.SolvedCount = solved;
    w.TrailingStation = stations + 1;
    w.ArcLength.assign(stations + 1, 0.0);
    w.EdgeVelocity.assign(stations + 1, 0.0);
    w.StationX.assign(stations + 1, 0.0);
    for (auto& c : w.Thickness)
        c.assign(stations + 1, 0.0);
    for (int i = 1; i <= stations; ++i) {
        w.ArcLength[i] = 0.1 * (i - 1);
        w.StationX[i] = 0.1 * (i - 1);
        w.EdgeVelocity[i] = 1.2 - 0.02 * i;
        if (i > solved) continue;
        w.Thickness[0][i] = 0.003 * i;
        w.Thickness[1][i] = 0.001 * i;
        w.Thickness[2][i] = 0.0005 * i;
        w.Thickness[3][i] = 0.0008 * i;
    }
    return w;
}

TEST(ThicknessRepair, ExtendsDisplacementMomentumAndFourthColumnFromTheLastSoundStation) {
    BlSurfaceSolution w = surface(8);
    w.Thickness[1][7] = 0.0055; // delta* falls from station 6 to 7 in decelerating flow,
    w.Thickness[2][7] = 0.0028; // and theta with it: the layer breaks down
    RepairThickness(w);
    // First bad station b = 6, so k' = 5: the line through stations 4 and 5,
    // slope 0.001 / (0.1 + 1e-6) for delta*, half that for theta.
    const double slope = 0.001 / (0.1 + 1e-6);
    for (int i = 5; i <= 10; ++i) {
        EXPECT_NEAR(w.thickness(i, 2), 0.005 + slope * 0.1 * (i - 5), 1e-12) << i;
        EXPECT_NEAR(w.thickness(i, 3), 0.0025 + slope / 2 * 0.1 * (i - 5), 1e-12) << i;
        EXPECT_NEAR(w.thickness(i, 4), 0.004 + 0.8 * slope * 0.1 * (i - 5), 1e-12) << i;
    }
    // Stations before k' and the layer thickness itself stay as solved.
    EXPECT_EQ(w.thickness(4, 2), 0.004);
    EXPECT_EQ(w.thickness(7, 1), 0.021);
    EXPECT_EQ(w.thickness(9, 1), 0.0);
}

TEST(ThicknessRepair, TransitionThinningDeltaStarWhileThetaGrowsIsNoSeparation) {
    // At transition the shape factor falls, so delta* thins while theta keeps growing.
    BlSurfaceSolution w = surface(8);
    w.Thickness[1][7] = 0.0055;
    const BlSurfaceSolution before = w;
    RepairThickness(w);
    // Nothing before the last solved station changes; the line starts there.
    for (int i = 1; i <= 8; ++i)
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(w.thickness(i, c), before.thickness(i, c)) << i << ' ' << c;
    EXPECT_GT(w.thickness(10, 3), w.thickness(8, 3));
}

TEST(ThicknessRepair, ALayerSolvedToTheEndIsLeftAlone) {
    BlSurfaceSolution w = surface(10);
    const BlSurfaceSolution before = w;
    RepairThickness(w);
    for (int c = 1; c <= 4; ++c)
        for (int i = 1; i <= 10; ++i)
            EXPECT_NEAR(w.thickness(i, c), before.thickness(i, c), 1e-15) << c << " " << i;
}

TEST(ThicknessRepair, SeparatedLayerIsContinuedPastTheLastSolvedStation) {
    BlSurfaceSolution w = surface(6);
    RepairThickness(w); // k' = 6: line through 5 and 6
    EXPECT_NEAR(w.thickness(10, 2), 0.006 + 0.001 / (0.1 + 1e-6) * 0.4, 1e-12);
}

TEST(ThicknessRepair, GrowthFasterThanOnePerChordCountsAsSeparation) {
    BlSurfaceSolution w = surface(8);
    w.Thickness[1][5] = 0.2; // jumps by 0.196 over 0.1 of arc
    RepairThickness(w);      // b = 4, k' = 3: line through 2 and 3
    EXPECT_NEAR(w.thickness(5, 2), 0.003 + 0.001 / (0.1 + 1e-6) * 0.2, 1e-12);
}

TEST(ThicknessRepair, ThinningInAcceleratingFlowIsNoSeparation) {
    BlSurfaceSolution w = surface(10);
    for (int i = 1; i <= 10; ++i)
        w.EdgeVelocity[i] = 0.5 + 0.1 * i; // accelerating everywhere
    w.Thickness[1][3] = 0.0015;            // delta* dips after station 2
    const double dip = w.thickness(3, 2);
    RepairThickness(w);
    EXPECT_EQ(w.thickness(3, 2), dip);
    EXPECT_NEAR(w.thickness(10, 2), 0.01, 1e-15);
}

TEST(SurfaceDrag, SquireYoungAtTheLastAttachedStationOrAtSeparation) {
    BlSurfaceSolution w = surface(10);
    for (int i = 1; i <= 10; ++i)
        w.EdgeVelocity[i] = 1;
    // Attached to the 0.95-chord station j = 9 (x = 0.8 here): 2 theta(8) / x(9).
    w.TrailingStation = 9;
    EXPECT_NEAR(SurfaceDragCoefficient(w), 2 * 0.004 / 0.8, 1e-15);
    // Separated at m = 5: 2 theta(4) / s(5), the same rule on either surface.
    w.SolvedCount = 5;
    EXPECT_NEAR(SurfaceDragCoefficient(w), 2 * 0.002 / 0.4, 1e-15);
    // The edge velocity enters with the power (5 + H) / 2, H = 2 at the last station.
    w.EdgeVelocity[4] = 2;
    EXPECT_NEAR(SurfaceDragCoefficient(w), 2 * 0.002 / 0.4 * std::pow(2.0, 3.5), 1e-13);
    // Nothing to work with: not a number, which the driver reports as a fault.
    w.SolvedCount = 1;
    EXPECT_TRUE(std::isnan(SurfaceDragCoefficient(w)));
}

TEST(BoundaryLayerOptions, ListsAndLoadedTexts) {
    const auto profiles = BoundaryLayerOptionsModel::profileCountList();
    ASSERT_EQ(profiles.size(), 20u);
    EXPECT_EQ(profiles.front(), "2");
    EXPECT_EQ(profiles.back(), "40");
    const auto points = BoundaryLayerOptionsModel::pointCountList();
    ASSERT_EQ(points.size(), 16u);
    EXPECT_EQ(points[1], "60");
    EXPECT_EQ(points.back(), "340");
    EXPECT_EQ(BoundaryLayerOptionsModel::blPointsList(),
              (std::vector<std::string>{"16", "24", "32", "40", "48", "56", "64"}));
    EXPECT_EQ(BoundaryLayerOptionsModel::gridHeightList().size(), 10u);
    EXPECT_EQ(BoundaryLayerOptionsModel::gridHeightList().back(), "100");
    EXPECT_EQ(BoundaryLayerOptionsModel::maxCdList().size(), 11u);
    EXPECT_EQ(BoundaryLayerOptionsModel::maxCdList().back(), "96");

    SharedState s;
    s.BlDisplayOpt = 5; // a friction view, which the dialog does not offer
    BoundaryLayerOptionsModel m(s);
    EXPECT_EQ(m.reText, "1000000");
    EXPECT_EQ(m.pointCountText, "120");
    EXPECT_EQ(m.blPointsText, "32");
    EXPECT_EQ(m.gridHeightText, "50");
    EXPECT_EQ(m.profileCountText, "10");
    EXPECT_EQ(m.maxCdText, "32");
    EXPECT_EQ(m.transitionModel, 3);
    EXPECT_EQ(m.polarSolution, 1);
    EXPECT_EQ(m.flowSeparationModel, 0);
    EXPECT_EQ(m.displayOption, 0);
    m.ok();
    EXPECT_EQ(s.BlDisplayOpt, 5); // kept when none of the four is chosen
}

TEST(BoundaryLayerOptions, OkStoresEverySettingAndAsksForANewSolution) {
    SharedState s;
    BoundaryLayerOptionsModel m(s);
    m.reText = "2.5e5";
    m.transitionModel = 1;
    m.roughnessText = "0.3";
    m.displayBlasius = false;
    m.profileCountText = "24";
    m.pointCountText = "340";
    m.blPointsText = "48";
    m.gridHeightText = "70";
    m.maxCdText = "64";
    m.flowSeparationModel = 1;
    m.displayOption = 4;
    m.polarSolution = 2;
    m.ok();
    EXPECT_EQ(s.re, 250000);
    EXPECT_EQ(s.BlOptions, 1);
    EXPECT_EQ(s.BlRough, 0.3);
    EXPECT_EQ(s.DisplayBlasius, 0);
    EXPECT_EQ(s.BlVelView, 24);
    EXPECT_EQ(s.SurfacePoints, 170);
    EXPECT_EQ(s.PointCount, 340);
    EXPECT_EQ(s.BlPoints, 48);
    EXPECT_EQ(s.BlLimit, 70);
    EXPECT_EQ(s.MaxCdSetting, 64);
    EXPECT_EQ(s.FlowSeperationModel, 1);
    EXPECT_EQ(s.BlDisplayOpt, 4);
    EXPECT_EQ(s.PolarSolution, 2);
    EXPECT_EQ(s.CompBlFlag, 1);
    EXPECT_EQ(s.DialogCancelled, 0);

    BoundaryLayerOptionsModel again(s);
    again.polarSolution = 1; // "Solution due to E. Truckenbrodt"
    again.ok();
    EXPECT_EQ(s.PolarSolution, 1);
}

TEST(BoundaryLayerOptions, TypedValuesThatWouldBreakASolutionArePulledIntoRange) {
    SharedState s;
    BoundaryLayerOptionsModel m(s);
    m.reText = "-5";
    m.pointCountText = "1000";
    m.blPointsText = "abc";
    m.profileCountText = "0";
    m.gridHeightText = "0";
    m.roughnessText = "-1";
    m.maxCdText = "";
    m.ok();
    EXPECT_EQ(s.re, BoundaryLayerOptionsModel::MinRe);
    EXPECT_EQ(s.PointCount, 340);
    EXPECT_EQ(s.BlPoints, BoundaryLayerOptionsModel::MinBlPoints);
    EXPECT_EQ(s.BlVelView, 1);
    EXPECT_GT(s.BlLimit, 0);
    EXPECT_EQ(s.BlRough, 0);
    EXPECT_GT(s.MaxCdSetting, 0);
    m.blPointsText = "5000";
    m.reText = "1e12";
    m.pointCountText = "61"; // 30.5 rounds to the even 30
    m.ok();
    EXPECT_EQ(s.BlPoints + 1, cap::BlProfilePoints);
    EXPECT_EQ(s.re, BoundaryLayerOptionsModel::MaxRe);
    EXPECT_EQ(s.PointCount, 60);
}

TEST(BoundaryLayerOptions, CancelChangesNothingButTheProtocolFlag) {
    SharedState s;
    BoundaryLayerOptionsModel m(s);
    m.reText = "5000";
    m.polarSolution = 2;
    m.cancel();
    EXPECT_EQ(s.DialogCancelled, 1);
    EXPECT_EQ(s.re, 1000000);
    EXPECT_EQ(s.PolarSolution, 1);
    EXPECT_EQ(s.CompBlFlag, 0);
    AfterBoundaryLayerOptionsAccepted(s);
    EXPECT_EQ(s.NewFlag, 1);
}

} // namespace
} // namespace ribcraft
