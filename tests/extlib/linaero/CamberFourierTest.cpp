// SPDX-License-Identifier: MIT
// Fourier coefficients of the thin-airfoil kernel against integrals derived
// by hand for camber lines whose slope is known in closed form.

#include "extlib/linaero/CamberFourier.h"
#include "extlib/linaero/Linaero.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace {

using ribcraft::Result;
using ribcraft::linaero::CamberFourier;
using ribcraft::linaero::FourierCoefficients;

constexpr double pi = std::numbers::pi;

std::vector<double> cosineStations(int intervals) {
    std::vector<double> x(intervals + 1);
    for (int k = 0; k <= intervals; ++k)
        x[k] = (1.0 - std::cos(pi * k / intervals)) / 2.0;
    x.back() = 1.0;
    return x;
}

double thetaOf(double x) {
    return std::acos(1.0 - 2.0 * x);
}

// Two straight pieces meeting at x = xh (a flat plate with a deflected flap):
// slope s1 ahead of the hinge, s2 behind it. With theta_h the hinge angle,
// A0 = alpha - (s1 theta_h + s2 (pi - theta_h)) / pi and
// An = (2 / pi) (s1 - s2) sin(n theta_h) / n.
std::array<double, 9> kinkedLineExact(double alpha, double xh, double s1, double s2) {
    const double th = thetaOf(xh);
    std::array<double, 9> A{};
    A[0] = alpha - (s1 * th + s2 * (pi - th)) / pi;
    for (int n = 1; n < 9; ++n)
        A[n] = 2.0 / pi * (s1 - s2) * std::sin(n * th) / n;
    return A;
}

TEST(CamberFourier, FlatPlateGivesTheAngleAlone) {
    const std::vector<double> x = cosineStations(20), y(x.size(), 0.0);
    const double alpha = 5.0 * pi / 180.0;
    const Result<FourierCoefficients> r = CamberFourier(alpha, x, y, 200);
    ASSERT_TRUE(r.ok()) << r.status().message();
    EXPECT_DOUBLE_EQ(r->A[0], alpha);
    for (int n = 1; n < 9; ++n)
        EXPECT_EQ(r->A[n], 0.0) << n;
    // Cl = pi (2 A0 + A1) = 2 pi alpha: the lift slope of a flat plate.
    EXPECT_NEAR(pi * (2 * r->A[0] + r->A[1]), 2 * pi * alpha, 1e-14);
}

TEST(CamberFourier, StraightPanelsAreIntegratedExactly) {
    // Only the end stations and the hinge: with order <= n - 1 the straight
    // pieces are used as they are, so the result is exact to rounding (1e-12).
    const double xh = 0.7, s1 = 0.0, s2 = -std::tan(10.0 * pi / 180.0);
    const std::vector<double> x = {0.0, xh, 1.0}, y = {0.0, 0.0, s2 * (1.0 - xh)};
    const auto exact = kinkedLineExact(0.03, xh, s1, s2);
    const Result<FourierCoefficients> r = CamberFourier(0.03, x, y, 1);
    ASSERT_TRUE(r.ok());
    for (int n = 0; n < 9; ++n)
        EXPECT_NEAR(r->A[n], exact[n], 1e-12) << n;

    // An inclined straight line y = -t x is a flat plate at alpha + t.
    const std::vector<double> xs = cosineStations(30);
    std::vector<double> ys;
    for (double v : xs)
        ys.push_back(-0.05 * v);
    const Result<FourierCoefficients> line = CamberFourier(0.0, xs, ys, 500);
    ASSERT_TRUE(line.ok());
    EXPECT_NEAR(line->A[0], 0.05, 1e-12);
    for (int n = 1; n < 9; ++n)
        EXPECT_NEAR(line->A[n], 0.0, 1e-12) << n;
}

TEST(CamberFourier, DeflectedFlapBetweenStations) {
    // A flat plate with a 10 deg flap hinged at 0.8, between two of the 61
    // cosine stations: the spline rounds the kink over one interval, which
    // costs less than 0.05 % of Cl = pi (2 A0 + A1).
    const double xh = 0.8, s2 = -std::tan(10.0 * pi / 180.0);
    const std::vector<double> x = cosineStations(60);
    std::vector<double> y;
    for (double v : x)
        y.push_back(v < xh ? 0.0 : s2 * (v - xh));
    const auto exact = kinkedLineExact(0.0, xh, 0.0, s2);
    const Result<FourierCoefficients> r = CamberFourier(0.0, x, y, 200);
    ASSERT_TRUE(r.ok());
    const double clExact = pi * (2 * exact[0] + exact[1]);
    EXPECT_NEAR(pi * (2 * r->A[0] + r->A[1]), clExact, 5e-4 * clExact);
    for (int n = 0; n < 9; ++n)
        EXPECT_NEAR(r->A[n], exact[n], 1e-3 * exact[1]) << n;
}

// Parabolic camber y = 4 h x (1 - x): dy/dx = 4 h (1 - 2x) = 4 h cos(theta),
// so A0 = alpha, A1 = 4 h and all other An = 0.
Result<FourierCoefficients> parabola(int intervals, int order, double h = 0.02) {
    const std::vector<double> x = cosineStations(intervals);
    std::vector<double> y;
    for (double v : x)
        y.push_back(4 * h * v * (1 - v));
    return CamberFourier(0.1, x, y, order);
}

TEST(CamberFourier, ParabolicCamberAndTheRoleOfOrder) {
    // order <= 40 intervals: straight panels through 41 cosine stations, A1
    // within 0.2 % (the chords cut the curve). A larger order integrates the
    // spline slope, and the spline reproduces a parabola: 1e-12 (also
    // for an order far beyond the cap on quadrature points).
    const Result<FourierCoefficients> coarse = parabola(40, 40);
    ASSERT_TRUE(coarse.ok());
    EXPECT_NEAR(coarse->A[1], 0.08, 0.08 * 2e-3);
    EXPECT_GT(std::abs(coarse->A[1] - 0.08), 1e-7);
    for (int order : {41, 200, 5000, std::numeric_limits<int>::max()}) { // the largest is capped
        const Result<FourierCoefficients> fine = parabola(40, order);
        ASSERT_TRUE(fine.ok());
        EXPECT_NEAR(fine->A[0], 0.1, 1e-12) << order;
        EXPECT_NEAR(fine->A[1], 0.08, 1e-12) << order;
        for (int n = 2; n < 9; ++n)
            EXPECT_NEAR(fine->A[n], 0.0, 1e-12) << order << " A" << n;
    }
    // The integrals are linear in the camber: doubling it doubles A1.
    const Result<FourierCoefficients> coarse2 = parabola(40, 1, 0.04);
    EXPECT_NEAR(coarse2->A[1], 2 * coarse->A[1], 1e-12);
}

TEST(CamberFourier, FoldedAndRepeatedStationsFollowThePath) {
    // A straight line y = -t x traversed forward, back and forward again: the
    // slope is constant, so the path integral is -t * pi whatever the folds.
    const double t = 0.04;
    const std::vector<double> x = {0.0, 0.6, 0.5, 0.5, 1.0};
    std::vector<double> y;
    for (double v : x)
        y.push_back(-t * v);
    const Result<FourierCoefficients> r = CamberFourier(0.0, x, y, 200);
    ASSERT_TRUE(r.ok()) << r.status().message();
    EXPECT_NEAR(r->A[0], t, 1e-12);
    for (int n = 1; n < 9; ++n)
        EXPECT_NEAR(r->A[n], 0.0, 1e-12) << n;
}

TEST(CamberFourier, StepAtMidChordIsTheLimitOfASteepRamp) {
    // A rise d at x0 contributes d cos(n theta0) / sqrt(x0 (1 - x0)) to the
    // integral of slope * cos(n theta); at x0 = 0.5, theta0 = pi / 2.
    const double d = 0.01;
    const std::vector<double> x = {0.0, 0.5, 0.5, 1.0}, y = {0.0, 0.0, d, d};
    const Result<FourierCoefficients> r = CamberFourier(0.0, x, y, 1);
    ASSERT_TRUE(r.ok()) << r.status().message();
    for (int n = 0; n < 9; ++n) {
        const double integral = d * std::cos(n * pi / 2) / 0.5;
        const double expected = n == 0 ? -integral / pi : 2 / pi * integral;
        EXPECT_NEAR(r->A[n], expected, 1e-12) << n;
    }
    // A ramp 1e-9 wide agrees to 1e-6 with the step.
    const std::vector<double> xr = {0.0, 0.5, 0.5 + 1e-9, 1.0};
    const Result<FourierCoefficients> ramp = CamberFourier(0.0, xr, y, 1);
    for (int n = 0; n < 9; ++n)
        EXPECT_NEAR(ramp->A[n], r->A[n], 1e-6) << n;
}

TEST(CamberFourier, RefusesLinesItCannotIntegrate) {
    const std::vector<double> x = {0.0, 0.5, 1.0}, y = {0.0, 0.01, 0.0};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        double alpha;
        std::vector<double> x, y;
        int order;
    };
    const std::vector<Case> cases = {
        {"one station", 0.0, {0.0}, {0.0}, 200},
        {"no station", 0.0, {}, {}, 200},
        {"count mismatch", 0.0, x, {0.0, 0.0}, 200},
        {"order zero", 0.0, x, y, 0},
        {"order negative", 0.0, x, y, -5},
        {"angle not a number", nan, x, y, 200},
        {"angle infinite", inf, x, y, 200},
        {"y not a number", 0.0, x, {0.0, nan, 0.0}, 200},
        {"x infinite", 0.0, {0.0, inf, 1.0}, y, 200},
        {"x behind the trailing edge", 0.0, {0.0, 1.5, 1.0}, y, 200},
        {"x ahead of the leading edge", 0.0, {-0.1, 0.5, 1.0}, y, 200},
        {"step at the leading edge", 0.0, {0.0, 0.0, 1.0}, {0.0, 0.01, 0.0}, 200},
        {"slope beyond double range", 0.0, {0.0, 0.5, 0.5, 1.0}, {0.0, -1e308, 1e308, 0.0}, 200},
    };
    for (const Case& c : cases) {
        const Result<FourierCoefficients> r = CamberFourier(c.alpha, c.x, c.y, c.order);
        EXPECT_FALSE(r.ok()) << c.what;
        EXPECT_EQ(r.status().kind(), ribcraft::ErrorKind::KernelRefused) << c.what;
        EXPECT_FALSE(r.status().message().empty()) << c.what;
    }
}

// The library entry: 4-byte floats and integers by reference, arrays by element 1.
struct EntryCall {
    float alpha = 0.05f;
    std::vector<float> x, y;
    int32_t n = 0, order = 200;
    float A[9];
    EntryCall() { std::fill(std::begin(A), std::end(A), 7.0f); }
    void call() { linaero(alpha, y[0], x[0], n, order, A[0], A[1], A[2], A[3], A[4], A[5], A[6], A[7], A[8]); }
};

TEST(LinaeroEntry, ReadsOnlyNStationsAndWritesAllNine) {
    EntryCall c;
    // Three stations of a straight line y = -0.02 x, followed by poison that
    // a read past n would turn into NaN.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    c.x = {0.0f, 0.5f, 1.0f, nan, nan};
    c.y = {0.0f, -0.01f, -0.02f, nan, nan};
    c.n = 3;
    c.call();
    EXPECT_NEAR(c.A[0], 0.07f, 1e-6f);
    for (int k = 1; k < 9; ++k)
        EXPECT_NEAR(c.A[k], 0.0f, 1e-6f) << k;
}

TEST(LinaeroEntry, RefusedLineLeavesCoefficientsUnchanged) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* what;
        int32_t n, order;
        std::vector<float> x, y;
        float alpha;
    };
    const std::vector<Case> cases = {
        {"n = 1", 1, 200, {0.0f, 1.0f}, {0.0f, 0.0f}, 0.0f},
        {"n = 0", 0, 200, {0.0f, 1.0f}, {0.0f, 0.0f}, 0.0f},
        {"n negative", -3, 200, {0.0f, 1.0f}, {0.0f, 0.0f}, 0.0f},
        {"order 0", 2, 0, {0.0f, 1.0f}, {0.0f, 0.0f}, 0.0f},
        {"NaN camber", 2, 200, {0.0f, 1.0f}, {nan, 0.0f}, 0.0f},
        {"NaN angle", 2, 200, {0.0f, 1.0f}, {0.0f, 0.0f}, nan},
        {"coefficients beyond float range", 4, 200, {0.0f, 0.5f, 0.5f, 1.0f}, {0.0f, -3e38f, 3e38f, 0.0f}, 0.0f},
    };
    for (const Case& k : cases) {
        EntryCall c;
        c.n = k.n;
        c.order = k.order;
        c.x = k.x;
        c.y = k.y;
        c.alpha = k.alpha;
        c.call();
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(c.A[i], 7.0f) << k.what << " A" << i;
    }
    // More stations than an outline can hold is refused before anything is read.
    EntryCall big;
    big.x = {0.0f};
    big.y = {0.0f};
    big.n = 100000;
    big.call();
    EXPECT_EQ(big.A[0], 7.0f);
}

} // namespace
