// SPDX-License-Identifier: MIT
// The 21-argument entry: what it writes, what it leaves alone, and its cache.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

#include "extlib/airfoil/Airfoil.h"
#include "extlib/airfoil/NacaSection.h"
#include "extlib/airfoil/PanelSolver.h"

namespace ribcraft::airfoil {
namespace {

constexpr float kSentinel = -777.0f;

// The callers' storage: 1-based arrays of the declared capacities, element 1 passed.
struct Call {
    int32_t section = 12, h = 60, reserved = 0, nUpper = 0, nLower = 0, raw = 0, mode = 0;
    float alpha = 0, cl = kSentinel, cm = kSentinel, flap = 0, hinge = 0;
    std::array<float, cap::Outline + 1> x{}, y{}, dist{}, cp{}, v{};
    std::array<float, cap::RawList + 1> xu{}, yu{}, xl{}, yl{};
    Call() {
        for (auto* a : {&x, &y, &dist, &cp, &v})
            a->fill(kSentinel);
    }
    void run() {
        Airfoil(section, alpha, x[1], dist[1], y[1], cp[1], v[1], cl, cm, flap, hinge, h, reserved, yu[1], yl[1], xu[1],
                xl[1], nUpper, nLower, raw, mode);
    }
    bool untouched() const {
        for (auto* a : {&x, &y, &dist, &cp, &v})
            for (float f : *a)
                if (f != kSentinel) return false;
        return cl == kSentinel && cm == kSentinel;
    }
};

TEST(AirfoilEntry, WritesOutlineAndDistributionWithinTheirCounts) {
    Call c;
    c.section = 2412;
    c.alpha = 4.0f;
    c.run();
    const int h = 60, n = 2 * h;
    const Outline o = *BuildNacaOutline(2412, h);
    PanelSolver solver;
    ASSERT_TRUE(solver.setOutline(o));
    SurfaceSolution s;
    solver.solve(4.0, s);
    EXPECT_EQ(c.x[0], kSentinel);
    for (int i = 1; i <= n + 1; ++i) {
        EXPECT_FLOAT_EQ(c.x[i], static_cast<float>(o.x[i - 1]));
        EXPECT_FLOAT_EQ(c.y[i], static_cast<float>(o.y[i - 1]));
    }
    EXPECT_EQ(c.x[1], 1.0f);
    EXPECT_EQ(c.x[n + 1], 1.0f);
    EXPECT_EQ(c.x[h + 1], 0.0f);
    for (int i = 1; i <= n; ++i) {
        EXPECT_FLOAT_EQ(c.dist[i], static_cast<float>(s.distX[i - 1]));
        EXPECT_FLOAT_EQ(c.cp[i], static_cast<float>(s.cp[i - 1]));
        EXPECT_FLOAT_EQ(c.v[i], static_cast<float>(s.v[i - 1]));
    }
    EXPECT_FLOAT_EQ(c.cl, static_cast<float>(s.cl));
    EXPECT_FLOAT_EQ(c.cm, static_cast<float>(s.cmLe));
    // Nothing past the counts.
    EXPECT_EQ(c.x[n + 2], kSentinel);
    EXPECT_EQ(c.dist[n + 1], kSentinel);
    EXPECT_EQ(c.v[n + 1], kSentinel);

    // The largest count fills the arrays exactly.
    Call big;
    big.h = kMaxSurfacePoints;
    big.run();
    EXPECT_EQ(big.x[2 * kMaxSurfacePoints + 1], 1.0f);
}

TEST(AirfoilEntry, InvalidInputLeavesEveryOutputUntouched) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    auto check = [](auto change) {
        Call c;
        change(c);
        c.run();
        return c.untouched();
    };
    EXPECT_TRUE(check([](Call& c) { c.section = 0; }));
    EXPECT_TRUE(check([](Call& c) { c.section = 26012; }));
    EXPECT_TRUE(check([](Call& c) { c.section = -2412; }));
    EXPECT_TRUE(check([&](Call& c) { c.alpha = nan; }));
    EXPECT_TRUE(check([](Call& c) { c.alpha = std::numeric_limits<float>::infinity(); }));
    EXPECT_TRUE(check([&](Call& c) { c.flap = nan, c.hinge = 0.8f; }));
    EXPECT_TRUE(check([](Call& c) { c.h = 1; }));
    EXPECT_TRUE(check([](Call& c) { c.h = kMaxSurfacePoints + 1; }));
    EXPECT_TRUE(check([](Call& c) { c.h = -5; }));
    EXPECT_TRUE(check([](Call& c) { c.mode = 2; }));
    EXPECT_TRUE(check([](Call& c) { c.raw = 7; }));
    // File lists: one point, a count past the capacity, NaN.
    EXPECT_TRUE(check([](Call& c) { c.raw = 1, c.nUpper = 1, c.nLower = 1; }));
    EXPECT_TRUE(check([](Call& c) { c.raw = 1, c.nUpper = 100000, c.nLower = 3; }));
    EXPECT_TRUE(check([&](Call& c) {
        c.raw = 1, c.nUpper = c.nLower = 3;
        c.xu = c.xl = {0, 0, 0.5f, 1};
        c.yu = {0, 0, 0.1f, 0}, c.yl = {0, 0, nan, 0};
    }));
    // A passed outline without area: the outline arrays are inputs, the results stay.
    Call flat;
    flat.mode = 1;
    for (int i = 1; i <= 121; ++i)
        flat.x[i] = std::abs(i - 61) / 60.0f, flat.y[i] = 0.0f;
    flat.run();
    EXPECT_EQ(flat.cl, kSentinel);
    EXPECT_EQ(flat.dist[1], kSentinel);
}

TEST(AirfoilEntry, FileListsFlapAndPassedOutline) {
    // A file section (section number ignored) through the entry equals the
    // generated one closely; with flag 0 the lists are ignored whatever they hold.
    Call file;
    file.section = 0;
    file.raw = 1;
    const NacaSection s = *DecodeNacaSection(12);
    file.nUpper = file.nLower = 81;
    for (int k = 0; k < 81; ++k) {
        const double x = 0.5 * (1.0 - std::cos(std::numbers::pi * k / 80));
        file.xu[k + 1] = file.xl[k + 1] = static_cast<float>(x);
        file.yu[k + 1] = static_cast<float>(NacaHalfThickness(s.thickness, x));
        file.yl[k + 1] = -file.yu[k + 1];
    }
    file.alpha = 5.0f;
    file.run();
    Call naca;
    naca.alpha = 5.0f;
    naca.nUpper = 100000; // ignored with flag 0
    naca.run();
    EXPECT_NEAR(file.cl, naca.cl, 2e-3);
    for (int i = 1; i <= 121; ++i)
        EXPECT_NEAR(file.y[i], naca.y[i], 2e-5);

    // Flap: trailing edge down, more lift; a zero deflection is no flap.
    Call flapped;
    flapped.flap = 0.1745329f, flapped.hinge = 0.8f;
    flapped.run();
    EXPECT_NEAR(flapped.y[1], -0.2 * std::sin(0.1745329), 1e-6);
    Call plain, zero;
    plain.run();
    zero.hinge = 0.8f;
    zero.run();
    EXPECT_GT(flapped.cl, plain.cl + 0.3f);
    EXPECT_EQ(zero.y, plain.y);

    // Mode 1 solves the outline passed in and leaves it as it was.
    Call displaced = flapped;
    displaced.mode = 1;
    for (int i = 1; i <= 121; ++i)
        displaced.y[i] *= 1.1f;
    const auto x = displaced.x, y = displaced.y;
    displaced.run();
    EXPECT_EQ(displaced.x, x);
    EXPECT_EQ(displaced.y, y);
    EXPECT_NE(displaced.cl, flapped.cl);
    EXPECT_NEAR(displaced.cl, flapped.cl, 0.1);
}

TEST(AirfoilEntry, CachedSolutionsEqualFreshOnes) {
    // Angle only, then a change of the raw lists in place with the same counts,
    // then back: each result equals that of a solver built afresh.
    Call c;
    c.raw = 1;
    c.nUpper = c.nLower = 3;
    c.xu = c.xl = {0, 0, 0.3f, 1};
    c.yu = {0, 0, 0.06f, 0};
    c.yl = {0, 0, -0.06f, 0};
    auto fresh = [](const Call& call) {
        Call f = call;
        f.section = 2412, f.raw = 0;
        f.run(); // two other sections empty the cache
        f.section = 4412;
        f.run();
        f.section = call.section, f.raw = call.raw;
        f.run();
        return f;
    };
    for (float alpha : {0.0f, 3.0f, -2.0f}) {
        c.alpha = alpha;
        c.run();
        const Call f = fresh(c);
        EXPECT_EQ(c.cl, f.cl);
        EXPECT_EQ(c.v, f.v);
    }
    const float before = c.cl;
    c.yu[2] = 0.08f;
    c.run();
    EXPECT_NE(c.cl, before);
    EXPECT_EQ(c.cl, fresh(c).cl);
}

// A polar sweep alternates the plain section with a displaced outline that
// is new at every angle; both kinds of call give what a solver built afresh
// for that outline gives, to the bit, while the plain section stays kept.
// Threads keep their own outlines: the same calls on two threads at once give
// the same numbers as one after the other.
TEST(AirfoilEntry, PlainAndDisplacedOutlinesAlternateAndThreadsKeepTheirOwn) {
    auto expected = [](const Outline& o, float alpha) {
        PanelSolver solver;
        SurfaceSolution s;
        EXPECT_TRUE(solver.setOutline(o));
        EXPECT_TRUE(solver.solve(alpha, s));
        return s;
    };
    auto sweep = [&](int32_t section, std::vector<float>& cls) {
        const Outline plain = *BuildNacaOutline(section, 40);
        for (int k = 0; k < 6; ++k) {
            Call c;
            c.section = section, c.h = 40, c.alpha = float(-10 + 4 * k);
            c.run();
            const SurfaceSolution p = expected(plain, c.alpha);
            EXPECT_EQ(c.cl, static_cast<float>(p.cl));
            EXPECT_EQ(c.v[7], static_cast<float>(p.v[6]));
            cls.push_back(c.cl);
            // The displaced outline: every point moved out a little, differently at each angle.
            Outline displaced;
            for (int i = 0; i <= 80; ++i) {
                c.y[size_t(i) + 1] += (i <= 40 ? -1.0f : 1.0f) * 0.002f * float(k + 1) * c.x[size_t(i) + 1];
                displaced.x.push_back(c.x[size_t(i) + 1]);
                displaced.y.push_back(c.y[size_t(i) + 1]);
            }
            c.mode = 1;
            c.run();
            const SurfaceSolution d = expected(displaced, c.alpha);
            EXPECT_EQ(c.cl, static_cast<float>(d.cl));
            EXPECT_EQ(c.cm, static_cast<float>(d.cmLe));
            cls.push_back(c.cl);
        }
    };
    std::vector<float> serial12, serial4412, threaded12, threaded4412;
    sweep(12, serial12);
    sweep(4412, serial4412);
    std::thread other([&] { sweep(4412, threaded4412); });
    sweep(12, threaded12);
    other.join();
    EXPECT_EQ(threaded12, serial12);
    EXPECT_EQ(threaded4412, serial4412);
}

} // namespace
} // namespace ribcraft::airfoil
