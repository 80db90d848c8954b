// SPDX-License-Identifier: MIT
#include "extlib/linaero/CamberFourier.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace ribcraft::linaero {

namespace {

using Integrals = std::array<double, CoefficientCount>;

double sinc(double u) {
    return std::abs(u) < 1e-8 ? 1.0 - u * u / 6.0 : std::sin(u) / u;
}

// Adds integral (dyc/dx) cos(k theta) dtheta, k = 0..8, over the straight panel
// from (xa, ya) to (xb, yb). The theta width of the panel is formed without
// cancellation, dtheta = 2 asin(dx / d) with d = sqrt(xb (1 - xa)) + sqrt(xa (1 - xb)),
// so a very narrow panel (or one of zero width: a step) tends smoothly to
// dy * cos(k theta) * dtheta/dx. Returns false for a rise at x = 0 or x = 1,
// where that limit is infinite.
bool addPanel(double xa, double ya, double xb, double yb, Integrals& I) {
    const double dx = xb - xa;
    const double dy = yb - ya;
    const double d = std::sqrt(xb * (1.0 - xa)) + std::sqrt(xa * (1.0 - xb));
    if (d <= 0.0) return dy == 0.0;
    if (dy == 0.0) return true;
    const double q = std::clamp(dx / d, -1.0, 1.0);
    const double dtheta = 2.0 * std::asin(q);
    const double rate = q == 0.0 ? 2.0 / d : dtheta / dx; // mean dtheta/dx over the panel
    const double thetaMid = 2.0 * std::asin(std::sqrt(xa)) + 0.5 * dtheta;
    for (int k = 0; k < CoefficientCount; ++k)
        I[k] += dy * rate * std::cos(k * thetaMid) * sinc(0.5 * k * dtheta);
    return true;
}

// Second derivatives of the cubic spline through (x, y), x strictly
// increasing, with parabolic run-out: the end intervals keep the curvature of
// their neighbours, so a parabola (a 4-digit mean line ahead of its maximum,
// for one) is reproduced exactly.
std::vector<double> splineCurvatures(std::span<const double> x, std::span<const double> y) {
    const size_t n = x.size();
    std::vector<double> m(n, 0.0);
    if (n < 3) return m;
    std::vector<double> diag(n, 1.0), rhs(n, 0.0), upper(n, 0.0);
    for (size_t i = 1; i + 1 < n; ++i) {
        const double h0 = x[i] - x[i - 1], h1 = x[i + 1] - x[i];
        double lower = h0 / 6.0;
        diag[i] = (h0 + h1) / 3.0;
        upper[i] = h1 / 6.0;
        rhs[i] = (y[i + 1] - y[i]) / h1 - (y[i] - y[i - 1]) / h0;
        if (i == 1) diag[i] += lower, lower = 0.0;           // m[0] = m[1]
        if (i + 2 == n) diag[i] += upper[i], upper[i] = 0.0; // m[n-1] = m[n-2]
        if (i > 1) {
            const double w = lower / diag[i - 1];
            diag[i] -= w * upper[i - 1];
            rhs[i] -= w * rhs[i - 1];
        }
    }
    for (size_t i = n - 1; i-- > 1;)
        m[i] = (rhs[i] - upper[i] * m[i + 1]) / diag[i];
    m[0] = m[1];
    m[n - 1] = m[n - 2];
    return m;
}

// Slope of the spline at t within station interval i.
double splineSlope(std::span<const double> x, std::span<const double> y, const std::vector<double>& m, size_t i,
                   double t) {
    const double h = x[i + 1] - x[i];
    const double a = (x[i + 1] - t) / h, b = (t - x[i]) / h;
    return (y[i + 1] - y[i]) / h + ((3.0 * b * b - 1.0) * m[i + 1] - (3.0 * a * a - 1.0) * m[i]) * h / 6.0;
}

// Integrals of the spline slope: every station interval is cut into `steps`
// parts of equal theta width, each integrated with the two-point Gauss rule.
Integrals splineIntegrals(std::span<const double> x, std::span<const double> y, int steps) {
    const std::vector<double> m = splineCurvatures(x, y);
    const double offset = 0.5 / std::sqrt(3.0);
    Integrals I{};
    for (size_t i = 0; i + 1 < x.size(); ++i) {
        const double ta = 2.0 * std::asin(std::sqrt(x[i]));
        const double width = (2.0 * std::asin(std::sqrt(x[i + 1])) - ta) / steps;
        for (int j = 0; j < steps; ++j) {
            const double mid = ta + (j + 0.5) * width;
            for (double theta : {mid - offset * width, mid + offset * width}) {
                const double s = std::sin(0.5 * theta);
                const double slope = splineSlope(x, y, m, i, std::clamp(s * s, x[i], x[i + 1]));
                for (int k = 0; k < CoefficientCount; ++k)
                    I[k] += 0.5 * width * slope * std::cos(k * theta);
            }
        }
    }
    return I;
}

// Integrals along the straight panels between the stations, in the order given.
bool panelIntegrals(std::span<const double> x, std::span<const double> y, Integrals& I) {
    for (size_t i = 0; i + 1 < x.size(); ++i)
        if (!addPanel(x[i], y[i], x[i + 1], y[i + 1], I)) return false;
    return true;
}

Status refused(std::string reason) {
    return Status::Error(ErrorKind::KernelRefused, std::move(reason));
}

Status CheckInput(double alpha, std::span<const double> xc, std::span<const double> yc, int order) {
    if (xc.size() != yc.size()) return refused("camber line: x and y station counts differ");
    if (xc.size() < 2) return refused("camber line: fewer than 2 stations");
    if (order < 1) return refused("camber line: resolution below 1");
    if (!std::isfinite(alpha)) return refused("camber line: angle of attack is not a number");
    for (size_t i = 0; i < xc.size(); ++i) {
        if (!std::isfinite(xc[i]) || !std::isfinite(yc[i])) return refused("camber line: station is not a number");
        if (xc[i] < 0.0 || xc[i] > 1.0) return refused("camber line: station outside the chord");
    }
    return Status::Ok();
}

} // namespace

Result<FourierCoefficients> CamberFourier(double alpha, std::span<const double> xc, std::span<const double> yc,
                                          int order) {
    if (Status input = CheckInput(alpha, xc, yc, order); !input) return input;

    // Quadrature points asked for beyond the straight panels: refine with the
    // spline, two Gauss points per part of a station interval.
    const long long intervals = static_cast<long long>(xc.size()) - 1;
    const bool increasing = std::adjacent_find(xc.begin(), xc.end(), std::greater_equal<>()) == xc.end();
    Integrals I{};
    if (increasing && order > intervals) {
        const long long steps = std::clamp<long long>((order + 2 * intervals - 1) / (2 * intervals), 1,
                                                      std::max<long long>(1, MaxPoints / (2 * intervals)));
        I = splineIntegrals(xc, yc, static_cast<int>(steps));
    } else if (!panelIntegrals(xc, yc, I)) {
        return refused("camber line: step at the leading or trailing edge");
    }
    if (!std::all_of(I.begin(), I.end(), [](double v) { return std::isfinite(v); }))
        return refused("camber line: slope too large");
    const double pi = std::numbers::pi;
    FourierCoefficients result;
    result.A[0] = alpha - I[0] / pi;
    for (int k = 1; k < CoefficientCount; ++k)
        result.A[k] = 2.0 / pi * I[k];
    return result;
}

} // namespace ribcraft::linaero
