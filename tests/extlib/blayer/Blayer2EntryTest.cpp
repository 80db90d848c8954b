// The fixed entry point: where results land in the caller's column-major
// arrays, what it refuses, and that it never writes past the capacities.

#include "extlib/Capacities.h"
#include "extlib/blayer/Blayer2.h"
#include "extlib/blayer/KellerBox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

namespace cap = ribcraft::cap;
constexpr double untouched = -12345.0;
constexpr int guard = 64; // extra entries past each capacity that must stay untouched
constexpr double nanValue = std::numeric_limits<double>::quiet_NaN();

// The caller's workspace, each array followed by a guard band.
struct Workspace {
    std::vector<double> s = std::vector<double>(cap::BlStations + guard, 0.0);
    std::vector<double> ue = std::vector<double>(cap::BlStations + guard, 0.0);
    std::vector<double> y = std::vector<double>(cap::BlStations * cap::BlProfilePoints + guard, untouched);
    std::vector<double> u = std::vector<double>(cap::BlStations * cap::BlProfilePoints + guard, untouched);
    std::vector<double> shear = std::vector<double>(cap::BlStations + guard, untouched);
    std::vector<double> thick = std::vector<double>(cap::BlStations * cap::BlThicknessColumns + guard, untouched);
    double re = 1e6, rough = 0, height = 50;
    int32_t stations = 0, solved = 32, code = 2;

    void plate(int count, double length) {
        stations = count;
        for (int k = 0; k < count; ++k) {
            s[k] = length * k / (count - 1);
            ue[k] = 1.0;
        }
    }
    void call() { Blayer2(s[0], ue[0], re, y[0], u[0], shear[0], thick[0], stations, solved, rough, code, height); }
    double Y(int i, int j) const { return y[cap::At2(i, j, cap::BlStations)]; }
    double U(int i, int j) const { return u[cap::At2(i, j, cap::BlStations)]; }
    double T(int i, int c) const { return thick[cap::At2(i, c, cap::BlStations)]; }
    bool outputsUntouched() const {
        for (const auto* a : {&y, &u, &shear, &thick})
            for (double v : *a)
                if (v != untouched) return false;
        return true;
    }
};

TEST(Blayer2Entry, WritesEachStationInColumnMajorLayout) {
    Workspace w;
    w.plate(21, 0.5);
    w.code = 0;
    w.call();
    ASSERT_EQ(w.solved, 21);
    const int points = 33;
    for (int i = 2; i <= 21; ++i) {
        EXPECT_EQ(w.Y(i, 1), 0.0);
        EXPECT_EQ(w.U(i, 1), 0.0);
        EXPECT_NEAR(w.U(i, points), 1.0, 1e-12); // the top of the grid is at the edge velocity
        for (int j = 2; j <= points; ++j)
            EXPECT_GT(w.Y(i, j), w.Y(i, j - 1));
        // The top of the grid is at eta = 50, y = 50 sqrt(s / Re).
        EXPECT_NEAR(w.Y(i, points), 50.0 * std::sqrt(w.s[i - 1] / w.re), 1e-12);
        // Columns delta, delta*, theta, energy thickness: for Blasius 4.91, 1.72, 0.664, 1.04 times sqrt(s/Re).
        const double scale = std::sqrt(w.s[i - 1] / w.re);
        EXPECT_NEAR(w.T(i, 1) / scale, 4.91, 0.1);
        EXPECT_NEAR(w.T(i, 2) / scale, 1.7208, 0.03);
        EXPECT_NEAR(w.T(i, 3) / scale, 0.664, 0.015);
        EXPECT_NEAR(w.T(i, 4) / scale, 1.044, 0.03);
        // Cf = WallShear / Ue^2 is the skin-friction coefficient 0.664 / sqrt(Re_x).
        EXPECT_NEAR(w.shear[i - 1] * std::sqrt(w.re * w.s[i - 1]), 0.664, 0.02);
    }
    // Nothing beyond the profile points of the call or the solved stations.
    EXPECT_EQ(w.Y(2, points + 1), untouched);
    EXPECT_EQ(w.Y(22, 1), untouched);
    EXPECT_EQ(w.shear[21], untouched);
    EXPECT_EQ(w.T(22, 2), untouched);
}

TEST(Blayer2Entry, RefusesBadArgumentsWithoutWriting) {
    struct Bad {
        const char* what;
        void (*spoil)(Workspace&);
    };
    const Bad cases[] = {
        {"no stations", [](Workspace& w) { w.stations = 0; }},
        {"too many stations", [](Workspace& w) { w.stations = cap::BlStations + 1; }},
        {"too many profile points", [](Workspace& w) { w.solved = cap::BlProfilePoints; }},
        {"too few profile points", [](Workspace& w) { w.solved = 1; }},
        {"zero Reynolds number", [](Workspace& w) { w.re = 0; }},
        {"Reynolds number not a number", [](Workspace& w) { w.re = nanValue; }},
        {"negative grid height", [](Workspace& w) { w.height = -10; }},
        {"negative roughness", [](Workspace& w) { w.rough = -1; }},
        {"unknown transition code", [](Workspace& w) { w.code = 3; }},
        {"edge velocity not a number", [](Workspace& w) { w.ue[5] = nanValue; }},
        {"infinite arc length", [](Workspace& w) { w.s[7] = std::numeric_limits<double>::infinity(); }},
    };
    for (const Bad& b : cases) {
        Workspace w;
        w.plate(20, 1.0);
        b.spoil(w);
        w.call();
        EXPECT_EQ(w.solved, 0) << b.what;
        EXPECT_TRUE(w.outputsUntouched()) << b.what;
    }
}

TEST(Blayer2Entry, FullCapacityStaysInsideTheArrays) {
    Workspace w;
    w.plate(cap::BlStations, 1.0);
    w.solved = cap::BlProfilePoints - 1;
    w.code = 0;
    w.call();
    EXPECT_EQ(w.solved, cap::BlStations);
    for (int k = 0; k < guard; ++k) {
        EXPECT_EQ(w.y[cap::BlStations * cap::BlProfilePoints + k], untouched);
        EXPECT_EQ(w.u[cap::BlStations * cap::BlProfilePoints + k], untouched);
        EXPECT_EQ(w.shear[cap::BlStations + k], untouched);
        EXPECT_EQ(w.thick[cap::BlStations * cap::BlThicknessColumns + k], untouched);
    }
}

TEST(Blayer2Entry, StopsAtTheLastGoodStation) {
    // The edge velocity falls to zero at station 31 and the arc length repeats
    // at station 16 in the second case: the march keeps what it solved before.
    Workspace w;
    w.plate(40, 1.0);
    for (int k = 30; k < 40; ++k)
        w.ue[k] = 0.0;
    w.call();
    EXPECT_GT(w.solved, 1);
    EXPECT_LE(w.solved, 30);
    for (int i = 1; i <= w.solved; ++i) {
        EXPECT_TRUE(std::isfinite(w.shear[i - 1]));
        for (int c = 1; c <= 4; ++c)
            EXPECT_TRUE(std::isfinite(w.T(i, c)));
        for (int j = 1; j <= 33; ++j)
            EXPECT_TRUE(std::isfinite(w.U(i, j)) && std::isfinite(w.Y(i, j)));
    }
    Workspace d;
    d.plate(40, 1.0);
    d.s[15] = d.s[14];
    d.call();
    EXPECT_EQ(d.solved, 15);
}

TEST(Blayer2Entry, StagnationStartHasTheHiemenzThickness) {
    // Ue = 2 s near a blunt nose: the layer starts with the finite thickness
    // of the stagnation-point flow, delta* = 0.6479 / sqrt(Re dUe/ds), and no wall shear.
    Workspace w;
    w.stations = 30;
    for (int k = 0; k < 30; ++k) {
        w.s[k] = 0.002 * k;
        w.ue[k] = 2.0 * w.s[k];
    }
    w.code = 0;
    w.height = 20;
    w.call();
    ASSERT_EQ(w.solved, 30);
    EXPECT_EQ(w.shear[0], 0.0);
    const double expected = 0.6479 / std::sqrt(w.re * 2.0);
    for (int i : {1, 10, 30})
        EXPECT_NEAR(w.T(i, 2), expected, 0.02 * expected) << "station " << i;
}

TEST(Blayer2Entry, FirstStationNearTheStagnationPointHasTheHiemenzThickness) {
    // The surface's first station lies a little past the stagnation point, at
    // s = 0 but with a finite edge velocity: Ue = a (s + d). The layer there
    // is the stagnation-point flow of the nose, delta* = 0.6479 / sqrt(Re a)
    // and theta = 0.2923 / sqrt(Re a), and it stays so while Ue grows
    // linearly. Tolerance 2 % (32 grid intervals).
    const double a = 2.0, d = 0.0007;
    Workspace w;
    w.stations = 30;
    for (int k = 0; k < 30; ++k) {
        w.s[k] = 0.002 * k;
        w.ue[k] = a * (w.s[k] + d);
    }
    w.code = 0;
    w.height = 20;
    w.call();
    ASSERT_EQ(w.solved, 30);
    const double root = std::sqrt(w.re * a);
    for (int i : {1, 2, 10, 30}) {
        EXPECT_NEAR(w.T(i, 2) * root, 0.6479, 0.02 * 0.6479) << "station " << i;
        EXPECT_NEAR(w.T(i, 3) * root, 0.2923, 0.02 * 0.2923) << "station " << i;
        // tau_w of Hiemenz flow: Cf = 2 * 1.2326 / sqrt(Re_x) with x from the stagnation point.
        const double rex = w.re * w.ue[i - 1] * (w.s[i - 1] + d);
        EXPECT_NEAR(w.shear[i - 1] / (w.ue[i - 1] * w.ue[i - 1]) * std::sqrt(rex), 2.4652, 0.02 * 2.4652);
    }
}

TEST(Blayer2Entry, SharpLeadingEdgeStartsWithZeroThickness) {
    // A flat plate, and a mildly accelerating plate, begin at a sharp edge
    // with Ue already finite: no thickness at s = 0, Blasius-like after it.
    for (double slope : {0.0, 0.5}) {
        Workspace w;
        w.plate(21, 0.5);
        for (int k = 0; k < 21; ++k)
            w.ue[k] = 1.0 + slope * w.s[k];
        w.code = 0;
        w.call();
        ASSERT_EQ(w.solved, 21);
        EXPECT_EQ(w.T(1, 2), 0.0) << "slope " << slope;
        EXPECT_EQ(w.T(1, 3), 0.0) << "slope " << slope;
        EXPECT_NEAR(w.T(2, 3) / std::sqrt(w.s[1] / (w.re * w.ue[1])), 0.664, 0.03) << "slope " << slope;
    }
}

TEST(KellerGrid, GrowsGeometricallyToTheRequestedHeight) {
    const auto g = ribcraft::blayer::MakeGrid(32, 50.0, 0.01);
    ASSERT_EQ(g.intervals(), 32);
    EXPECT_DOUBLE_EQ(g.eta.back(), 50.0);
    EXPECT_NEAR(g.h[1], 0.01, 1e-9);
    const double ratio = g.h[2] / g.h[1];
    EXPECT_GT(ratio, 1.0);
    for (int j = 2; j <= 32; ++j)
        EXPECT_NEAR(g.h[j] / g.h[j - 1], ratio, 1e-9);
    // A first step coarser than uniform gives the uniform grid.
    const auto u = ribcraft::blayer::MakeGrid(10, 10.0, 5.0);
    for (int j = 1; j <= 10; ++j)
        EXPECT_NEAR(u.h[j], 1.0, 1e-12);
}

} // namespace
