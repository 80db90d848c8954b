// The O-grid through the entry point FoilGrid: where its rings lie, that no
// grid lines cross for the sections and mesh settings the program uses, and
// that bad arguments leave the caller's arrays alone.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "extlib/Capacities.h"
#include "extlib/airfoil/Airfoil.h"
#include "extlib/airfoil/NacaSection.h"
#include "extlib/airfoil/OGrid.h"
#include "extlib/airfoil/Outline.h"

namespace ribcraft::airfoil {
namespace {

constexpr float kSentinel = -777.0f;

// The caller's side of a FoilGrid call, arrays at full capacity.
struct GridCall {
    std::vector<float> x, y;
    int32_t count = 0;
    std::vector<float> gx = std::vector<float>(size_t(cap::MeshI) * cap::MeshJ, kSentinel);
    std::vector<float> gy = std::vector<float>(size_t(cap::MeshI) * cap::MeshJ, kSentinel);

    explicit GridCall(const Outline& o) : x(o.x.begin(), o.x.end()), y(o.y.begin(), o.y.end()) {
        count = static_cast<int32_t>(x.size());
    }
    bool run(int32_t ni, int32_t nj, float radius, float cluster) {
        gy[cap::At2(1, 1, cap::MeshI)] = radius;
        gy[cap::At2(1, 2, cap::MeshI)] = cluster;
        const std::vector<float> before = gx;
        int32_t one = 1;
        FoilGrid(x[0], y[0], count, ni, nj, gx[0], gy[0], one);
        return gx != before;
    }
    float X(int k, int j) const { return gx[cap::At2(k, j, cap::MeshI)]; }
    float Y(int k, int j) const { return gy[cap::At2(k, j, cap::MeshI)]; }
};

Outline Naca(int32_t number, int h = 60) {
    auto o = BuildNacaOutline(number, h);
    EXPECT_TRUE(o.has_value());
    return *o;
}

// Twice the signed area of triangle p, q, r.
double Cross(double px, double py, double qx, double qy, double rx, double ry) {
    return (qx - px) * (ry - py) - (qy - py) * (rx - px);
}

struct Setting {
    int32_t number;
    double flapDeg;
    int ni, nj;
    float radius, cluster;
};

class GridShape : public ::testing::TestWithParam<Setting> {};

// Every cell keeps the orientation of the others (both of its triangles):
// no grid line crosses another and no cell folds over.
TEST_P(GridShape, CellsNeitherCrossNorFold) {
    const Setting s = GetParam();
    Outline o = Naca(s.number);
    if (s.flapDeg != 0) ApplyFlap(o, s.flapDeg * M_PI / 180, 0.75, 0.0);
    GridCall call(o);
    ASSERT_TRUE(call.run(s.ni, s.nj, s.radius, s.cluster));
    int positive = 0, negative = 0;
    for (int j = 1; j < s.nj; ++j) {
        for (int k = 1; k < s.ni; ++k) {
            const double a = Cross(call.X(k, j), call.Y(k, j), call.X(k + 1, j), call.Y(k + 1, j), call.X(k + 1, j + 1),
                                   call.Y(k + 1, j + 1));
            const double b = Cross(call.X(k, j), call.Y(k, j), call.X(k + 1, j + 1), call.Y(k + 1, j + 1),
                                   call.X(k, j + 1), call.Y(k, j + 1));
            positive += (a > 0) + (b > 0);
            negative += (a < 0) + (b < 0);
        }
    }
    // k runs clockwise round the section and j outward: counter-clockwise cells.
    EXPECT_EQ(negative, 0) << "folded cells of " << 2 * (s.ni - 1) * (s.nj - 1);
    EXPECT_EQ(positive, 2 * (s.ni - 1) * (s.nj - 1));
}

// Ring 1 is the outline (every second outline point for 61 points about a
// 120-panel outline), both ends at the trailing edge; the last ring is the
// circle of the given radius about mid-chord; distances from the centre grow
// outward along every grid line.
TEST_P(GridShape, RingsRunFromTheSectionToTheCircle) {
    const Setting s = GetParam();
    Outline o = Naca(s.number);
    if (s.flapDeg != 0) ApplyFlap(o, s.flapDeg * M_PI / 180, 0.75, 0.0);
    GridCall call(o);
    ASSERT_TRUE(call.run(s.ni, s.nj, s.radius, s.cluster));
    EXPECT_FLOAT_EQ(call.X(1, 1), call.x[0]);
    EXPECT_FLOAT_EQ(call.Y(s.ni, 1), call.y[0]);
    EXPECT_FLOAT_EQ(call.X(s.ni, 1), call.x[0]);
    if ((call.count - 1) % (s.ni - 1) == 0) {
        const int step = (call.count - 1) / (s.ni - 1);
        for (int k = 1; k <= s.ni; ++k) {
            EXPECT_NEAR(call.X(k, 1), call.x[(k - 1) * step], 1e-6);
            EXPECT_NEAR(call.Y(k, 1), call.y[(k - 1) * step], 1e-6);
        }
    }
    double xMin = 1e9, xMax = -1e9, yMin = 1e9, yMax = -1e9;
    for (size_t i = 0; i < call.x.size(); ++i) {
        xMin = std::min<double>(xMin, call.x[i]), xMax = std::max<double>(xMax, call.x[i]);
        yMin = std::min<double>(yMin, call.y[i]), yMax = std::max<double>(yMax, call.y[i]);
    }
    const double cx = (xMin + xMax) / 2, cy = (yMin + yMax) / 2, chord = xMax - xMin;
    for (int k = 1; k <= s.ni; ++k) {
        EXPECT_NEAR(std::hypot(call.X(k, s.nj) - cx, call.Y(k, s.nj) - cy), s.radius * chord, 1e-5 * s.radius);
        for (int j = 2; j <= s.nj; ++j)
            EXPECT_GT(std::hypot(call.X(k, j) - cx, call.Y(k, j) - cy),
                      std::hypot(call.X(k, j - 1) - cx, call.Y(k, j - 1) - cy))
                << "k " << k << " j " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, GridShape,
                         ::testing::Values(Setting{12, 0, 61, 31, 6, 1.02f}, Setting{12, 0, 41, 21, 10, 1.05f},
                                           Setting{4412, 0, 191, 91, 20, 1.105f}, Setting{4412, 0, 21, 21, 4, 1.0f},
                                           Setting{23012, 20, 61, 31, 6, 1.02f},
                                           Setting{2418, -10, 101, 51, 10, 1.08f}));

TEST(GridRings, SpacingGrowsGeometricallyOutward) {
    // Fractions of the way out: 0 at the section, 1 at the circle, each step
    // the clustering factor times the one before.
    const int nj = 31;
    const double c = 1.05;
    EXPECT_DOUBLE_EQ(RingFraction(1, nj, c), 0.0);
    EXPECT_NEAR(RingFraction(nj, nj, c), 1.0, 1e-12);
    for (int j = 2; j < nj; ++j) {
        const double inner = RingFraction(j, nj, c) - RingFraction(j - 1, nj, c);
        const double outer = RingFraction(j + 1, nj, c) - RingFraction(j, nj, c);
        EXPECT_NEAR(outer / inner, c, 1e-9);
    }
    EXPECT_NEAR(RingFraction(16, 31, 1.0), 0.5, 1e-12); // no clustering: even spacing
}

TEST(GridRefusal, BadArgumentsLeaveTheArraysAlone) {
    GridCall call(Naca(12));
    EXPECT_FALSE(call.run(cap::MeshI + 1, 21, 10, 1.05f));
    EXPECT_FALSE(call.run(41, cap::MeshJ + 1, 10, 1.05f));
    EXPECT_FALSE(call.run(2, 21, 10, 1.05f));
    EXPECT_FALSE(call.run(41, 1, 10, 1.05f));
    EXPECT_FALSE(call.run(41, 21, 0.3f, 1.05f)); // the circle would cut the section
    EXPECT_FALSE(call.run(41, 21, 10, 0.0f));
    EXPECT_FALSE(call.run(41, 21, NAN, 1.05f));
    call.y[7] = INFINITY;
    EXPECT_FALSE(call.run(41, 21, 10, 1.05f));
    for (size_t i = 0; i < call.gx.size(); ++i)
        ASSERT_EQ(call.gx[i], kSentinel);
}

TEST(GridRefusal, WritesNothingOutsideTheRequestedPoints) {
    GridCall call(Naca(12));
    ASSERT_TRUE(call.run(cap::MeshI, cap::MeshJ, 10, 1.05f)); // the largest grid fits
    GridCall small(Naca(12));
    ASSERT_TRUE(small.run(41, 21, 10, 1.05f));
    for (int j = 1; j <= cap::MeshJ; ++j)
        for (int k = 1; k <= cap::MeshI; ++k)
            if (k > 41 || j > 21) {
                ASSERT_EQ(small.X(k, j), kSentinel) << k << ", " << j;
                ASSERT_EQ(small.Y(k, j), kSentinel) << k << ", " << j;
            }
}

} // namespace
} // namespace ribcraft::airfoil
