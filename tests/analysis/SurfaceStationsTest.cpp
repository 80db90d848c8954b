// SPDX-License-Identifier: MIT
// The station layout every boundary layer is marched on.

#include "analysis/SurfaceStations.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

#include "JoukowskiSection.h"

namespace ribcraft {
namespace {

using testing::joukowskiSection;
using testing::SectionSample;

SurfaceDistribution distributionOf(const SectionSample& s) {
    return {std::span<const float>(s.x).subspan(1, size_t(s.n) + 1),
            std::span<const float>(s.y).subspan(1, size_t(s.n) + 1),
            std::span<const float>(s.v).subspan(1, size_t(s.n)), s.n};
}

// The same section reflected in the chord line, in outline order again:
// point p becomes point N + 2 - p and panel i panel N + 1 - i. The flow about
// it at -alpha is the reflection of the flow at alpha.
SectionSample mirrored(const SectionSample& s) {
    SectionSample m = s;
    for (int p = 1; p <= s.n + 1; ++p) {
        m.x[size_t(p)] = s.x[size_t(s.n + 2 - p)];
        m.y[size_t(p)] = -s.y[size_t(s.n + 2 - p)];
    }
    for (int i = 1; i <= s.n; ++i)
        m.v[size_t(i)] = s.v[size_t(s.n + 1 - i)];
    return m;
}

void expectSameStations(const SurfaceStations& a, const SurfaceStations& b) {
    ASSERT_EQ(a.count, b.count);
    for (int m = 1; m <= a.count; ++m) {
        SCOPED_TRACE(m);
        EXPECT_NEAR(a.s[size_t(m)], b.s[size_t(m)], 1e-6);
        EXPECT_EQ(a.ue[size_t(m)], b.ue[size_t(m)]);
        EXPECT_NEAR(a.x[size_t(m)], b.x[size_t(m)], 1e-7);
    }
}

TEST(SurfaceStations, MirroredSectionAtMirroredAngleSwapsTheSurfaces) {
    for (int n : {60, 120, 160})
        for (double alpha : {0.0, 0.3, 4.0, -7.0, 15.0}) {
            SCOPED_TRACE(::testing::Message() << n << " points, " << alpha << " degrees");
            const SectionSample s = joukowskiSection(n, alpha), m = mirrored(s);
            StationLayout a, b;
            ASSERT_TRUE(BuildStations(distributionOf(s), a));
            ASSERT_TRUE(BuildStations(distributionOf(m), b));
            expectSameStations(a.first, b.second);
            expectSameStations(a.second, b.first);
            EXPECT_NEAR(a.StagX, b.StagX, 1e-7);
            EXPECT_NEAR(a.StagY, -b.StagY, 1e-7);
            // Both surfaces together are the whole outline.
            double perimeter = 0;
            for (int p = 1; p <= n; ++p)
                perimeter += std::hypot(double(s.x[size_t(p + 1)]) - s.x[size_t(p)],
                                        double(s.y[size_t(p + 1)]) - s.y[size_t(p)]);
            EXPECT_NEAR(a.first.s[size_t(a.first.count)] + a.second.s[size_t(a.second.count)], perimeter, 1e-9);
        }
}

TEST(SurfaceStations, EachSurfaceRunsFromTheStagnationPointToItsTrailingEdge) {
    const int n = 120;
    const SectionSample s = joukowskiSection(n, 5);
    StationLayout l;
    ASSERT_TRUE(BuildStations(distributionOf(s), l));
    for (const SurfaceStations* st : {&l.first, &l.second}) {
        EXPECT_EQ(st->s[1], 0);
        EXPECT_EQ(st->ue[1], 0);
        EXPECT_EQ(st->panel[1], 0);
        for (int m = 2; m <= st->count; ++m)
            EXPECT_GT(st->s[size_t(m)], st->s[size_t(m - 1)]) << m;
        // Midpoint stations carry their own panel's speed; the closing station
        // the speed of the last panel.
        for (int m = 2; m < st->count; ++m)
            EXPECT_EQ(st->ue[size_t(m)], s.v[size_t(st->panel[size_t(m)])]) << m;
        EXPECT_EQ(st->panel[size_t(st->count)], 0);
        EXPECT_EQ(st->x[size_t(st->count)], s.x[1]);
    }
    EXPECT_EQ(l.first.panel[size_t(l.first.count - 1)], 1);
    EXPECT_EQ(l.second.panel[size_t(l.second.count - 1)], n);
    EXPECT_EQ(l.first.count + l.second.count, n + 4); // every panel once, two stagnation and two closing stations
}

// The stagnation point of the exact flow about the Joukowski section lies at
// circle angle pi + 2 alpha. The layout finds it between two midpoints by
// interpolating the signed speed: on the polygon of the outline, so within its
// sagitta at the nose (5e-5 chord here) plus a small part of a panel length
// (2e-4 chord, a twentieth of the panels there),
// and it moves continuously with the angle.
TEST(SurfaceStations, StagnationPointOfTheExactFlow) {
    const double pi = 4 * std::atan(1.0), m = 0.09;
    const double leading = -(1 + 2 * m) - 1 / (1 + 2 * m), chord = 2 - leading;
    double previousX = 0;
    for (double alpha = 0; alpha <= 8.0001; alpha += 0.25) {
        SCOPED_TRACE(alpha);
        const SectionSample s = joukowskiSection(240, alpha);
        StationLayout l;
        ASSERT_TRUE(BuildStations(distributionOf(s), l));
        const auto zeta = testing::joukowskiCircle(m, pi + 2 * alpha * pi / 180);
        const auto z = zeta + 1.0 / zeta;
        EXPECT_NEAR(l.StagX, (z.real() - leading) / chord, 2e-4);
        EXPECT_NEAR(l.StagY, z.imag() / chord, 5e-4);
        EXPECT_LT(l.StagY, 1e-12); // on the lower surface at positive incidence
        if (alpha > 0) {
            EXPECT_GT(l.StagX, previousX); // moving back along the lower surface
        }
        previousX = l.StagX;
    }
}

TEST(SurfaceStations, StagnationSearch) {
    const float x[] = {1.0f, 0.5f, 0.0f, 0.5f, 1.0f, 1.0f};
    // Front-half panels are 2 and 3 (midpoints at x = 0.25); the last of equal minima wins.
    const float ties[] = {0.9f, 0.2f, -0.2f, 0.7f};
    EXPECT_EQ(FindStagnationPanel(x, ties, 4), 3);
    const float w[] = {0.3f, 0.01f, 0.4f, -0.02f};
    EXPECT_EQ(FindStagnationPanel(x, w, 4), 2);
    // A slow trailing-edge panel (a flap, or the rear stagnation point) is no
    // front stagnation point.
    const float rear[] = {0.0f, 0.5f, 0.6f, 0.0f};
    EXPECT_EQ(FindStagnationPanel(x, rear, 4), 2);
    // Nothing at or below 10000: none.
    const float fast[] = {20000.0f, 20000.0f, 20000.0f, 20000.0f};
    EXPECT_EQ(FindStagnationPanel(x, fast, 4), 0);
}

TEST(SurfaceStations, UnusableDistributionsAreRefused) {
    const SectionSample good = joukowskiSection(60, 2);
    StationLayout l;
    ASSERT_TRUE(BuildStations(distributionOf(good), l));
    SectionSample nanV = good;
    nanV.v[30] = NAN;
    EXPECT_FALSE(BuildStations(distributionOf(nanV), l));
    SectionSample infX = good;
    infX.x[20] = INFINITY;
    EXPECT_FALSE(BuildStations(distributionOf(infX), l));
    SectionSample twice = good; // two points in one place: a panel of no length
    twice.x[11] = twice.x[10], twice.y[11] = twice.y[10];
    EXPECT_FALSE(BuildStations(distributionOf(twice), l));
    SurfaceDistribution shortSpan = distributionOf(good);
    shortSpan.x = shortSpan.x.first(size_t(good.n)); // without the closing point
    EXPECT_FALSE(BuildStations(shortSpan, l));
}

// Offsets move every point out along its normal by its surface's thickness:
// a constant thickness t gives |offset| = t |n_y|, upwards on the upper
// surface and downwards on the lower, and a mirrored section mirrored offsets.
TEST(SurfaceStations, OutlineOffsetsFollowTheSurfaces) {
    const int n = 80;
    const SectionSample s = joukowskiSection(n, 0);
    StationLayout l;
    ASSERT_TRUE(BuildStations(distributionOf(s), l));
    std::vector<double> first(size_t(l.first.count) + 1), second(size_t(l.second.count) + 1);
    for (int m = 1; m <= l.first.count; ++m)
        first[size_t(m)] = 0.01 * l.first.s[size_t(m)];
    for (int m = 1; m <= l.second.count; ++m)
        second[size_t(m)] = 0.01 * l.second.s[size_t(m)];
    const std::vector<double> dy = OutlineOffsets(distributionOf(s), l, first, second);
    for (int p = 1; p <= n + 1; ++p) {
        SCOPED_TRACE(p);
        EXPECT_NEAR(dy[size_t(p)], -dy[size_t(n + 2 - p)], 1e-9);
        if (p <= n / 2) {
            EXPECT_LT(dy[size_t(p)], 0);
        }
        // Thickness linear in arc length is met exactly at every point.
        EXPECT_LE(std::abs(dy[size_t(p)]), 0.01 * std::abs(l.pointArc[size_t(p)]) + 1e-12);
    }
    EXPECT_NEAR(dy[size_t(n / 2 + 1)], 0, 1e-12); // the stagnation point at the nose
}

} // namespace
} // namespace ribcraft
