// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plot/GraphFrame.h"
#include "plot/RecordingSurface.h"

namespace ribcraft {
namespace {

using Item = RecordingSurface::Item;

std::vector<Item> linesIn(const RecordingSurface& s, Rgb colour) {
    std::vector<Item> out;
    for (const Item& l : s.lines())
        if (l.pen.color == colour) out.push_back(l);
    return out;
}

// A recording surface 800 x 600 pixels: at font size 8 a "-" is 8 pixels wide
// and 16 high, so mx = 20 * (xmax - xmin) * 8 / 800 and my = 15 * (ymax - ymin) * 16 / 1800.
struct Graph : ::testing::Test {
    RecordingSurface s{800, 600};
    GraphContext ctx;
    void curve(const std::vector<double>& x, const std::vector<double>& y, int colour, double xmin = 0, double xmax = 1,
               double ymin = 0, double ymax = 1, int nx = 5, int ny = 5) {
        DrawCurveGraph(s, x, y, static_cast<int>(x.size()), colour, 2, 0, xmin, xmax, ymin, ymax, nx, ny, "X cap",
                       "Y cap", ctx);
    }
};

TEST_F(Graph, SegmentsWithAnEndOutsideTheRangeAreLeftOutEntirely) {
    // Points 3 and 4 lie outside [0,1] x [0,1]: segments 2-3, 3-4 and 4-5 go, including
    // the two that cross the edge; 1-2 and 5-6 stay.
    const std::vector<double> x{0.0, 0.2, 0.4, 0.6, 0.8, 1.0};
    const std::vector<double> y{0.5, 0.6, 1.2, -0.1, 0.7, 0.8};
    curve(x, y, 4);
    const auto red = linesIn(s, QBColor(4));
    ASSERT_EQ(red.size(), 2u);
    EXPECT_DOUBLE_EQ(red[0].x1, 0.0);
    EXPECT_DOUBLE_EQ(red[0].x2, 0.2);
    EXPECT_DOUBLE_EQ(red[1].x1, 0.8);
    EXPECT_DOUBLE_EQ(red[1].x2, 1.0);
    EXPECT_EQ(red[0].pen.width, 2); // the curve's line width
    // Points exactly on the range's edges count as inside.
    s.Cls();
    curve({0.0, 1.0}, {0.0, 1.0}, 4);
    EXPECT_EQ(linesIn(s, QBColor(4)).size(), 1u);
}

TEST_F(Graph, OnePointDrawsNoSegmentButItsMarker) {
    ctx.PointRadius = 0.007;
    curve({0.5}, {0.5}, 4);
    EXPECT_TRUE(linesIn(s, QBColor(4)).empty());
    ASSERT_EQ(s.ellipses().size(), 1u);
    EXPECT_NEAR(s.ellipses()[0].r, 0.007, 1e-12);
    ctx.PointRadius = 0;
    s.Cls();
    curve({0.5}, {0.5}, 4);
    EXPECT_TRUE(s.ellipses().empty());
}

TEST_F(Graph, ColourFifteenIsTheForeColourForTheCurveButPaletteFifteenForMarkers) {
    const Rgb fore{10, 20, 30};
    s.SetForeColor(fore);
    ctx.PointRadius = 0.007;
    curve({0.1, 0.5, 0.9}, {0.1, 0.5, 0.9}, 15);
    EXPECT_TRUE(linesIn(s, QBColor(15)).empty());
    const auto frameAndCurve = linesIn(s, fore);
    int curveLines = 0;
    for (const Item& l : frameAndCurve)
        if (l.pen.width == 2) ++curveLines;
    EXPECT_EQ(curveLines, 2);
    ASSERT_EQ(s.ellipses().size(), 3u);
    for (const Item& e : s.ellipses()) {
        EXPECT_EQ(e.pen.color, QBColor(15));
        EXPECT_EQ(e.pen.width, 1);
    }
}

TEST_F(Graph, PrinterGetsNoMarkersAndATwelvePointCaption) {
    RecordingSurface printer(5100, 6600, true, 600);
    ctx.PointRadius = 0.007;
    DrawCurveGraph(printer, std::vector<double>{0.2, 0.4}, std::vector<double>{0.2, 0.4}, 2, 4, 1, 0, 0, 1, 0, 1, 5, 5,
                   "x", "Cp", ctx);
    EXPECT_TRUE(printer.ellipses().empty());
    const Item* cap = printer.findText("Cp");
    ASSERT_NE(cap, nullptr);
    // 12 points = 240 twips = 100 printer pixels at 600 dpi (negative: character height).
    EXPECT_DOUBLE_EQ(cap->font.pixelHeight, -100.0);
    EXPECT_EQ(cap->font.angle, 90);
    EXPECT_EQ(cap->font.name, "Arial");

    curve({0.2}, {0.2}, 4);
    const Item* screenCap = s.findText("Y cap");
    ASSERT_NE(screenCap, nullptr);
    EXPECT_DOUBLE_EQ(screenCap->font.pixelHeight, 12.0);
    // Centred on the height: yc = round((600 + 5 * 8) / 2), at x = 1 pixel.
    EXPECT_DOUBLE_EQ(screenCap->x1, 1.0);
    EXPECT_DOUBLE_EQ(screenCap->y1, 320.0);
}

TEST_F(Graph, TickLabelsShowOneOrTwoDecimals) {
    curve({}, {}, 4, 0, 1, 0, 100, 4, 4);
    for (const char* label : {"0.0", "0.25", "0.5", "0.75", "1.0", "25.0", "50.0", "75.0", "100.0"})
        EXPECT_NE(s.findText(label), nullptr) << label;
    // x labels centred under their ticks, one third of a line below the axis.
    const Item* quarter = s.findText("0.25");
    const double tw = s.TextWidth("0.25");
    EXPECT_NEAR(quarter->x1 + tw / 2, 0.25, 1e-12);
    EXPECT_NEAR(quarter->y1, 2 * s.TextHeight("-") / 3, 1e-12);
    // y labels right-aligned against the tick at xmin - TextWidth("-").
    const Item* hundred = s.findText("100.0");
    EXPECT_NEAR(hundred->x1 + s.TextWidth("100.0"), -s.TextWidth("-"), 1e-12);
}

TEST_F(Graph, NegativeYRangeLabelsRunFromTheBottom) {
    curve({}, {}, 4, 0, 1, -2, 1, 5, 3);
    for (const char* label : {"-2.0", "-1.0", "0.0", "1.0"})
        EXPECT_NE(s.findText(label), nullptr) << label;
}

TEST_F(Graph, ScaleLeftForCallersHasTheMarginsOfTheFont) {
    curve({}, {}, 4, 0, 1, -1, 1);
    const double mx = 20 * 1.0 * 8 / 800, my = 15 * 2.0 * 16 / 1800;
    EXPECT_NEAR(s.ScaleLeft(), -mx, 1e-12);
    EXPECT_NEAR(s.ScaleLeft() + s.ScaleWidth(), 1 + mx / 2, 1e-12);
    EXPECT_NEAR(s.ScaleTop(), 1 + my / 2, 1e-12);
    EXPECT_NEAR(s.ScaleTop() + s.ScaleHeight(), -1 - my, 1e-12);
    EXPECT_EQ(s.DrawWidth(), 1);
    // Frame: four sides in the fore colour around the range.
    int frameSides = 0;
    for (const Item& l : linesIn(s, s.ForeColor()))
        if ((l.x1 == 0 || l.x1 == 1) && (l.x2 == 0 || l.x2 == 1) && std::abs(l.y1) == 1 && std::abs(l.y2) == 1)
            ++frameSides;
    EXPECT_EQ(frameSides, 4);
}

TEST_F(Graph, GridIsDottedGrayAndDependsOnTheBackground) {
    for (bool white : {true, false}) {
        RecordingSurface g(800, 600);
        g.SetBackColor(white ? QBColor(15) : QBColor(0));
        g.SetForeColor(white ? QBColor(0) : QBColor(15));
        DrawGridGraph(g, std::vector<double>{}, std::vector<double>{}, 0, 4, 1, 0, 0, 1, 0, 10, 4, 5, "a", "b", "Title",
                      ctx);
        const Rgb expected = white ? QBColor(8) : QBColor(7);
        const Rgb other = white ? QBColor(7) : QBColor(8);
        const auto grid = linesIn(g, expected);
        EXPECT_EQ(grid.size(), 5u + 6u) << white; // nx + 1 vertical, ny + 1 horizontal
        for (const Item& l : grid)
            EXPECT_EQ(l.pen.style, DrawDot);
        EXPECT_TRUE(linesIn(g, other).empty());
        EXPECT_EQ(g.DrawStyle(), 0); // the caller's style again
        ASSERT_NE(g.findText("Title"), nullptr);
    }
}

TEST_F(Graph, ScaleGraphWidensTheRightMarginOfTheGridGraphOnly) {
    const double mx = 20 * 2.0 * 8 / 800;
    for (int scaleGraph : {0, 1}) {
        RecordingSurface g(800, 600);
        GraphContext c{0, scaleGraph};
        DrawGridGraph(g, std::vector<double>{}, std::vector<double>{}, 0, 4, 1, 0, 0, 2, 0, 1, 4, 4, "", "", "t", c);
        const double right = g.ScaleLeft() + g.ScaleWidth();
        EXPECT_NEAR(right, 2 + (scaleGraph ? 3.5 : 0.5) * mx, 1e-12);
        RecordingSurface k(800, 600);
        DrawCurveGraph(k, std::vector<double>{}, std::vector<double>{}, 0, 4, 1, 0, 0, 2, 0, 1, 4, 4, "", "", c);
        EXPECT_NEAR(k.ScaleLeft() + k.ScaleWidth(), 2 + 0.5 * mx, 1e-12);
    }
}

TEST_F(Graph, InvalidRangesAndShortArraysDrawNothingHarmful) {
    curve({0.1, 0.2}, {0.1, 0.2}, 4, 1, 1);             // empty x range
    curve({0.1, 0.2}, {0.1, 0.2}, 4, 0, 1, 0, 1, 0, 5); // no divisions
    EXPECT_TRUE(s.items().empty());
    // n larger than the arrays: only the points that exist are used.
    DrawCurveGraph(s, std::vector<double>{0.1, 0.2}, std::vector<double>{0.1}, 50, 4, 1, 0, 0, 1, 0, 1, 5, 5, "", "",
                   ctx);
    EXPECT_TRUE(linesIn(s, QBColor(4)).empty());
    // NaN points are outside every range.
    curve({0.1, NAN, 0.3}, {0.1, 0.2, 0.3}, 4);
    EXPECT_TRUE(linesIn(s, QBColor(4)).empty());
}

TEST(PrintRotated, FontHeightFollowsTheTarget) {
    RecordingSurface screen(200, 200);
    PrintRotated(screen, "label", 10, 20, 8, -90);
    ASSERT_EQ(screen.texts().size(), 1u);
    const Item t = screen.texts()[0];
    EXPECT_EQ(t.font.angle, -90);
    EXPECT_DOUBLE_EQ(t.font.pixelHeight, 8);
    EXPECT_TRUE(t.font.name.empty());
    EXPECT_DOUBLE_EQ(t.x1, 10);
    EXPECT_DOUBLE_EQ(t.y1, 20);
    EXPECT_EQ(screen.FontName(), "Arial"); // the surface's own font is untouched

    RecordingSurface printer(2400, 3300, true, 300);
    PrintRotated(printer, "label", 0, 0, 8, -90);
    // 8 points = 160 twips = 160 / 4.8 printer pixels at 300 dpi.
    EXPECT_NEAR(printer.texts()[0].font.pixelHeight, -160.0 / 4.8, 1e-9);
}

TEST(PaintButtonGlyph, TheThreeLooks) {
    const Rgb key{192, 192, 192}, black{0, 0, 0}, red{255, 0, 0};
    Glyph g{2, 1, {black, red}};
    RecordingSurface s(20, 20);
    s.SetBackColor(key);
    s.Cls();

    PaintButtonGlyph(1, s, g, 3, 4, key);
    EXPECT_EQ(s.GetPixel(3, 4), black);
    EXPECT_EQ(s.GetPixel(4, 4), key); // only black pixels in look 1

    s.Cls();
    PaintButtonGlyph(3, s, g, 3, 4, key);
    EXPECT_EQ(s.GetPixel(3, 4), (Rgb{128, 128, 128}));
    EXPECT_EQ(s.GetPixel(4, 4), (Rgb{255, 255, 255}));
    EXPECT_EQ(s.GetPixel(4, 5), (Rgb{255, 255, 255}));

    s.Cls();
    PaintButtonGlyph(4, s, Glyph{2, 1, {key, red}}, 3, 4, key);
    EXPECT_EQ(s.GetPixel(3, 4), key);
    EXPECT_EQ(s.GetPixel(4, 4), red);

    s.Cls();
    PaintButtonGlyph(2, s, g, 3, 4, key);
    EXPECT_TRUE(s.ofKind(RecordingSurface::Kind::Pixel).empty());
    // A glyph with fewer pixels than its size claims is not painted; off-device pixels are ignored.
    PaintButtonGlyph(1, s, Glyph{4, 4, {black}}, 0, 0, key);
    PaintButtonGlyph(1, s, g, 19, 19, key);
    EXPECT_EQ(s.ofKind(RecordingSurface::Kind::Pixel).size(), 1u);
}

} // namespace
} // namespace ribcraft
