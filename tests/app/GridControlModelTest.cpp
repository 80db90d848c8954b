// SPDX-License-Identifier: MIT
// Rules of the Grid Control dialog model.

#include <gtest/gtest.h>

#include <cmath>

#include "app/dialogs/DialogProtocol.h"
#include "app/dialogs/GridControlModel.h"

namespace ribcraft {
namespace {

TEST(GridControlModel, ListsAndStartValues) {
    const auto around = GridControlModel::pointsAroundList();
    ASSERT_EQ(around.size(), 18u);
    EXPECT_EQ(around.front(), "21");
    EXPECT_EQ(around.back(), "191");
    const auto radial = GridControlModel::pointsRadialList();
    ASSERT_EQ(radial.size(), 8u);
    EXPECT_EQ(radial.back(), "91");
    const auto radius = GridControlModel::radiusList();
    ASSERT_EQ(radius.size(), 9u);
    EXPECT_EQ(radius.front(), "4");
    EXPECT_EQ(radius[1], "6");
    EXPECT_EQ(radius.back(), "20");

    SharedState s;
    GridControlModel m(s);
    EXPECT_EQ(m.pointsAroundText(), "41");
    EXPECT_EQ(m.pointsRadialText(), "21");
    EXPECT_EQ(m.radiusText(), "10");
    EXPECT_EQ(m.slider(), 49); // 1000 ln 1.05 = 48.79
}

TEST(GridControlModel, SliderFollowsTheLogarithmOfTheClustering) {
    EXPECT_EQ(GridControlModel::sliderFor(1.0), 0);
    EXPECT_EQ(GridControlModel::sliderFor(std::exp(0.0725)), 73); // 72.5 + 0.5 rounds up
    EXPECT_EQ(GridControlModel::sliderFor(1.105), 100);
    // Out of the slider's range, or no logarithm at all: held to its ends.
    EXPECT_EQ(GridControlModel::sliderFor(1.5), 100);
    EXPECT_EQ(GridControlModel::sliderFor(0.9), 0);
    EXPECT_EQ(GridControlModel::sliderFor(0.0), 0);
    EXPECT_EQ(GridControlModel::sliderFor(-1.0), 0);
    EXPECT_EQ(GridControlModel::sliderFor(INFINITY), 100);
}

TEST(GridControlModel, OkStoresTheBoxesAndAsksForANewMesh) {
    SharedState s;
    s.NewGrid = 0;
    GridControlModel m(s);
    m.setPointsAroundText("131");
    m.setPointsRadialText("71");
    m.setRadiusText("14");
    m.setSlider(80);
    m.ok();
    EXPECT_EQ(s.MeshX, 131);
    EXPECT_EQ(s.MeshY, 71);
    EXPECT_EQ(s.OuterRadius, 14);
    EXPECT_DOUBLE_EQ(s.GridCluster, std::exp(0.08));
    EXPECT_EQ(s.NewGrid, 1);
    EXPECT_EQ(s.DialogCancelled, 0);

    // Opening again shows what was stored; OK untouched keeps it.
    GridControlModel again(s);
    EXPECT_EQ(again.slider(), 80);
    again.ok();
    EXPECT_EQ(s.MeshX, 131);
    EXPECT_DOUBLE_EQ(s.GridCluster, std::exp(0.08));
}

TEST(GridControlModel, TypedValuesArePulledIntoWhatTheMeshCanHold) {
    SharedState s;
    GridControlModel m(s);
    m.setPointsAroundText("250"); // more than the store holds
    m.setPointsRadialText("1000");
    m.setRadiusText("0.5"); // the circle would cut the section
    m.ok();
    EXPECT_EQ(s.MeshX, 200);
    EXPECT_EQ(s.MeshY, 100);
    EXPECT_EQ(s.OuterRadius, 2);
    m.setPointsAroundText("abc"); // not a number reads as 0
    m.setPointsRadialText("-3");
    m.setRadiusText("");
    m.ok();
    EXPECT_EQ(s.MeshX, 5);
    EXPECT_EQ(s.MeshY, 2);
    EXPECT_EQ(s.OuterRadius, 2);
    m.setPointsAroundText("44.5"); // stored as the platform stores an integer: half to even
    m.setPointsRadialText("33.7");
    m.setRadiusText("7.5");
    m.ok();
    EXPECT_EQ(s.MeshX, 44);
    EXPECT_EQ(s.MeshY, 34);
    EXPECT_EQ(s.OuterRadius, 7.5);
    m.setSlider(250);
    EXPECT_EQ(m.slider(), 100);
}

TEST(GridControlModel, CancelChangesNothingButTheProtocolFlag) {
    SharedState s;
    s.NewGrid = 0;
    s.NewFlag = 0;
    const bool goOn = RunDialog(s, [&] {
        GridControlModel m(s);
        m.setPointsAroundText("191");
        m.setSlider(3);
        m.cancel();
    });
    EXPECT_FALSE(goOn);
    EXPECT_EQ(s.MeshX, 41);
    EXPECT_EQ(s.GridCluster, 1.05);
    EXPECT_EQ(s.NewGrid, 0);

    // Accepted: the "Mesh Controls" command asks for a new mesh and leaves
    // the section alone, a coordinate file's section included.
    s.RawAirfoilFlag = 1;
    ASSERT_TRUE(RunDialog(s, [&] { GridControlModel(s).ok(); }));
    AfterGridControlAccepted(s);
    EXPECT_EQ(s.RawAirfoilFlag, 1);
    EXPECT_EQ(s.NewGrid, 1);
}

} // namespace
} // namespace ribcraft
