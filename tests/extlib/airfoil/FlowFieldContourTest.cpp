// Contour segments by marching squares, on fields whose contours are known
// exactly, and the entry point Contr with its segment arrays.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "extlib/Capacities.h"
#include "extlib/airfoil/Airfoil.h"
#include "extlib/airfoil/Contour.h"

namespace ribcraft::airfoil {
namespace {

// Polar grid: k round the circle (k = 1 and k = ni at the same angle),
// radii 0.5 to 2.5 in steps of dr; field r^2.
struct PolarField {
    int ni = 41, nj = 21;
    double dr = 0.1;
    std::vector<double> x, y, f;
    PolarField() {
        for (int j = 1; j <= nj; ++j)
            for (int k = 1; k <= ni; ++k) {
                const double t = -2 * std::numbers::pi * (k - 1) / (ni - 1), r = 0.5 + dr * (j - 1);
                x.push_back(r * std::cos(t)), y.push_back(r * std::sin(t));
                f.push_back(x.back() * x.back() + y.back() * y.back());
            }
    }
};

TEST(ContourLevels, EndPointsLieOnTheCircleOfTheLevel) {
    const PolarField g;
    // Linear interpolation of r^2 along a radial edge puts the crossing within
    // dr^2 / (8 r) of the circle; a ring edge is a chord, whose crossing lies
    // inside the circle by at most r (1 - cos(pi / 40)) < 0.0031 r.
    for (double r : {0.63, 1.03, 1.37, 2.17, 2.45}) { // none on a ring of the grid
        const auto segments = ContourLevel(g.x, g.y, g.f, g.ni, g.nj, r * r, cap::Segments);
        EXPECT_EQ(static_cast<int>(segments.size()), g.ni - 1) << "one segment per cell round the ring, r " << r;
        for (const ContourSegment& s : segments) {
            EXPECT_NEAR(std::hypot(s.x1, s.y1), r, 0.0032 * r + g.dr * g.dr / (8 * r));
            EXPECT_NEAR(std::hypot(s.x2, s.y2), r, 0.0032 * r + g.dr * g.dr / (8 * r));
        }
    }
}

TEST(ContourLevels, LevelsOutsideTheFieldGiveNoSegments) {
    const PolarField g;
    EXPECT_TRUE(ContourLevel(g.x, g.y, g.f, g.ni, g.nj, 0.2, cap::Segments).empty());
    EXPECT_TRUE(ContourLevel(g.x, g.y, g.f, g.ni, g.nj, 6.3, cap::Segments).empty());
    EXPECT_TRUE(ContourLevel(g.x, g.y, g.f, g.ni, g.nj, NAN, cap::Segments).empty());
    const std::vector<double> flat(g.f.size(), 1.0);
    EXPECT_TRUE(ContourLevel(g.x, g.y, flat, g.ni, g.nj, 1.0, cap::Segments).empty());
}

// One cell with f = x y on the square (-1, -1)..(1, 1): opposite corners
// +1 and -1 and a centre value of 0. Above 0 the two positive corners are cut
// off; below 0 the two negative ones; no segment runs between a pair.
TEST(ContourLevels, SaddleCellsFollowTheCentreValue) {
    const std::vector<double> x = {-1, 1, -1, 1}, y = {-1, -1, 1, 1}, f = {1, -1, -1, 1};
    for (double level : {0.2, -0.2}) {
        const auto segments = ContourLevel(x, y, f, 2, 2, level, cap::Segments);
        ASSERT_EQ(segments.size(), 2u) << level;
        for (const ContourSegment& s : segments) {
            // Both ends next to the same corner, whose sign is the level's.
            const double cx = std::copysign(1.0, s.x1 + s.x2), cy = std::copysign(1.0, s.y1 + s.y2);
            EXPECT_EQ(cx * cy > 0, level > 0) << level;
            EXPECT_NEAR(std::abs(s.x1 * s.y1), std::abs(level), 1e-12); // on the edges' linear f
            EXPECT_NEAR(std::abs(s.x2 * s.y2), 0.0, 1.0);
        }
    }
}

// The caller's arrays of a Contr call at full capacity.
struct ContrCall {
    int32_t ni, nj, nlev;
    std::vector<float> gx = std::vector<float>(size_t(cap::MeshI) * cap::MeshJ, 0.0f), gy = gx;
    std::vector<float> field = std::vector<float>(size_t(cap::FieldI) * cap::FieldJ, 0.0f);
    std::vector<float> levels = std::vector<float>(cap::Levels + 5, 0.0f);
    std::vector<float> x1 = std::vector<float>(size_t(cap::Segments) * cap::Levels, -5.0f), y1 = x1, x2 = x1, y2 = x1;
    std::vector<int32_t> counts = std::vector<int32_t>(cap::Levels + 5, -1);
    ContrCall(int32_t i, int32_t j) : ni(i), nj(j), nlev(1) {}
    void run() { Contr(gx[0], gy[0], field[0], levels[0], ni, nj, nlev, x1[0], y1[0], x2[0], y2[0], counts[0]); }
};

TEST(ContrEntry, StopsAtFourHundredSegmentsALevel) {
    // A checkerboard on a 100 x 100 lattice crosses level 0.5 in every cell.
    ContrCall c(cap::FieldI, cap::FieldJ);
    for (int j = 1; j <= c.nj; ++j)
        for (int k = 1; k <= c.ni; ++k) {
            c.gx[cap::At2(k, j, cap::MeshI)] = float(k);
            c.gy[cap::At2(k, j, cap::MeshI)] = float(j);
            c.field[cap::At2(k, j, cap::FieldI)] = float((k + j) % 2);
        }
    c.nlev = cap::Levels;
    for (int l = 0; l < cap::Levels; ++l)
        c.levels[l] = l % 2 ? 0.5f : 3.0f; // every second level lies above the field
    c.run();
    for (int l = 1; l <= cap::Levels; ++l)
        ASSERT_EQ(c.counts[l - 1], l % 2 ? 0 : cap::Segments) << l;
    EXPECT_EQ(c.counts[cap::Levels], -1); // nothing past the last level
    // The segments kept are those of the innermost rows of cells (j = 1 to 2 first).
    const int first = cap::At2(1, 2, cap::Segments), last = cap::At2(cap::Segments, 2, cap::Segments);
    EXPECT_GE(std::min(c.y1[first], c.y2[first]), 1.0f);
    EXPECT_LE(std::max(c.y1[first], c.y2[first]), 2.0f);
    EXPECT_LE(std::max(c.y1[last], c.y2[last]), 6.0f);     // 99 cells a row: the fifth row is reached
    EXPECT_EQ(c.x1[cap::At2(1, 3, cap::Segments)], -5.0f); // level 3 lies above the field
}

TEST(ContrEntry, RefusesMoreLevelsOrPointsThanItsArrays) {
    ContrCall c(21, 11);
    c.nlev = cap::Levels + 1;
    c.run();
    c.nlev = 1;
    c.ni = cap::FieldI + 1;
    c.run();
    c.ni = 21;
    c.nj = 1;
    c.run();
    EXPECT_EQ(c.counts[0], -1);
    EXPECT_EQ(c.x1[0], -5.0f);
}

TEST(ContrEntry, WritesEachLevelInItsOwnColumn) {
    // Field x on a square lattice 0..10: level L cuts the vertical line x = L.
    ContrCall c(11, 11);
    for (int j = 1; j <= c.nj; ++j)
        for (int k = 1; k <= c.ni; ++k) {
            c.gx[cap::At2(k, j, cap::MeshI)] = float(k - 1);
            c.gy[cap::At2(k, j, cap::MeshI)] = float(j - 1);
            c.field[cap::At2(k, j, cap::FieldI)] = float(k - 1);
        }
    c.nlev = 3;
    c.levels[0] = 2.5f, c.levels[1] = 7.25f, c.levels[2] = -1.0f;
    c.run();
    EXPECT_EQ(c.counts[0], 10);
    EXPECT_EQ(c.counts[1], 10);
    EXPECT_EQ(c.counts[2], 0);
    for (int s = 1; s <= 10; ++s) {
        EXPECT_FLOAT_EQ(c.x1[cap::At2(s, 1, cap::Segments)], 2.5f);
        EXPECT_FLOAT_EQ(c.x2[cap::At2(s, 2, cap::Segments)], 7.25f);
        EXPECT_FLOAT_EQ(std::abs(c.y2[cap::At2(s, 2, cap::Segments)] - c.y1[cap::At2(s, 2, cap::Segments)]), 1.0f);
    }
    EXPECT_EQ(c.x1[cap::At2(11, 1, cap::Segments)], -5.0f);
}

} // namespace
} // namespace ribcraft::airfoil
