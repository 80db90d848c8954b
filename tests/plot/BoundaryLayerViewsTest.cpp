// SPDX-License-Identifier: MIT
// The boundary-layer views on the recording surface.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/BoundaryLayer.h"
#include "app/Recompute.h"
#include "io/NumberFormat.h"
#include "plot/AnalysisViews.h"
#include "plot/BoundaryLayerViews.h"
#include "plot/RecordingSurface.h"

namespace ribcraft {
namespace {

using Item = RecordingSurface::Item;

struct BlViews : ::testing::Test {
    static SharedState& solved() {
        static SharedState s = [] {
            SharedState st;
            st.Texts.AngleText = "4";
            EXPECT_TRUE(RecomputeForRedraw(st).ok());
            EXPECT_TRUE(BoundaryLayer(st).ok());
            return st;
        }();
        return s;
    }
    SharedState st = solved();
    RecordingSurface s{800, 600};
    void SetUp() override {
        s.SetBackColor(QBColor(15));
        s.SetForeColor(QBColor(0));
    }
    void draw(int option) {
        st.BlDisplayOpt = option;
        s.clearItems();
        DrawBoundaryLayerGraph(s, st);
    }
    size_t linesIn(int colour) const {
        const auto lines = s.lines();
        return size_t(
            std::count_if(lines.begin(), lines.end(), [&](const Item& l) { return l.pen.color == QBColor(colour); }));
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Item& t : s.texts())
            out.push_back(t.text);
        return out;
    }
    bool rotatedText(const std::string& text) const {
        const auto t = s.texts();
        return std::any_of(t.begin(), t.end(), [&](const Item& i) { return i.text == text && i.font.angle == 90; });
    }
};

TEST_F(BlViews, EveryViewIsHeadedByTheResultLineWithItsAxisTitles) {
    const char* x[] = {"U/Uinf (Upper Surface)",         "U/Uinf (Lower Surface)",
                       "Arc Length (%c, Upper Surface)", "Arc Length (%c, Lower Surface)",
                       "Arc Length (%c, Upper Surface)", "Arc Length (%c, Lower Surface)"};
    const char* y[] = {"Distance Above Surface",         "Distance Above Surface", "Distance (Normal from Airfoil)",
                       "Distance (Normal from Airfoil)", "Friction Coefficient",   "Friction Coefficient"};
    ASSERT_TRUE(st.Bl.ResultLine.starts_with("CFD Boundary Layer Solution: Cl = 0."));
    for (int v = 1; v <= 6; ++v) {
        draw(v);
        EXPECT_NE(s.findText(st.Bl.ResultLine), nullptr) << v;
        EXPECT_NE(s.findText(x[v - 1]), nullptr) << v;
        EXPECT_TRUE(rotatedText(y[v - 1])) << v;
    }
}

TEST_F(BlViews, ProfilesCycleThroughTheLightColoursWithOneLabelEach) {
    st.BlVelView = 8;
    draw(1);
    const BlSurfaceSolution& up = st.Bl.Upper;
    const auto t = texts();
    EXPECT_EQ(std::count(t.begin(), t.end(), "Profile Station"), 1);
    // Profile p at station floor(SolvedCount p / 8), labelled by its chord position.
    for (int p = 1; p <= 8; ++p) {
        const std::string label = "       x= " + FormatNumber(up.StationX[up.SolvedCount * p / 8], "0.00");
        EXPECT_NE(std::find(t.begin(), t.end(), label), t.end()) << label;
    }
    // Colours 9..14, then 9 and 10 again: those two carry two profiles, the others one.
    const size_t one = linesIn(11);
    EXPECT_GT(one, size_t(up.ProfilePoints / 2));
    EXPECT_GT(linesIn(9), linesIn(13));
    EXPECT_GT(linesIn(10), linesIn(14));
    EXPECT_GT(linesIn(12), 0u);

    st.BlVelView = 2;
    draw(2);
    EXPECT_EQ(linesIn(11), 0u);
    EXPECT_GT(linesIn(9), 0u);
    EXPECT_GT(linesIn(10), 0u);
}

TEST_F(BlViews, BlasiusThicknessOnlyWhenAskedFor) {
    st.DisplayBlasius = 1;
    draw(3);
    const size_t withBlasius = linesIn(12);
    EXPECT_GT(withBlasius, 10u);
    const size_t thickness = linesIn(0); // the layer thickness in the fore colour (and the frame)
    st.DisplayBlasius = 0;
    draw(3);
    EXPECT_EQ(linesIn(12), 0u);
    EXPECT_GT(linesIn(0), 10u);
    EXPECT_LE(linesIn(0), thickness);
}

TEST_F(BlViews, FrictionIsDrawnFromTheSolvedStations) {
    draw(6);
    // One segment per pair of solved stations past the first, less those out of range near the stagnation point.
    const size_t segments = linesIn(0);
    EXPECT_GT(segments, size_t(st.Bl.Lower.SolvedCount / 2));
}

TEST_F(BlViews, TheViewDrawsTheStoredSolutionOnlyAndNothingWithoutOne) {
    SharedState fresh;
    fresh.HaveSolution = false;
    fresh.VFlag = 7;
    BoundaryLayerView(s, fresh);
    EXPECT_TRUE(s.lines().empty());

    st.VFlag = 7;
    st.BlDisplayOpt = 4;
    s.clearItems();
    BoundaryLayerView(s, st); // the stored solution, drawn from a const state
    EXPECT_NE(s.findText("Arc Length (%c, Lower Surface)"), nullptr);
}

} // namespace
} // namespace ribcraft
