// SPDX-License-Identifier: MIT
// The polar views on the recording surface, with stored polars whose first
// one belongs to the current section, so that nothing is swept.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "analysis/Drag.h"
#include "app/PolarSweep.h"
#include "plot/AnalysisViews.h"
#include "plot/RecordingSurface.h"
#include "plot/Redraw.h"

namespace ribcraft {
namespace {

using Item = RecordingSurface::Item;

// Polar j: Cl = 0.08 a + 0.01 j, Cd x 1000 = 5 + 0.05 a^2 + j / 4, Cm = -0.05 + 0.01 j,
// transition 0.5 -/+ 0.02 a: every curve inside its graph's range.
StoredPolar syntheticPolar(PolarKey key, int j) {
    StoredPolar p{std::move(key), {}};
    for (int k = 0; k < 21; ++k) {
        const double a = -20 + 2 * k;
        p.PolarData.push_back(
            {a, 0.08 * a + 0.01 * j, 5 + 0.05 * a * a + j / 4.0, -0.05 + 0.01 * j, 0.5 - 0.02 * a, 0.5 + 0.02 * a});
    }
    return p;
}

struct PolarViews : ::testing::Test {
    SharedState state;
    RecordingSurface surface{800, 600};

    void store(int count) {
        state.Polars.Polars.push_back(syntheticPolar(CurrentPolarKey(state), 0));
        for (int j = 1; j < count; ++j)
            state.Polars.Polars.push_back(syntheticPolar({"44" + std::to_string(10 + j), 5, 20, 3e5}, j));
        state.PolarCount = count;
    }
    CommandResult draw(int polarView) {
        state.VFlag = 10;
        state.PolarView = polarView;
        return RedrawView(state, surface);
    }
    int textCount(const std::string& text) const {
        int n = 0;
        for (const Item& t : surface.texts())
            n += t.text == text;
        return n;
    }
    // Colour of the segment drawn between two points of a curve.
    std::optional<Item> segment(double x1, double y1, double x2, double y2) const {
        for (const Item& l : surface.lines())
            if (std::abs(l.x1 - x1) < 1e-9 && std::abs(l.y1 - y1) < 1e-9 && std::abs(l.x2 - x2) < 1e-9 &&
                std::abs(l.y2 - y2) < 1e-9)
                return l;
        return std::nullopt;
    }
    std::optional<Item> curveSegment(int j, int xColumn, int yColumn) const {
        const auto& rows = state.Polars.Polars[size_t(j)].PolarData;
        return segment(rows[10][size_t(xColumn)], rows[10][size_t(yColumn)], rows[11][size_t(xColumn)],
                       rows[11][size_t(yColumn)]);
    }
};

TEST_F(PolarViews, OneGridGraphPerCurveAndPolar) {
    store(3);
    ASSERT_TRUE(draw(1).ok());
    EXPECT_EQ(textCount("Lift/Drag Polar"), 3);
    EXPECT_EQ(textCount("Lift Coefficient"), 3);
    EXPECT_EQ(textCount("Cd X 1000"), 3);
    EXPECT_EQ(textCount("Cl/Cm vs AOA"), 0);
    EXPECT_EQ(state.Texts.PlotTitle, " Current Airfoil: 0012");

    surface.clearItems();
    ASSERT_TRUE(draw(2).ok());
    EXPECT_EQ(textCount("Cl/Cm vs AOA"), 6);
    EXPECT_EQ(textCount("Angle of Attack (Deg.)"), 6);
    EXPECT_EQ(textCount("Cl and Cm about c/4"), 6);

    surface.clearItems();
    ASSERT_TRUE(draw(3).ok());
    EXPECT_EQ(textCount("Transition Pt. (--- Lower Surf.)"), 6);
    EXPECT_EQ(textCount("Transition Location %c"), 6);
}

TEST_F(PolarViews, CurvesTakeTheColumnsAndStylesOfTheirView) {
    store(2);
    ASSERT_TRUE(draw(1).ok());
    const auto cd = curveSegment(1, PolarCl, PolarCd);
    ASSERT_TRUE(cd);
    EXPECT_EQ(cd->pen.style, DrawSolid);
    EXPECT_EQ(cd->pen.width, 1);

    surface.clearItems();
    ASSERT_TRUE(draw(2).ok());
    ASSERT_NE(curveSegment(1, PolarAngle, PolarCl), std::nullopt);
    ASSERT_TRUE(curveSegment(1, PolarAngle, PolarCm));
    EXPECT_EQ(curveSegment(1, PolarAngle, PolarCl)->pen.color, curveSegment(1, PolarAngle, PolarCm)->pen.color);

    surface.clearItems();
    ASSERT_TRUE(draw(3).ok());
    const auto upper = curveSegment(1, PolarCl, PolarUpperTransition);
    const auto lower = curveSegment(1, PolarCl, PolarLowerTransition);
    ASSERT_TRUE(upper);
    ASSERT_TRUE(lower);
    EXPECT_EQ(upper->pen.style, DrawSolid);
    EXPECT_EQ(lower->pen.style, DrawDot);
}

TEST_F(PolarViews, ColoursRunFromBlueToLightBlueOnWhite) {
    store(10);
    surface.SetBackColor(QBColor(15));
    ASSERT_TRUE(draw(1).ok());
    const int expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1};
    for (int j = 0; j < 10; ++j) {
        const auto l = curveSegment(j, PolarCl, PolarCd);
        ASSERT_TRUE(l) << j;
        EXPECT_EQ(l->pen.color, QBColor(expected[j])) << j;
    }
}

TEST_F(PolarViews, ColoursRunThroughTheLightOnesOnBlack) {
    store(7);
    surface.SetBackColor(QBColor(0));
    ASSERT_TRUE(draw(1).ok());
    const int expected[] = {9, 10, 11, 12, 13, 14, 9};
    for (int j = 0; j < 7; ++j) {
        const auto l = curveSegment(j, PolarCl, PolarCd);
        ASSERT_TRUE(l) << j;
        EXPECT_EQ(l->pen.color, QBColor(expected[j])) << j;
    }
}

TEST_F(PolarViews, LegendNamesEveryPolarInItsColourRightOfTheFrame) {
    store(2);
    surface.SetBackColor(QBColor(15));
    ASSERT_TRUE(draw(1).ok());
    const Item* header = surface.findText("       Airfoil  Flap     Re");
    ASSERT_NE(header, nullptr);
    EXPECT_GT(header->x1, 2.4); // in the wide margin right of the Cl axis
    EXPECT_LT(header->x1, surface.ScaleLeft() + surface.ScaleWidth());

    const Item* name1 = surface.findText("0012 ");
    const Item* name2 = surface.findText("4411 ");
    const Item* flap2 = surface.findText(" (20,5)");
    const Item* re1 = surface.findText("1.00e+6");
    const Item* re2 = surface.findText("3.00e+5");
    ASSERT_TRUE(name1 && name2 && flap2 && re1 && re2);
    EXPECT_NE(surface.findText(" (0,0)"), nullptr);
    EXPECT_EQ(name1->pen.color, QBColor(1));
    EXPECT_EQ(name2->pen.color, QBColor(2));
    EXPECT_EQ(re2->pen.color, QBColor(2));
    // One line each, below the header, in order, each with its sample line.
    EXPECT_LT(name1->y1, header->y1);
    EXPECT_LT(name2->y1, name1->y1);
    EXPECT_DOUBLE_EQ(re2->y1, name2->y1);
    EXPECT_GT(flap2->x1, name2->x1);
    EXPECT_GT(re2->x1, flap2->x1);
    int samples = 0;
    for (const Item& l : surface.lines())
        samples += l.y1 == l.y2 && l.x1 > 2.4 && l.x2 < name1->x1 + 1e-9 && l.pen.color == QBColor(2);
    EXPECT_EQ(samples, 1);
}

// Whatever the names and flap settings, no two legend texts of a polar
// overlap, every text ends inside the picture (a narrow picture puts the flap
// and Reynolds number on a second line), and each heading stands over its column.
TEST_F(PolarViews, LegendColumnsNeverOverlapAndStayInThePicture) {
    const std::vector<std::pair<std::string, PolarKey>> sets = {
        {"short", {"12", 0, 0, 1e6}},
        {"long name", {"MY 4412 SELIG", 20, 10, 1e6}},
        {"long flap", {"23012", 12.5, -7.25, 2.5e5}},
        {"both", {"A VERY LONG SECTION NAME 4415", 33.3, 15.5, 1.2e7}},
    };
    for (const auto& [what, key] : sets) {
        state = SharedState{};
        surface.clearItems();
        store(1);
        state.Polars.Polars.push_back(syntheticPolar(key, 1));
        state.PolarCount = 2;
        surface.SetBackColor(QBColor(15));
        ASSERT_TRUE(draw(1).ok()) << what;
        std::vector<const Item*> row;
        const std::vector<Item> texts = surface.texts();
        for (const Item& t : texts)
            if (t.text.find(key.SectionName.substr(0, 5)) == 0 || t.text.find(" (") == 0 ||
                t.text.find("e+") != std::string::npos)
                if (t.pen.color == QBColor(2)) row.push_back(&t);
        ASSERT_EQ(row.size(), 3u) << what;
        const double right = surface.ScaleLeft() + surface.ScaleWidth();
        for (const Item* a : row) {
            EXPECT_LE(a->x1 + surface.TextWidth(a->text), right + 1e-9) << what << ": " << a->text;
            for (const Item* b : row) {
                if (a != b && a->y1 == b->y1 && a->x1 <= b->x1) {
                    EXPECT_LT(a->x1 + surface.TextWidth(a->text), b->x1) << what << ": " << a->text;
                }
            }
        }
        const Item* flap = row[0]->text.find(" (") == 0 ? row[0] : row[1]->text.find(" (") == 0 ? row[1] : row[2];
        const Item* flapHeading = surface.findText("Flap");
        if (flapHeading) {
            EXPECT_DOUBLE_EQ(flapHeading->x1, flap->x1) << what;
        } else {
            EXPECT_NE(surface.findText("       Airfoil  Flap     Re"), nullptr) << what;
        }
    }
}

TEST_F(PolarViews, WideMarginWhileDrawingAndScaleGraphClearedAfter) {
    store(1);
    ASSERT_TRUE(draw(1).ok());
    EXPECT_EQ(state.ScaleGraph, 0);
    // Right edge xmax + 3.5 mx, left edge xmin - mx: mx = 20 * 4 * 8 / 800 = 0.4 before the scale is set.
    const double left = surface.ScaleLeft(), right = left + surface.ScaleWidth();
    const double mx = -1.6 - left;
    EXPECT_NEAR(right, 2.4 + 3.5 * mx, 1e-9);
}

TEST_F(PolarViews, AFailedSweepDrawsNothingAndLeavesScaleGraph) {
    state.re = 0; // the current polar does not exist and cannot be computed
    store(1);
    state.Polars.Polars[0].Key.re = 1e6;
    const CommandResult r = draw(1);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(state.ScaleGraph, 0);
    EXPECT_EQ(textCount("Lift/Drag Polar"), 0);
}

} // namespace
} // namespace ribcraft
