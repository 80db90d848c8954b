// The flow-field views on the recording surface, through the redraw: what is
// computed for which view, what the mesh, streamline and pressure views draw,
// and the undistorted window.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/FlowField.h"
#include "io/NumberFormat.h"
#include "plot/AnalysisViews.h"
#include "plot/FlowFieldViews.h"
#include "plot/RecordingSurface.h"
#include "plot/Redraw.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {
namespace {

using Item = RecordingSurface::Item;

struct FlowViews : ::testing::Test {
    SharedState st;
    RecordingSurface s{800, 600};
    void SetUp() override { paint(true); }
    void paint(bool white) {
        s.SetBackColor(QBColor(white ? 15 : 0));
        s.SetForeColor(QBColor(white ? 0 : 15));
    }
    CommandResult show(int vflag) {
        st.VFlag = vflag;
        s.clearItems();
        return RedrawView(st, s);
    }
    int linesIn(Rgb c) const {
        const auto l = s.lines();
        return static_cast<int>(std::count_if(l.begin(), l.end(), [&](const Item& i) { return i.pen.color == c; }));
    }
};

// Ring lines MY (MX - 1) and radial lines MX (MY - 1), all in the fore colour.
int MeshLines(int mx, int my) {
    return my * (mx - 1) + mx * (my - 1);
}

TEST_F(FlowViews, MeshViewDrawsTheUserMeshAndKeepsIt) {
    ASSERT_TRUE(show(6).ok);
    EXPECT_EQ(static_cast<int>(s.lines().size()), MeshLines(41, 21));
    EXPECT_EQ(linesIn(QBColor(0)), MeshLines(41, 21));
    EXPECT_EQ(st.NewGrid, 0);
    EXPECT_EQ(st.Texts.PlotTitle, PlotTitle(6, st.Texts.SectionName));
    // Ring 1 is the section: k = 1 at its trailing edge.
    EXPECT_FLOAT_EQ(st.MeshGridX[0], st.SectionX[1]);
    const std::vector<float> kept = st.MeshGridX;

    // A streamline view in between uses its own 61 x 31 mesh, and the mesh
    // view then shows the kept user mesh, not rebuilt.
    ASSERT_TRUE(show(4).ok);
    EXPECT_EQ(st.Flow.MX, FlowMeshX);
    EXPECT_EQ(st.Flow.MY, FlowMeshY);
    ASSERT_TRUE(show(6).ok);
    EXPECT_EQ(static_cast<int>(s.lines().size()), MeshLines(41, 21));
    EXPECT_EQ(st.MeshGridX, kept);

    // New mesh controls rebuild it.
    st.MeshX = 61, st.MeshY = 31, st.OuterRadius = 4, st.NewGrid = 1;
    ASSERT_TRUE(show(6).ok);
    EXPECT_EQ(static_cast<int>(s.lines().size()), MeshLines(61, 31));
    const float x = st.MeshGridX[cap::at2(1, 31, cap::MeshI)], y = st.MeshGridY[cap::at2(1, 31, cap::MeshI)];
    EXPECT_NEAR(std::hypot(x - 0.5, y), 4.0, 1e-3);
}

TEST_F(FlowViews, MeshControlsApplyOnlyToTheMeshView) {
    st.MeshX = 101, st.MeshY = 51, st.OuterRadius = 20, st.GridCluster = 1.1;
    ASSERT_TRUE(show(5).ok);
    EXPECT_EQ(st.Flow.MX, 61);
    EXPECT_EQ(st.Flow.MY, 31);
    EXPECT_NEAR(std::hypot(st.Flow.gridX(16, 31) - 0.5, st.Flow.gridY(16, 31)), 6.0, 1e-3);
    EXPECT_EQ(st.NewGrid, 1); // the user mesh is still to be built
}

TEST_F(FlowViews, MeshSizesBeyondTheStoreAreClamped) {
    st.MeshX = 500, st.MeshY = 300, st.OuterRadius = 12;
    ASSERT_TRUE(show(6).ok);
    EXPECT_EQ(st.Flow.KeptMX, cap::MeshI);
    EXPECT_EQ(st.Flow.KeptMY, cap::MeshJ);
    EXPECT_EQ(static_cast<int>(s.lines().size()), MeshLines(cap::MeshI, cap::MeshJ));
}

TEST_F(FlowViews, AMeshTheLibraryRefusesKeepsTheOldOne) {
    ASSERT_TRUE(show(6).ok);
    const std::vector<float> kept = st.MeshGridX;
    st.OuterRadius = 0.2; // the circle would cut the section
    st.NewGrid = 1;
    const CommandResult r = show(6);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.message.empty());
    EXPECT_EQ(st.MeshGridX, kept);
    EXPECT_EQ(st.NewGrid, 1);
    EXPECT_TRUE(s.lines().empty());
}

TEST_F(FlowViews, StreamlinesUseFiftyOneLevelsAndTheDividingLineColour) {
    // Levels from 1.5 down in steps of 0.06, coloured by the side of the
    // dividing streamline they lie on; the dividing streamline last.
    const ContourWork w = StreamlineLevels(0.1f, true);
    ASSERT_EQ(w.NC, 51);
    EXPECT_FLOAT_EQ(w.levels[0], 1.5f);
    EXPECT_FLOAT_EQ(w.levels[49], -1.44f);
    EXPECT_FLOAT_EQ(w.levels[50], 0.1f);
    for (int k = 0; k < 50; ++k)
        EXPECT_EQ(w.colours[k], QBColor(w.levels[k] > 0.1f ? 9 : 12)) << k;
    EXPECT_EQ(w.colours[50], QBColor(0));
    EXPECT_EQ(StreamlineLevels(0.1f, false).colours[50], QBColor(15));
    EXPECT_EQ(StreamlineLevels(0.3f, true).colours[20], QBColor(0)); // a level equal to the dividing one

    // Drawn: both sides' colours; on white the dividing streamline is black
    // besides the 60 lines of the section itself.
    st.Texts.AngleText = "4";
    ASSERT_TRUE(show(4).ok);
    EXPECT_GT(linesIn(QBColor(9)), 100);
    EXPECT_GT(linesIn(QBColor(12)), 100);
    EXPECT_GT(linesIn(QBColor(0)), 60 + 20);
    paint(false);
    ASSERT_TRUE(show(4).ok);
    EXPECT_EQ(linesIn(QBColor(0)), 0);
    EXPECT_GT(linesIn(QBColor(15)), 60 + 20);
}

TEST_F(FlowViews, PressureContoursUseThirtyThreeLevelsRedToBlue) {
    const ContourWork w = PressureLevels(1.0, -2.2);
    ASSERT_EQ(w.NC, 33);
    EXPECT_FLOAT_EQ(w.levels[0], 1.0f);
    EXPECT_FLOAT_EQ(w.levels[16], -0.6f);
    EXPECT_FLOAT_EQ(w.levels[32], -2.2f);
    const std::vector<Rgb> rainbow = BuildRainbow(21);
    EXPECT_EQ(w.colours[0], rainbow[2]);   // 84 / 33 = 2.55 rounds to 3: entry 2, red
    EXPECT_EQ(w.colours[32], rainbow[83]); // entry 83, blue
    for (int k = 1; k < 33; ++k)
        EXPECT_GE(w.colours[k].b, w.colours[k - 1].b - 0) << "bluer as the level falls, " << k;
}

TEST_F(FlowViews, PressureLegendEveryThirdLevelWithSampleLines) {
    ASSERT_TRUE(show(5).ok);
    const auto texts = s.texts();
    ASSERT_NE(s.findText("Pressure Coefficient"), nullptr);
    const ContourWork w = PressureLevels(st.CpHigh, st.CpLow);
    const double xl = s.ScaleLeft() + s.ScaleWidth() - s.TextWidth("XXXXXXXXXXXXXXX");
    for (int k = 1; k <= 31; k += 3) {
        const std::string line = "          Cp = " + FormatNumber(w.levels[k - 1], "##0.0000");
        const Item* t = s.findText(line);
        ASSERT_NE(t, nullptr) << line;
        EXPECT_NEAR(t->x1, xl, 1e-9);
        // Its sample line: from xl, three X wide, half a line down, in the level's colour.
        const auto lines = s.lines();
        const bool sample = std::any_of(lines.begin(), lines.end(), [&](const Item& l) {
            return l.pen.color == w.colours[k - 1] && std::abs(l.x1 - xl) < 1e-9 &&
                   std::abs(l.x2 - xl - s.TextWidth("XXX")) < 1e-9 &&
                   std::abs(l.y1 - (t->y1 + s.TextHeight("X") / 2)) < 1e-9;
        });
        EXPECT_TRUE(sample) << line;
    }
    EXPECT_EQ(static_cast<int>(texts.size()), 12);
}

TEST_F(FlowViews, LegendTextsStopAtTheBottomButSampleLinesGoOn) {
    RecordingSurface low(800, 150); // lines of 16 pixels: the heading and 8 entries start inside
    low.SetBackColor(QBColor(15));
    st.VFlag = 5;
    ASSERT_TRUE(RedrawView(st, low).ok);
    EXPECT_EQ(static_cast<int>(low.texts().size()), 1 + 8);
    const double xl = low.ScaleLeft() + low.ScaleWidth() - low.TextWidth("XXXXXXXXXXXXXXX");
    const auto lines = low.lines();
    const auto samples = std::count_if(lines.begin(), lines.end(), [&](const Item& l) {
        return std::abs(l.x1 - xl) < 1e-9 && std::abs(l.x2 - xl - low.TextWidth("XXX")) < 1e-9;
    });
    EXPECT_EQ(samples, 11);
}

TEST_F(FlowViews, WindowKeepsXAndTheCentreOfY) {
    st.ContMinY = 0, st.ContMaxY = 1;
    RecordingSurface wide(800, 400), tall(400, 800);
    st.VFlag = 4;
    ASSERT_TRUE(RedrawView(st, wide).ok);
    EXPECT_DOUBLE_EQ(wide.ScaleLeft(), -0.5);
    EXPECT_DOUBLE_EQ(wide.ScaleLeft() + wide.ScaleWidth(), 1.5);
    EXPECT_DOUBLE_EQ(wide.ScaleTop(), 1.0); // 2 across 800 pixels: 400 pixels hold 1
    EXPECT_DOUBLE_EQ(wide.ScaleTop() + wide.ScaleHeight(), 0.0);
    ASSERT_TRUE(RedrawView(st, tall).ok);
    EXPECT_DOUBLE_EQ(tall.ScaleTop(), 2.5); // 800 pixels hold 4, about the centre 0.5
    EXPECT_DOUBLE_EQ(tall.ScaleTop() + tall.ScaleHeight(), -1.5);
    EXPECT_EQ(st.ContMinY, 0); // the shared window is not touched
    EXPECT_EQ(st.ContMaxY, 1);
    EXPECT_DOUBLE_EQ(std::abs(tall.PixelsPerUnitX()), std::abs(tall.PixelsPerUnitY()));
}

TEST_F(FlowViews, NothingSolvedNothingDrawn) {
    SharedState bare;
    bare.VFlag = 5;
    FlowFieldView(s, bare);
    EXPECT_TRUE(s.lines().empty());
    EXPECT_FALSE(ComputeFlowField(bare, 0).ok);
}

} // namespace
} // namespace ribcraft
