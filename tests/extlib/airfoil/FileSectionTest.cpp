// SPDX-License-Identifier: MIT
// Sections from coordinate-file lists: resampling, uneven ends, validation.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "extlib/airfoil/FileSection.h"
#include "extlib/airfoil/NacaSection.h"

namespace ribcraft::airfoil {
namespace {

// NACA 2412 points straight from its formulas, upper and lower with their own
// counts and spacing (half-cosine on one side, cosine on the other).
RawSection Naca2412Lists(int nUpper, int nLower) {
    const NacaSection s = *DecodeNacaSection(2412);
    RawSection raw;
    for (int k = 0; k < nUpper; ++k) {
        const double x = 1.0 - std::cos(0.5 * std::numbers::pi * k / (nUpper - 1));
        raw.xUpper.push_back(x);
        raw.yUpper.push_back(NacaMeanLine(s, x) + NacaHalfThickness(0.12, x));
    }
    for (int k = 0; k < nLower; ++k) {
        const double x = 0.5 * (1.0 - std::cos(std::numbers::pi * k / (nLower - 1)));
        raw.xLower.push_back(x);
        raw.yLower.push_back(NacaMeanLine(s, x) - NacaHalfThickness(0.12, x));
    }
    return raw;
}

// What the lists describe, sampled at the cosine stations: the thickness of
// these lists is laid off vertically, so this is the outline to reproduce.
Outline Reference2412() {
    const NacaSection s = *DecodeNacaSection(2412);
    const std::vector<double> stations = CosineStations(60);
    std::vector<double> upper, lower;
    for (double x : stations) {
        upper.push_back(NacaMeanLine(s, x) + NacaHalfThickness(0.12, x));
        lower.push_back(NacaMeanLine(s, x) - NacaHalfThickness(0.12, x));
    }
    upper.back() = lower.back() = 0.0;
    return JoinSurfaces(stations, upper, lower);
}

double MaxDifference(const Outline& a, const Outline& b) {
    double d = 0.0;
    for (size_t i = 0; i < a.x.size(); ++i)
        d = std::max({d, std::abs(a.x[i] - b.x[i]), std::abs(a.y[i] - b.y[i])});
    return d;
}

TEST(FileSection, ResamplesUnevenListsOntoTheStations) {
    const Outline reference = Reference2412();
    const auto o = BuildFileOutline(Naca2412Lists(90, 61), 60);
    ASSERT_TRUE(o);
    EXPECT_LT(MaxDifference(*o, reference), 2e-4);
    // Loop order and mirror stations as for generated sections.
    EXPECT_EQ(o->x[0], 1.0);
    EXPECT_EQ(o->x[120], 1.0);
    EXPECT_EQ(o->x[60], 0.0);
    EXPECT_EQ(o->y[60], 0.0);
    for (int k = 0; k <= 60; ++k)
        EXPECT_EQ(o->x[60 - k], o->x[60 + k]);
}

TEST(FileSection, ListsThatDoNotShareTheirEndsOrUseAnotherScale) {
    const Outline reference = Reference2412();
    // Lower list without the leading-edge point: the spline still finds the nose.
    RawSection noNose = Naca2412Lists(90, 61);
    noNose.xLower.erase(noNose.xLower.begin());
    noNose.yLower.erase(noNose.yLower.begin());
    EXPECT_LT(MaxDifference(*BuildFileOutline(noNose, 60), reference), 1e-3);

    // Percent of chord and moved: scaled and moved back, not rotated.
    RawSection percent = Naca2412Lists(90, 61);
    for (auto* v : {&percent.xUpper, &percent.xLower})
        for (double& x : *v)
            x = 100.0 * x + 5.0;
    for (auto* v : {&percent.yUpper, &percent.yLower})
        for (double& y : *v)
            y = 100.0 * y - 3.0;
    EXPECT_LT(MaxDifference(*BuildFileOutline(percent, 60), reference), 2e-4);

    // Open trailing edge (2 % gap): closed onto the middle, the nose untouched.
    RawSection open = Naca2412Lists(90, 61);
    for (size_t i = 0; i < open.xUpper.size(); ++i)
        open.yUpper[i] += 0.01 * open.xUpper[i];
    for (size_t i = 0; i < open.xLower.size(); ++i)
        open.yLower[i] -= 0.01 * open.xLower[i];
    const auto closed = BuildFileOutline(open, 60);
    EXPECT_EQ(closed->y.front(), closed->y.back());
    EXPECT_LT(MaxDifference(*closed, reference), 2e-4);
}

TEST(FileSection, RefusesListsThatCannotBuildASection) {
    const RawSection good = Naca2412Lists(40, 30);
    ASSERT_TRUE(CanBuildFileSection(good));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto broken = [&](auto change) {
        RawSection r = good;
        change(r);
        return r;
    };
    const RawSection cases[] = {
        broken([](RawSection& r) { r.xUpper.resize(2), r.yUpper.resize(2); }),
        broken([](RawSection& r) { r.xLower.resize(1), r.yLower.resize(1); }),
        broken([&](RawSection& r) { r.yUpper[5] = nan; }),
        broken([](RawSection& r) { r.xLower[3] = std::numeric_limits<double>::infinity(); }),
        broken([](RawSection& r) { std::swap(r.xUpper[4], r.xUpper[5]); }), // x going back
        broken([](RawSection& r) { r.yUpper.pop_back(); }),                 // counts differ
        broken([](RawSection& r) { r.xUpper.assign(r.xUpper.size(), 0.5); }),
        broken([](RawSection& r) { r.xUpper.assign(kMaxRawPoints + 1, 0.0), r.yUpper.assign(kMaxRawPoints + 1, 0.0); }),
    };
    for (const RawSection& r : cases) {
        EXPECT_FALSE(CanBuildFileSection(r));
        EXPECT_FALSE(BuildFileOutline(r, 60));
    }
    EXPECT_FALSE(BuildFileOutline(good, 1));

    // The callers' float lists: counts outside 3..capacity are refused before reading.
    float x[3] = {0.0f, 0.5f, 1.0f}, yu[3] = {0.0f, 0.05f, 0.0f}, yl[3] = {0.0f, -0.05f, 0.0f};
    EXPECT_TRUE(CanBuildFileSection(x, yu, 3, x, yl, 3));
    EXPECT_FALSE(CanBuildFileSection(x, yu, 1, x, yl, 3));
    EXPECT_FALSE(CanBuildFileSection(x, yu, 3, x, yl, -4));
    EXPECT_FALSE(ReadRawSection(x, yu, kMaxRawPoints + 1, x, yl, 3));
}

} // namespace
} // namespace ribcraft::airfoil
