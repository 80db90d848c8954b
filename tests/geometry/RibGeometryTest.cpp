// SPDX-License-Identifier: MIT
// Inner outlines and spar notches, checked against NACA 4-digit sections
// built here from the published thickness formula and against shapes whose
// offsets are known exactly.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>

#include "geometry/RibGeometry.h"

namespace ribcraft {
namespace {

// Half thickness of a symmetric NACA section of thickness t (closed trailing edge).
double halfThickness(double t, double x) {
    return 5 * t * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x - 0.1036 * x * x * x * x);
}

// The section as the program stores it: trailing edge, lower surface to the
// leading edge, upper surface back; chord 1, cosine spacing, pts per surface.
Loop nacaSymmetric(double t, int pts = 60) {
    Loop loop;
    for (int i = 0; i <= pts; ++i) {
        const double x = 0.5 * (1 + std::cos(std::numbers::pi * i / pts));
        loop.push_back({x, -halfThickness(t, x)});
    }
    for (int i = pts - 1; i > 0; --i) {
        const double x = 0.5 * (1 + std::cos(std::numbers::pi * i / pts));
        loop.push_back({x, halfThickness(t, x)});
    }
    return loop;
}

double loopDistance(const Loop& loop, Point2 p) {
    return DistanceToLoop(loop, p);
}

TEST(InnerOutline, SymmetricSectionsGiveOneCleanMirroredLoopSkinInsideThatEndsWhereTheSectionIsTwoSkinsThick) {
    for (int digits = 6; digits <= 24; digits += 3) {
        const double t = digits / 100.0;
        const Loop section = nacaSymmetric(t);
        for (const double share : {0.02, 0.2, 0.5, 0.8, 0.97}) {
            const double skin = share * t / 2;
            SCOPED_TRACE("NACA 00" + std::to_string(digits) + ", skin " + std::to_string(skin));
            const std::vector<Loop> inset = InnerOutline(section, skin);
            ASSERT_EQ(inset.size(), 1u);
            const Loop& in = inset.front();
            EXPECT_FALSE(LoopSelfIntersects(in));
            // Every corner and every edge midpoint lies skin inside the outline (1 % of the skin).
            double aft = -1;
            Point2 end;
            for (size_t i = 0; i < in.size(); ++i) {
                const Point2 a = in[i], b = in[(i + 1) % in.size()];
                const Point2 mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
                ASSERT_TRUE(InsideLoop(section, a));
                EXPECT_NEAR(loopDistance(section, a), skin, 0.01 * skin) << i;
                EXPECT_NEAR(loopDistance(section, mid), skin, 0.01 * skin) << i;
                // Mirror symmetry: (x, -y) lies on the inner outline too.
                EXPECT_LT(loopDistance(in, {a.x, -a.y}), 1e-6 * skin + 1e-12) << i;
                if (a.x > aft) aft = a.x, end = a;
            }
            // The inner outline ends on the chord line where the section is
            // two skins thick (a little more, for the slope of the surface).
            EXPECT_NEAR(end.y, 0, 1e-6);
            EXPECT_GE(halfThickness(t, end.x), skin * (1 - 1e-6));
            EXPECT_LE(halfThickness(t, end.x), skin * 1.06);
        }
        // A skin of half the thickness or more leaves nothing; no skin leaves the outline.
        EXPECT_TRUE(InnerOutline(section, 0.51 * t).empty());
        EXPECT_TRUE(InnerOutline(section, t).empty());
        const std::vector<Loop> same = InnerOutline(section, 0);
        ASSERT_EQ(same.size(), 1u);
        EXPECT_EQ(same.front().size(), section.size());
    }
}

TEST(InnerOutline, ConvexCornersStaySharpAndReflexCornersBecomeArcs) {
    // Square of side 2, either way round: the inner outline at 0.5 is the square of side 1.
    Loop square = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
    for (int turn = 0; turn < 2; ++turn) {
        const std::vector<Loop> in = InnerOutline(square, 0.5);
        ASSERT_EQ(in.size(), 1u);
        EXPECT_NEAR(std::abs(LoopArea(in.front())), 1.0, 1e-12);
        for (const Point2& p : in.front()) {
            EXPECT_NEAR(std::abs(p.x - 1), 0.5, 1e-12);
            EXPECT_NEAR(std::abs(p.y - 1), 0.5, 1e-12);
        }
        square = Loop(square.rbegin(), square.rend());
    }
    // An L of arm width 1: at 0.25 the inner outline is the two arms of width
    // 0.5 joined by a square of 0.25 less the quarter disc round the reflex
    // corner: 1.25 + 0.0625 (1 - pi / 4). The arc's chords keep a sliver of
    // 0.0625 / 2 (pi / 2 - 18 sin 5 deg) = 6.2e-5 outside the disc.
    const Loop ell = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
    const std::vector<Loop> in = InnerOutline(ell, 0.25);
    ASSERT_EQ(in.size(), 1u);
    EXPECT_NEAR(std::abs(LoopArea(in.front())), 1.25 + 0.0625 * (1 - std::numbers::pi / 4), 1e-4);
    EXPECT_FALSE(LoopSelfIntersects(in.front()));
    for (const Point2& p : in.front())
        EXPECT_NEAR(loopDistance(ell, p), 0.25, 1e-9);
    // A waist thinner than two skins splits the inner outline in two.
    const Loop dumbbell = {{0, 0}, {2, 0}, {2, 0.9}, {3, 0.9}, {3, 0}, {5, 0},
                           {5, 2}, {3, 2}, {3, 1.1}, {2, 1.1}, {2, 2}, {0, 2}};
    EXPECT_EQ(InnerOutline(dumbbell, 0.3).size(), 2u);
    EXPECT_EQ(InnerOutline(dumbbell, 0.05).size(), 1u);
}

TEST(InnerOutline, DegenerateOutlinesGiveNothingInsteadOfFailing) {
    EXPECT_TRUE(InnerOutline({}, 0.1).empty());
    EXPECT_TRUE(InnerOutline({{0, 0}, {0, 0}, {0, 0}}, 0.1).empty()); // a chord of 0
    EXPECT_TRUE(InnerOutline({{0, 0}, {1, 0}, {2, 0}}, 0.1).empty()); // no area
    EXPECT_TRUE(InnerOutline(nacaSymmetric(0.12), -0.01).empty());
    EXPECT_TRUE(InnerOutline(nacaSymmetric(0.12), std::nan("")).empty());
    // Repeated points and a closing point equal to the first are harmless.
    Loop repeated = nacaSymmetric(0.12);
    repeated.insert(repeated.begin() + 10, repeated[10]);
    repeated.push_back(repeated.front());
    const std::vector<Loop> in = InnerOutline(repeated, 0.01);
    ASSERT_EQ(in.size(), 1u);
    EXPECT_FALSE(LoopSelfIntersects(in.front()));
}

TEST(InnerOutline, DenseLeadingEdgeAndDeflectedFlapOfARealSectionGiveOneCleanLoop) {
    // NACA 4424 with 340 points and a 20-degree flap as the program makes it: round the leading
    // edge many edges lie within one skin, and crossings there nearly coincide. A 1000 mm to 600 mm
    // wing of 500 ribs; rib 216 (827.66 mm) once lost its inner outline that way.
    std::ifstream in(std::string(RIBCRAFT_TEST_DATA) + "/geometry/naca4424-flap20-340.txt");
    Loop unit;
    for (double x = 0, y = 0; in >> x >> y;)
        unit.push_back({x, y});
    ASSERT_EQ(unit.size(), 341u);
    for (const double skin : {3.0, 10.0})
        for (int k = 1; k <= 500; k += k < 216 ? 43 : 57) {
            const double chord = 1000.0 + (k - 1) * (600.0 - 1000.0) / 499;
            Loop rib;
            for (const Point2& p : unit)
                rib.push_back({chord * p.x, chord * p.y});
            const std::vector<Loop> in = InnerOutline(rib, skin);
            ASSERT_EQ(in.size(), 1u) << "rib " << k << ", skin " << skin;
            EXPECT_FALSE(LoopSelfIntersects(in.front())) << "rib " << k;
            for (const Point2& p : in.front())
                ASSERT_NEAR(DistanceToLoop(rib, p), skin, 0.01 * skin) << "rib " << k;
        }
}

TEST(SparNotch, RectangularCutsTopAndBottomRemoveExactlyTheirRectangle) {
    const Loop slab = {{0, -1}, {10, -1}, {10, 1}, {0, 1}};
    for (const bool top : {true, false}) {
        const Result<NotchCut> cut = PlaceNotch(slab, {5, 1, 0.5, top});
        ASSERT_TRUE(cut.ok()) << cut.status().message();
        EXPECT_DOUBLE_EQ(cut->floor, top ? 0.5 : -0.5);
        const Result<Loop> notched = CutNotch(slab, *cut);
        ASSERT_TRUE(notched.ok()) << notched.status().message();
        EXPECT_NEAR(LoopArea(*notched), 20 - 0.5, 1e-12);
        EXPECT_FALSE(LoopSelfIntersects(*notched));
        const double s = top ? 1 : -1;
        for (const Point2 corner : {Point2{4.5, s}, Point2{4.5, 0.5 * s}, Point2{5.5, 0.5 * s}, Point2{5.5, s}})
            EXPECT_LT(loopDistance(*notched, corner), 1e-12);
    }
}

TEST(SparNotch, NotchInASectionAndItsInnerOutline) {
    Loop section = nacaSymmetric(0.12);
    for (Point2& p : section)
        p.x *= 10, p.y *= 10; // chord 10, 1.2 thick
    const double skin = 0.1;
    const Result<NotchCut> cut = PlaceNotch(section, {3, 0.25, 0.3, true});
    ASSERT_TRUE(cut.ok());
    EXPECT_NEAR(cut->floor, 10 * halfThickness(0.12, 0.3) - 0.3, 1e-3);
    const Result<Loop> outer = CutNotch(section, *cut);
    ASSERT_TRUE(outer.ok());
    // Nearly flat there: the cut removes width x depth (plus the curvature over 0.25, well under 1 %).
    EXPECT_NEAR(std::abs(LoopArea(section)) - std::abs(LoopArea(*outer)), 0.25 * 0.3, 0.01 * 0.25 * 0.3);
    const std::vector<Loop> inner = InnerOutline(section, skin);
    ASSERT_EQ(inner.size(), 1u);
    const Result<Loop> notchedInner = CutNotch(inner.front(), *cut);
    ASSERT_TRUE(notchedInner.ok());
    // The inner outline lies 0.1 lower: the notch takes 0.25 x 0.2 from it.
    EXPECT_NEAR(std::abs(LoopArea(inner.front())) - std::abs(LoopArea(*notchedInner)), 0.25 * 0.2, 0.01 * 0.25 * 0.2);
    EXPECT_FALSE(LoopSelfIntersects(*notchedInner));
    // A notch shallower than the skin does not reach the inner outline.
    const Result<NotchCut> shallow = PlaceNotch(section, {3, 0.25, 0.05, false});
    ASSERT_TRUE(shallow.ok());
    const Result<Loop> untouched = CutNotch(inner.front(), *shallow);
    ASSERT_TRUE(untouched.ok());
    EXPECT_DOUBLE_EQ(LoopArea(*untouched), LoopArea(inner.front()));

    // Refused: through the rib, outside the chord, no width or depth, and a
    // notch whose floor would split the inner outline.
    EXPECT_FALSE(PlaceNotch(section, {3, 0.25, 1.3, true}).ok());
    EXPECT_FALSE(PlaceNotch(section, {0.05, 0.25, 0.1, true}).ok());
    EXPECT_FALSE(PlaceNotch(section, {9.95, 0.25, 0.01, true}).ok());
    EXPECT_FALSE(PlaceNotch(section, {3, 0, 0.1, true}).ok());
    EXPECT_FALSE(PlaceNotch(section, {3, 0.25, -0.1, true}).ok());
    const Result<NotchCut> deep = PlaceNotch(section, {3, 0.25, 1.15, true});
    ASSERT_TRUE(deep.ok());
    const Result<Loop> split = CutNotch(inner.front(), *deep);
    EXPECT_FALSE(split.ok());
    EXPECT_NE(split.status().message().find("in two"), std::string::npos);
}

} // namespace
} // namespace ribcraft
