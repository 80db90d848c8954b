// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "TestSection.h"
#include "io/NumberFormat.h"
#include "plot/RecordingSurface.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {
namespace {

using Item = RecordingSurface::Item;
using Kind = RecordingSurface::Kind;

struct Views : ::testing::Test {
    SharedState st;
    RecordingSurface s{800, 600};
    void SetUp() override {
        test::FillEllipse(st, 30, 0.12);
        s.SetBackColor(QBColor(15));
        s.SetForeColor(QBColor(0));
    }
    std::vector<Item> linesIn(Rgb c) const {
        std::vector<Item> out;
        for (const Item& l : s.lines())
            if (l.pen.color == c) out.push_back(l);
        return out;
    }
    // The hair loop draws pairs of one-pixel lines: the hair from the outline
    // point, then the piece of the offset curve. The outline has width 2.
    std::vector<Item> hairs() const {
        std::vector<Item> out;
        int k = 0;
        for (const Item& l : s.lines())
            if (l.pen.width == 1 && l.pen.style == DrawSolid && k++ % 2 == 0) out.push_back(l);
        return out;
    }
};

TEST(PlotTitle, EveryViewAndTheLegendRule) {
    const std::string T = "0012";
    EXPECT_EQ(PlotTitle(1, T), "0012 Distribution");
    EXPECT_EQ(PlotTitle(2, T), "0012:  Cp v.s. Chord Position");
    EXPECT_EQ(PlotTitle(3, T), " NACA 0012:  Velocity v.s. Chord Position");
    EXPECT_EQ(PlotTitle(4, T), "0012:  Streamlines");
    EXPECT_EQ(PlotTitle(5, T), "0012:  Pressure (Red - High; Blue - Low) ");
    EXPECT_EQ(PlotTitle(6, T), "0012:  O-Grid");
    EXPECT_EQ(PlotTitle(7, T), "0012:  Boundary Layer Solution");
    EXPECT_EQ(PlotTitle(8, T), "0012:  Report");
    EXPECT_EQ(PlotTitle(9, T), "0012:  Report");
    EXPECT_EQ(PlotTitle(10, T), " Current Airfoil: 0012");
    for (int v = 1; v <= 10; ++v)
        EXPECT_EQ(LegendVisible(v), v == 2 || v == 3) << v;
}

TEST(BuildRainbow, RunsFromRedThroughYellowGreenCyanToBlue) {
    const auto p = BuildRainbow(21);
    ASSERT_EQ(p.size(), 85u);
    EXPECT_EQ(p[0], (Rgb{255, 0, 0}));
    EXPECT_EQ(p[21], (Rgb{255, 255, 0}));
    EXPECT_EQ(p[42], (Rgb{0, 255, 0}));
    EXPECT_EQ(p[63], (Rgb{0, 255, 255}));
    EXPECT_EQ(p[84], (Rgb{0, 0, 255}));
    // Components are truncated: entry 3 = (255, int(255 * 3 / 21), 0), entry 83 = (0, int(255 / 21), 255).
    EXPECT_EQ(p[3], (Rgb{255, 36, 0}));
    EXPECT_EQ(p[83], (Rgb{0, 12, 255}));
    // Each stretch changes one component monotonically.
    for (int i = 1; i <= 84; ++i) {
        const int changed = (p[i].r != p[i - 1].r) + (p[i].g != p[i - 1].g) + (p[i].b != p[i - 1].b);
        EXPECT_LE(changed, 1) << i;
    }
    EXPECT_TRUE(BuildRainbow(0).empty());
}

TEST(FunColor, ElevenBoxesLowestLevelAtTheLeft) {
    RecordingSurface s(800, 600);
    s.Scale(0, 1, 1, -1);
    std::vector<double> values;
    std::vector<Rgb> colours;
    for (int k = 1; k <= 11; ++k) {
        values.push_back(2.0 - 0.25 * (k - 1)); // entry 1 = top level 2.0, entry 11 = -0.5
        colours.push_back(Rgb{k, 0, 0});
    }
    FunColor(s, 0.7, -0.4, values, colours);
    const auto boxes = s.boxes();
    ASSERT_EQ(boxes.size(), 11u);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_NEAR(std::min(boxes[k].x1, boxes[k].x2), 0.05 + 0.08 * k, 1e-12); // x0 argument ignored
        EXPECT_NEAR(std::abs(boxes[k].x2 - boxes[k].x1), 0.08, 1e-12);
        EXPECT_NEAR(std::min(boxes[k].y1, boxes[k].y2), -0.4, 1e-12);
        EXPECT_NEAR(std::max(boxes[k].y1, boxes[k].y2), -0.3, 1e-12);
        EXPECT_EQ(boxes[k].fill, (Rgb{11 - k, 0, 0}));
    }
    const Item* left = s.findText("-0.5");
    const Item* right = s.findText("2.0");
    ASSERT_TRUE(left && right);
    EXPECT_NEAR(left->x1 + s.TextWidth("-0.5") / 2, 0.09, 1e-12); // centred in the first box
    EXPECT_NEAR(left->y1 + s.TextHeight("-0.5") / 2, -0.35, 1e-12);
    EXPECT_NEAR(right->x1 + s.TextWidth("2.0") / 2, 0.89, 1e-12);
}

TEST_F(Views, CoordinatesViewShowsOutlineGridAndPercentLabels) {
    st.VFlag = 1;
    st.XChoice = 2;
    st.PointRadius = 0.007;
    DrawView(s, st);
    for (int k = 0; k <= 100; k += 20) {
        const std::string label = std::to_string(k) + "%";
        const Item* t = s.findText(label);
        ASSERT_NE(t, nullptr) << label;
        EXPECT_NEAR(t->x1 + s.TextWidth(label) / 2, k / 100.0, 1e-6);
        EXPECT_NEAR(t->y1, -0.2, 1e-12);
    }
    EXPECT_EQ(linesIn(QBColor(8)).size(), 11u + 5u); // dotted grid on white
    EXPECT_EQ(linesIn(QBColor(0)).size(), 59u);      // lines through points 1..PointCount
    EXPECT_TRUE(s.boxes().empty());
    EXPECT_TRUE(hairs().empty());
    // Undistorted: one x unit and one y unit span the same number of pixels.
    EXPECT_NEAR(s.PixelsPerUnitX(), -s.PixelsPerUnitY(), 1e-9);
    EXPECT_NEAR(s.ScaleLeft(), -0.1, 1e-12);
    // Markers around every point plus the filled stagnation marker in palette 12.
    int stag = 0;
    for (const Item& e : s.ellipses())
        if (e.filled && e.fill == QBColor(12)) {
            ++stag;
            EXPECT_NEAR(e.r, 0.015, 1e-12);
            EXPECT_NEAR(e.x1, st.SectionX[st.StagPoint], 1e-6);
        }
    EXPECT_EQ(stag, 1);
    EXPECT_EQ(s.ellipses().size(), 61u);
    EXPECT_EQ(st.ShowStagPoint, 0); // the marker belongs to this outline only
}

TEST_F(Views, VelocityViewHairsRunFromPointTwoToPointCountMinusTwo) {
    st.VFlag = 1;
    st.XChoice = 0;
    DrawView(s, st);
    const auto h = hairs();
    ASSERT_EQ(h.size(), size_t(st.PointCount - 3));
    EXPECT_EQ(h.front().x1, float(st.SectionX[2]));
    EXPECT_EQ(h.back().x1, float(st.SectionX[st.PointCount - 2]));
    ASSERT_NE(s.findText("Airfoil Surface Velocity Ratio"), nullptr);
    EXPECT_EQ(s.boxes().size(), 11u);
    // Hair end points lie 0.2 * V / Vmax off the outline, outward from the section.
    for (const Item& l : h) {
        EXPECT_GE(std::hypot(l.x2 - 0.5, l.y2), std::hypot(l.x1 - 0.5, l.y1) - 1e-6);
        EXPECT_LE(std::hypot(l.x2 - l.x1, l.y2 - l.y1), 0.2 + 0.02);
    }
}

TEST_F(Views, BandColoursTopLevelIsPaletteEntryThree) {
    st.VFlag = 1;
    st.XChoice = 0;
    const auto palette = BuildRainbow(21);
    // Point 10 carries the largest velocity, point 11 a value below every level.
    st.SurfaceV[10] = float(st.Vmax);
    st.SurfaceV[11] = float(st.Vmin - 1);
    DrawView(s, st);
    const auto h = hairs();
    // Hair i is the (i - 1)-th: its colour is that of the band holding SurfaceV(i).
    EXPECT_EQ(h[10 - 2].pen.color, palette[3]);
    EXPECT_EQ(h[11 - 2].pen.color, h[10 - 2].pen.color); // outside every band: colour kept
    // The colour bar carries entry 3 (top, right) and entry 83 (bottom, left).
    const auto boxes = s.boxes();
    ASSERT_EQ(boxes.size(), 11u);
    EXPECT_EQ(boxes.front().fill, palette[83]);
    EXPECT_EQ(boxes.back().fill, palette[3]);
    EXPECT_NE(s.findText(FormatNumber(st.Vmax, "#0.0")), nullptr);
}

TEST_F(Views, PressureViewUsesTheLargerCpMagnitude) {
    st.VFlag = 1;
    st.XChoice = 1;
    DrawView(s, st);
    ASSERT_NE(s.findText("Airfoil Surface Pressure Coefficient"), nullptr);
    const double c = std::max(std::abs(st.CpHigh), std::abs(st.CpLow));
    double longest = 0;
    for (const Item& l : hairs())
        longest = std::max(longest, std::hypot(l.x2 - l.x1, l.y2 - l.y1));
    EXPECT_GT(c, 0);
    EXPECT_LE(longest, 0.2 + 0.02);
    EXPECT_GT(longest, 0.1);
}

TEST_F(Views, BoundaryLayerViewIsBlackAndNeedsAnEdge) {
    st.VFlag = 1;
    st.XChoice = 3;
    for (int i = 1; i <= st.PointCount + 1; ++i)
        st.EdgeY[i] = st.SectionY[i] * 1.2f;
    DrawView(s, st); // no boundary-layer solution: the outline only
    EXPECT_TRUE(hairs().empty());
    EXPECT_EQ(s.lines().size(), 59u);
    EXPECT_TRUE(s.boxes().empty());

    st.Bl.Solved = true;
    DrawView(s, st);
    const auto h = hairs();
    EXPECT_EQ(h.size(), size_t(st.PointCount - 3));
    for (const Item& l : h)
        EXPECT_EQ(l.pen.color, QBColor(0));
    EXPECT_TRUE(s.boxes().empty());
    EXPECT_EQ(s.findText("Airfoil Surface Velocity Ratio"), nullptr);
}

TEST_F(Views, NoSolutionYetDrawsWithoutNaN) {
    SharedState empty;
    empty.XChoice = 0;
    RecordingSurface r(640, 480);
    DrawView(r, empty);
    empty.XChoice = 1;
    DrawView(r, empty);
    for (const Item& i : r.items())
        EXPECT_TRUE(std::isfinite(i.x1) && std::isfinite(i.y1) && std::isfinite(i.x2) && std::isfinite(i.y2));
    empty.VFlag = 2; // CpLow == CpHigh would be an empty range
    empty.CpHigh = empty.CpLow = 0;
    DrawView(r, empty);
}

TEST_F(Views, CpPlotDrawsEachSurfaceInItsLegendColour) {
    st.VFlag = 2;
    st.UpperColor = 4;
    st.LowerColor = 1;
    DrawView(s, st);
    const int h = st.PointCount / 2;
    // Every Cp lies in [CpLow, CpHigh]: each half draws all its segments.
    const auto upper = linesIn(QBColor(4));
    const auto lower = linesIn(QBColor(1));
    ASSERT_EQ(upper.size(), size_t(h - 1));
    ASSERT_EQ(lower.size(), size_t(h - 1));
    // Points h+1..N (the upper surface) carry UpperColor, points 1..h LowerColor.
    EXPECT_FLOAT_EQ(float(upper.front().x1), st.DistX[h + 1]);
    EXPECT_FLOAT_EQ(float(lower.front().x1), st.DistX[1]);
    EXPECT_FLOAT_EQ(float(upper.front().y1), st.SurfaceCp[h + 1]);
    // Cp upward, range from CpLow to CpHigh with the captions of the second call.
    EXPECT_GT(s.ScaleTop(), st.CpHigh);
    EXPECT_LT(s.ScaleTop() + s.ScaleHeight(), st.CpLow);
    EXPECT_NE(s.findText("Chord Position"), nullptr);
    EXPECT_NE(s.findText("Cp"), nullptr);
    EXPECT_NE(s.findText(FormatNumber(st.CpLow, "##0.0#")), nullptr);
}

TEST_F(Views, VelocityPlotLosesValuesOutsideTheRange) {
    st.VFlag = 3;
    st.UpperColor = 4;
    st.LowerColor = 1;
    st.SurfaceV[5] = -0.5f; // below Vmin: segments 4-5 and 5-6 disappear
    DrawView(s, st);
    EXPECT_EQ(linesIn(QBColor(1)).size(), size_t(st.PointCount / 2 - 3));
    EXPECT_NE(s.findText("Velocity Ratio"), nullptr);
}

TEST_F(Views, FourierListingHasNineCoefficients) {
    st.VFlag = 9;
    for (int k = 0; k <= 8; ++k)
        st.A[k] = 0.1234567f * (k % 2 ? -1 : 1);
    DrawView(s, st);
    const auto t = s.texts();
    ASSERT_EQ(t.size(), 12u);
    EXPECT_EQ(t[0].text, "   FOURIER COEFFICIENTS FOR");
    EXPECT_EQ(t[1].text, "   THIN AIRFOIL COMPUTATIONS");
    EXPECT_EQ(t[2].text, "");
    EXPECT_EQ(t[3].text, "   A0 = 0.123457");
    EXPECT_EQ(t[4].text, "   A1 = -0.123457");
    EXPECT_EQ(t[11].text, "   A8 = 0.123457");
    // Lines run down from the top, each at the left edge.
    for (size_t i = 1; i < t.size(); ++i) {
        EXPECT_DOUBLE_EQ(t[i].x1, s.ScaleLeft());
        EXPECT_NEAR(t[i].y1 - t[i - 1].y1, s.TextHeight("A"), 1e-9);
    }

    SharedState zeros;
    zeros.VFlag = 9;
    RecordingSurface z(400, 300);
    DrawView(z, zeros);
    EXPECT_NE(z.findText("   A8 = 0.000000"), nullptr);
}

TEST(DrawOutline, PrinterAddsOffsetsAndLeavesTheScale) {
    RecordingSurface p(2400, 3300, true, 300);
    p.SetScaleMode(ScaleInches);
    const std::vector<double> x{0, 1, 2}, y{0, 0.5, 0};
    OutlineContext ctx{0.007, 1, 2};
    DrawOutline(p, x, y, 3, 0, 1, 1, -5, 5, -5, 5, 0.25, 3.0, ctx);
    EXPECT_EQ(p.ScaleMode(), ScaleInches);
    ASSERT_EQ(p.lines().size(), 2u);
    EXPECT_NEAR(p.lines()[0].x1, 0.25, 1e-9);
    EXPECT_NEAR(p.lines()[0].y1, 3.0, 1e-9);
    EXPECT_NEAR(p.lines()[1].x2, 2.25, 1e-9);
    EXPECT_EQ(p.lines()[0].pen.style, DrawDash);
    EXPECT_TRUE(p.ellipses().empty()); // neither markers nor the stagnation marker
    // A stagnation index outside the arrays is ignored on the screen.
    RecordingSurface s(400, 300);
    DrawOutline(s, x, y, 3, 0, 1, 0, 0, 2, -1, 1, 0, 0, OutlineContext{0, 1, 99});
    EXPECT_TRUE(s.ellipses().empty());
    EXPECT_EQ(s.DrawWidth(), 1);
}

} // namespace
} // namespace ribcraft
