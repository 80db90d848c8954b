// LinAero: camber extraction from the section loop and thin-airfoil results
// for NACA sections, compared with the Fourier integrals of the exact mean
// lines derived below.

#include "geometry/LinAero.h"
#include "extlib/Capacities.h"
#include "extlib/airfoil/NacaSection.h"
#include "geometry/ThinAirfoil.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <vector>

namespace {

using ribcraft::CoefficientsFromFourier;
using ribcraft::LinAero;

constexpr double pi = std::numbers::pi;

// A section loop as the program holds it: index 1 the trailing edge, the
// lower surface forward to the leading edge at h + 1, the upper surface back
// to the trailing edge at 2h + 1. Mirror pairs share the cosine station
// x_k = (1 - cos(pi k / h)) / 2; the thickness is added vertically to the
// mean line, so each pair averages to the mean line.
struct Loop {
    std::array<float, ribcraft::cap::Outline + 1> X{}, Y{};
    int N = 0;
};

Loop buildLoop(int h, const std::function<double(double)>& camber, double t) {
    Loop loop;
    loop.N = 2 * h;
    for (int k = 0; k <= h; ++k) {
        const double x = k == h ? 1.0 : (1.0 - std::cos(pi * k / h)) / 2.0;
        // Closed trailing edge: the coefficients sum to zero at x = 1; set it exactly.
        const double yt = k == h ? 0.0
                                 : 5 * t *
                                       (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                                        0.1036 * x * x * x * x);
        loop.X[h + 1 - k] = loop.X[h + 1 + k] = static_cast<float>(x);
        loop.Y[h + 1 - k] = static_cast<float>(camber(x) - yt);
        loop.Y[h + 1 + k] = static_cast<float>(camber(x) + yt);
    }
    return loop;
}

// The loop of a generated section, optionally with a flap deflected by
// flapDegrees about the mean line at hinge.
Loop generatedLoop(int32_t number, int h, double hinge = 1.0, double flapDegrees = 0.0) {
    namespace af = ribcraft::airfoil;
    af::Outline o = *af::BuildNacaOutline(number, h);
    if (hinge < 1.0)
        af::ApplyFlap(o, flapDegrees * pi / 180, hinge, af::NacaMeanLine(*af::DecodeNacaSection(number), hinge));
    Loop loop;
    loop.N = 2 * h;
    for (size_t i = 0; i < o.x.size(); ++i) {
        loop.X[i + 1] = static_cast<float>(o.x[i]);
        loop.Y[i + 1] = static_cast<float>(o.y[i]);
    }
    return loop;
}

// Exact Fourier integrals I_n = integral (dyc/dx) cos(n theta) dtheta of a mean
// line whose slope is a polynomial p0 + p1 x + p2 x^2 on each piece. With
// x = (1 - c) / 2, c = cos(theta), and c^2 = (1 + cos 2 theta) / 2 the slope is
// b0 + b1 cos(theta) + b2 cos(2 theta) with
//   b0 = p0 + p1 / 2 + 3 p2 / 8,  b1 = -(p1 + p2) / 2,  b2 = p2 / 8,
// and cos(j theta) cos(n theta) = (cos((j - n) theta) + cos((j + n) theta)) / 2.
struct SlopePiece {
    double x0, x1, p0, p1, p2;
};

double cosIntegral(int j, double a, double b) {
    return j == 0 ? b - a : (std::sin(j * b) - std::sin(j * a)) / j;
}

std::array<double, 9> exactIntegrals(const std::vector<SlopePiece>& pieces) {
    std::array<double, 9> I{};
    for (const SlopePiece& s : pieces) {
        const double a = std::acos(1 - 2 * s.x0), b = std::acos(1 - 2 * s.x1);
        const double coef[3] = {s.p0 + s.p1 / 2 + 3 * s.p2 / 8, -(s.p1 + s.p2) / 2, s.p2 / 8};
        for (int n = 0; n < 9; ++n)
            for (int j = 0; j < 3; ++j)
                I[n] += coef[j] * 0.5 * (cosIntegral(std::abs(j - n), a, b) + cosIntegral(j + n, a, b));
    }
    return I;
}

// 4-digit mean line: y = m/p^2 (2 p x - x^2) ahead of p, m/(1-p)^2 (1 - 2p + 2 p x - x^2) behind.
struct Naca4 {
    double m, p;
    double camber(double x) const {
        return x < p ? m / (p * p) * (2 * p * x - x * x) : m / ((1 - p) * (1 - p)) * (1 - 2 * p + 2 * p * x - x * x);
    }
    std::vector<SlopePiece> slope() const {
        return {{0, p, 2 * m / p, -2 * m / (p * p), 0},
                {p, 1, 2 * m * p / ((1 - p) * (1 - p)), -2 * m / ((1 - p) * (1 - p)), 0}};
    }
};

// 5-digit mean line: y = k1/6 (x^3 - 3 r x^2 + r^2 (3 - r) x) ahead of r, k1 r^3 / 6 (1 - x) behind.
struct Naca5 {
    double r, k1;
    double camber(double x) const {
        return x < r ? k1 / 6 * (x * x * x - 3 * r * x * x + r * r * (3 - r) * x) : k1 * r * r * r / 6 * (1 - x);
    }
    std::vector<SlopePiece> slope() const {
        return {{0, r, k1 * r * r * (3 - r) / 6, -k1 * r, k1 / 2}, {r, 1, -k1 * r * r * r / 6, 0, 0}};
    }
};

struct Exact {
    double zeroLiftDeg, cmC4;
};

// Cl = pi (2 A0 + A1) = 0 gives alpha = (I0 - I1) / pi; Cm(c/4) = pi/4 (A2 - A1) = (I2 - I1) / 2.
Exact exactResults(const std::vector<SlopePiece>& pieces) {
    const auto I = exactIntegrals(pieces);
    return {(I[0] - I[1]) / pi * 180 / pi, (I[2] - I[1]) / 2};
}

// The callers' sequence: create, angle, point count, order 200, AeroCoeff.
LinAero evaluate(const Loop& loop, double alphaDeg) {
    LinAero la;
    la.AngleOfAttack = alphaDeg;
    la.NumberOfPoints = loop.N;
    la.SimulationOrder = 200;
    EXPECT_TRUE(la.AeroCoeff(loop.Y[1], loop.X[1]).ok());
    return la;
}

TEST(LinAero, StartsWithOrder100AndZeroCoefficients) {
    const LinAero la;
    EXPECT_EQ(la.SimulationOrder, 100);
    EXPECT_EQ(la.AngleOfAttack, 0.0);
    for (float a : {la.A0, la.A1, la.A2, la.A3, la.A4, la.A5, la.A6, la.A7, la.A8})
        EXPECT_EQ(a, 0.0f);
}

TEST(LinAero, CamberLineFromTheMirrorPairs) {
    for (int h : {60, 10}) {
        const Naca4 mean{0.02, 0.4};
        Loop loop = buildLoop(
            h, [&](double x) { return mean.camber(x); }, 0.12);
        loop.Y[1] = 0.001f; // a trailing-edge point off the mean line shows which point the last station takes
        LinAero la = evaluate(loop, 3.0);
        const int n = h + 1;
        ASSERT_EQ(la.stations(), n) << "N = " << loop.N; // 61 for N = 120, 11 for N = 20
        ASSERT_EQ(la.xc().size(), static_cast<size_t>(n));
        EXPECT_EQ(la.order(), 200);
        EXPECT_EQ(la.alphaRadians(), static_cast<float>(3.0 * pi / 180.0));
        EXPECT_EQ(la.xc().front(), 0.0f);
        EXPECT_EQ(la.xc().back(), 1.0f);
        for (int i = 1; i < n - 1; ++i) {
            EXPECT_EQ(la.xc()[i], loop.X[n + i]) << i;
            EXPECT_FLOAT_EQ(la.yc()[i], (loop.Y[n - i] + loop.Y[n + i]) / 2) << i;
            EXPECT_NEAR(la.yc()[i], mean.camber(la.xc()[i]), 1e-7) << i;
        }
        EXPECT_EQ(la.yc().front(), loop.Y[n]);
        // The last station is the trailing edge's own midpoint.
        EXPECT_FLOAT_EQ(la.yc().back(), 0.0005f);
    }
    // Pairs at different x (thickness normal to the line): x from the midpoints too,
    // and a trailing edge ahead of x = 1 is stretched onto the unit chord.
    Loop loop = buildLoop(
        10, [](double) { return 0.0; }, 0.12);
    for (int i = 1; i <= loop.N + 1; ++i)
        loop.X[i] *= 0.8f;
    loop.X[5] += 0.01f;          // lower point of station 7
    loop.X[2 * 11 - 5] -= 0.01f; // upper point of station 7
    const LinAero la = evaluate(loop, 0.0);
    for (int i = 0; i < 11; ++i)
        EXPECT_FLOAT_EQ(la.xc()[i], static_cast<float>((1.0 - std::cos(pi * i / 10)) / 2.0)) << i;
}

TEST(LinAero, NacaSectionsMatchTheExactMeanLineIntegrals) {
    const Naca4 n2412{0.02, 0.4}, n4412{0.04, 0.4};
    const Naca5 n23012{0.2025, 15.957}; // mean line 230: design Cl 0.3, maximum camber at 15 %
    struct Case {
        int32_t number;
        Exact exact;
    };
    // The sections as the generator builds them (thickness normal to the mean line).
    const std::vector<Case> cases = {
        {2412, exactResults(n2412.slope())},
        {4412, exactResults(n4412.slope())},
        {23012, exactResults(n23012.slope())},
    };
    for (const Case& c : cases) {
        for (int h : {60, 170}) {
            const Loop loop = generatedLoop(c.number, h);
            for (double alpha : {0.0, 4.0, -3.0}) {
                const LinAero la = evaluate(loop, alpha);
                const auto r = CoefficientsFromFourier(la.A0, la.A1, la.A2, alpha, pi);
                // Zero-lift angle within 0.01 deg, Cm(c/4) within 0.5 % of the exact values.
                EXPECT_NEAR(r.AlphaCl0, c.exact.zeroLiftDeg, 0.01) << c.number << " at " << alpha << " h " << h;
                EXPECT_NEAR(r.CmC4, c.exact.cmC4, 0.005 * std::abs(c.exact.cmC4)) << c.number << " at " << alpha;
                // Cl grows by 2 pi per radian from the zero-lift angle.
                EXPECT_NEAR(r.LiftCoeff, 2 * pi * (alpha - c.exact.zeroLiftDeg) * pi / 180, 1e-3) << c.number;
            }
        }
    }
    // Plausibility of the derivation itself: the published zero-lift angle of
    // a 2412 mean line is about -2.1 deg, twice that for 4412.
    EXPECT_NEAR(exactResults(n2412.slope()).zeroLiftDeg, -2.08, 0.01);
    EXPECT_NEAR(exactResults(n4412.slope()).zeroLiftDeg, 2 * exactResults(n2412.slope()).zeroLiftDeg, 1e-12);
}

// Classical thin-airfoil flap: a flap of hinge h deflected by d adds
// 2 (pi - t + sin t) d to the lift, cos t = 1 - 2h, and moves the zero-lift
// angle by that over 2 pi.
TEST(LinAero, FlapLiftFollowsTheClassicalFormulaAndConverges) {
    for (int32_t number : {12, 2412}) {
        for (int length : {10, 20, 30, 40, 50})
            for (double degrees : {-15.0, -10.0, -5.0, 5.0, 10.0, 15.0}) {
                const double hinge = 1.0 - length / 100.0, t = std::acos(1 - 2 * hinge);
                const double dCl = 2 * (pi - t + std::sin(t)) * degrees * pi / 180;
                std::vector<double> cl;
                for (int h : {30, 60, 170}) {
                    const LinAero plain = evaluate(generatedLoop(number, h), 2.0);
                    const LinAero flapped = evaluate(generatedLoop(number, h, hinge, degrees), 2.0);
                    const auto p = CoefficientsFromFourier(plain.A0, plain.A1, plain.A2, 2.0, pi);
                    const auto f = CoefficientsFromFourier(flapped.A0, flapped.A1, flapped.A2, 2.0, pi);
                    cl.push_back(f.LiftCoeff);
                    EXPECT_NEAR(f.LiftCoeff - p.LiftCoeff, dCl, 0.02 * std::abs(dCl))
                        << number << " flap " << length << " % " << degrees << " h " << h;
                    EXPECT_NEAR(f.AlphaCl0 - p.AlphaCl0, -dCl / (2 * pi) * 180 / pi, 0.02 * std::abs(dCl) * 180 / pi)
                        << number << " flap " << length << " % " << degrees << " h " << h;
                }
                // More points change the result less and less.
                EXPECT_LT(std::abs(cl[2] - cl[1]), 0.003 * std::abs(dCl)) << number << " " << length << " " << degrees;
            }
    }
}

TEST(LinAero, SymmetricSectionGivesZerosAndNoCentreOfPressure) {
    const Loop loop = buildLoop(
        60, [](double) { return 0.0; }, 0.12);
    const LinAero la = evaluate(loop, 0.0);
    for (float a : {la.A0, la.A1, la.A2, la.A3, la.A4, la.A5, la.A6, la.A7, la.A8})
        EXPECT_EQ(a, 0.0f);
    const auto r = CoefficientsFromFourier(la.A0, la.A1, la.A2, 0.0, pi);
    EXPECT_EQ(r.LiftCoeff, 0.0f);
    EXPECT_EQ(r.CmLeadingEdge, 0.0f);
    EXPECT_EQ(r.CmC4, 0.0);
    EXPECT_EQ(r.AlphaCl0, 0.0);
    EXPECT_FALSE(r.HasXcp);

    // At an angle, A0 is the angle itself: Cl = 2 pi alpha, centre of pressure at the quarter chord.
    const LinAero at5 = evaluate(loop, 5.0);
    const auto r5 = CoefficientsFromFourier(at5.A0, at5.A1, at5.A2, 5.0, pi);
    EXPECT_FLOAT_EQ(at5.A0, static_cast<float>(5 * pi / 180));
    EXPECT_NEAR(r5.LiftCoeff, 2 * pi * 5 * pi / 180, 1e-6);
    ASSERT_TRUE(r5.HasXcp);
    EXPECT_NEAR(r5.Xcp, 25.0, 1e-4);
}

TEST(LinAero, RefusedInputKeepsThePreviousCoefficients) {
    Loop loop = buildLoop(
        60, [](double x) { return 0.02 * x * (1 - x); }, 0.12);
    LinAero la = evaluate(loop, 2.0);
    const float a0 = la.A0, a1 = la.A1;
    for (int n : {0, 1, -4, ribcraft::cap::Outline}) {
        la.NumberOfPoints = n;
        const auto status = la.AeroCoeff(loop.Y[1], loop.X[1]);
        EXPECT_FALSE(status.ok()) << n;
        EXPECT_FALSE(status.message().empty()) << n;
        EXPECT_EQ(la.A0, a0);
        EXPECT_EQ(la.A1, a1);
    }
    la.NumberOfPoints = loop.N;
    la.SimulationOrder = 0;
    EXPECT_FALSE(la.AeroCoeff(loop.Y[1], loop.X[1]).ok());
    la.SimulationOrder = 200;
    la.AngleOfAttack = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(la.AeroCoeff(loop.Y[1], loop.X[1]).ok());
    la.AngleOfAttack = 2.0;
    loop.Y[30] = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(la.AeroCoeff(loop.Y[1], loop.X[1]).ok());
    EXPECT_EQ(la.A0, a0);
    EXPECT_EQ(la.A1, a1);
    // The largest loop the outline arrays hold is still accepted.
    const Loop big = buildLoop((ribcraft::cap::Outline - 1) / 2, [](double) { return 0.0; }, 0.12);
    la.NumberOfPoints = big.N;
    EXPECT_TRUE(la.AeroCoeff(big.Y[1], big.X[1]).ok());
}

} // namespace
