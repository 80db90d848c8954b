// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "app/MainCommands.h"

namespace ribcraft {
namespace {

TEST(StartupState, DefaultsAfterLoading) {
    SharedState s;
    EXPECT_EQ(s.Texts.SectionName, "0012");
    EXPECT_EQ(s.Texts.FlapDeflectionText, "0.0 Deg.");
    EXPECT_EQ(s.Texts.FlapLengthText, "0.0 %c");
    EXPECT_EQ(s.Texts.ShowPointsCaption, "Show Points");
    EXPECT_EQ(s.PointRadius, 0);
    EXPECT_DOUBLE_EQ(s.Qinf, 2160);
    EXPECT_EQ(s.BackgroundColor, 0); // white drawing area, black foreground
    EXPECT_TRUE(s.whiteBackground());
    EXPECT_EQ(s.UpperColor, 0); // white became black on the white background
    EXPECT_EQ(s.LowerColor, 14);
    EXPECT_EQ(s.DialogCancelled, 0);
    EXPECT_EQ(s.VFlag, 1);
    EXPECT_EQ(s.XChoice, 2);
    EXPECT_EQ(s.SurfacePoints, 60);
    EXPECT_EQ(s.PointCount, 120);
    EXPECT_EQ(s.re, 1000000);
    EXPECT_EQ(s.PolarSolution, 1);
    EXPECT_EQ(s.BlOptions, 3);
    EXPECT_EQ(s.MeshX, 41);
    EXPECT_EQ(s.MeshY, 21);
    EXPECT_DOUBLE_EQ(s.GridCluster, 1.05);
    EXPECT_EQ(s.ContMaxXDef, s.ContMaxX);
    EXPECT_EQ(s.ContMinXDef, s.ContMinX);
    EXPECT_EQ(s.ContMinyDef, s.ContMinY);
    EXPECT_EQ(s.ContMaxYDef, s.ContMaxY);
    EXPECT_EQ(s.ContMaxX, 1.5);
    EXPECT_EQ(s.ContMinY, -1);
    EXPECT_EQ(s.Naca4Thickness, 12);
    EXPECT_EQ(s.Naca5Lift, 2);
    EXPECT_EQ(s.Naca5Position, 10);
    EXPECT_EQ(s.Naca5Thickness, 8);
}

TEST(Zoom, InStopsAtMinimumWidthOnMesh) {
    SharedState s;
    s.VFlag = 6;
    ZoomIn(s);
    EXPECT_DOUBLE_EQ(s.MeshMin, 0.0);
    EXPECT_DOUBLE_EQ(s.MeshMax, 1.0);
    ZoomIn(s);
    EXPECT_DOUBLE_EQ(s.MeshMin, 0.5);
    EXPECT_DOUBLE_EQ(s.MeshMax, 0.55);
    EXPECT_EQ(s.MeshMinY, -1); // y limits untouched
    EXPECT_EQ(s.MeshMaxY, 1);
}

TEST(Zoom, OutAndResetOnFlowViewsOnly) {
    SharedState s;
    s.VFlag = 4;
    ZoomOut(s);
    EXPECT_DOUBLE_EQ(s.ContMinX, -1.0);
    EXPECT_DOUBLE_EQ(s.ContMaxX, 2.0);
    EXPECT_DOUBLE_EQ(s.MeshMax, 1.5); // the mesh window is another view's
    s.ContMinY = -3;
    ZoomReset(s);
    EXPECT_DOUBLE_EQ(s.ContMinX, -0.5);
    EXPECT_DOUBLE_EQ(s.ContMaxX, 1.5);
    EXPECT_DOUBLE_EQ(s.ContMinY, -1);

    s.VFlag = 2; // no free window: nothing moves
    ZoomIn(s);
    EXPECT_DOUBLE_EQ(s.ContMinX, -0.5);
    EXPECT_DOUBLE_EQ(s.MeshMin, -0.5);
}

TEST(Zoom, RubberBandThresholdAndOrdering) {
    SharedState s;
    s.VFlag = 5;
    EXPECT_FALSE(ApplyRubberBand(s, 0.2, 0.1, 0.2099, -0.1)); // narrower than 0.01
    EXPECT_DOUBLE_EQ(s.ContMinX, -0.5);
    EXPECT_TRUE(ApplyRubberBand(s, 0.21, 0.3, 0.2, -0.2)); // exactly 0.01, corners reversed
    EXPECT_DOUBLE_EQ(s.ContMinX, 0.2);
    EXPECT_DOUBLE_EQ(s.ContMaxX, 0.21);
    EXPECT_DOUBLE_EQ(s.ContMinY, -0.2);
    EXPECT_DOUBLE_EQ(s.ContMaxY, 0.3);

    s.VFlag = 6;
    EXPECT_TRUE(ApplyRubberBand(s, 0, 0, 1, 0.5));
    EXPECT_DOUBLE_EQ(s.MeshMax, 1);
    EXPECT_DOUBLE_EQ(s.MeshMaxY, 0.5);

    s.VFlag = 1;
    EXPECT_FALSE(ApplyRubberBand(s, 0, 0, 1, 1));
}

TEST(ShowPoints, ToggleTwiceReturnsToHidden) {
    SharedState s;
    ToggleShowPoints(s);
    EXPECT_DOUBLE_EQ(s.PointRadius, 0.007);
    EXPECT_EQ(s.Texts.ShowPointsCaption, "Hide Points");
    ToggleShowPoints(s);
    EXPECT_EQ(s.PointRadius, 0);
    EXPECT_EQ(s.Texts.ShowPointsCaption, "Show Points");
}

TEST(Colours, LeftClickCyclesPerBackground) {
    SharedState s; // white background
    s.UpperColor = 8;
    CycleLegendColor(s, 0);
    EXPECT_EQ(s.UpperColor, 0); // 7 is skipped to black
    CycleLegendColor(s, 0);
    EXPECT_EQ(s.UpperColor, 14); // below black wraps to yellow
    CycleLegendColor(s, 0);
    EXPECT_EQ(s.UpperColor, 13);

    SelectBackground(s, false);
    s.LowerColor = 8;
    CycleLegendColor(s, 1);
    EXPECT_EQ(s.LowerColor, 15);
    CycleLegendColor(s, 1);
    EXPECT_EQ(s.LowerColor, 14);
}

TEST(Colours, ColourMenuAndBackgrounds) {
    SharedState s;
    s.ColorTarget = 1;
    ApplyColorCommand(s, ColorCommand::WhiteBlack);
    EXPECT_EQ(s.LowerColor, 0); // black on the white background
    ApplyColorCommand(s, ColorCommand::Gray);
    EXPECT_EQ(s.LowerColor, 8);
    s.ColorTarget = 0;
    ApplyColorCommand(s, ColorCommand::Magenta);
    EXPECT_EQ(s.UpperColor, 5);

    s.UpperColor = 0;
    SelectBackground(s, false);
    EXPECT_EQ(s.BackgroundColor, 15);
    EXPECT_EQ(s.UpperColor, 15); // black curve turns white on black
    EXPECT_FALSE(s.whiteBackground());
    ApplyColorCommand(s, ColorCommand::WhiteBlack);
    EXPECT_EQ(s.UpperColor, 15);
    SelectBackground(s, true);
    EXPECT_EQ(s.UpperColor, 0);
    EXPECT_EQ(s.BackgroundColor, 0);
    EXPECT_STREQ(ColorCommandCaption(ColorCommand::WhiteBlack), "White/Black");
}

TEST(ReadoutAndTips, Texts) {
    EXPECT_EQ(MouseReadout(0.25, -0.1234), "0.25  x   -0.123");
    const TipPlacement t = ShowTip(1, 1500);
    EXPECT_EQ(t.Text, "Select NACA 4 Digit Section");
    EXPECT_EQ(t.Top, 660);
    EXPECT_EQ(t.Left, 1500);
    EXPECT_EQ(t.Width, (27 + 1) * 70);
    EXPECT_EQ(TipText(3), "Print Templates");
    EXPECT_EQ(TipText(4), "Help ");
    EXPECT_EQ(TipText(0), "");
}

} // namespace
} // namespace ribcraft
