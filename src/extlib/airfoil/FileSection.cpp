// SPDX-License-Identifier: MIT
#include "extlib/airfoil/FileSection.h"

#include <algorithm>
#include <cmath>

#include "extlib/airfoil/Spline.h"

namespace ribcraft::airfoil {

namespace {

template <typename T> bool ListIsUsable(const T* x, const T* y, size_t n) {
    if (n < kMinRawPoints || n > kMaxRawPoints) return false;
    for (size_t i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return false;
        if (i > 0 && x[i] < x[i - 1]) return false;
    }
    return x[n - 1] > x[0];
}

bool ListIsUsable(const std::vector<double>& x, const std::vector<double>& y) {
    return x.size() == y.size() && ListIsUsable(x.data(), y.data(), x.size());
}

// The loop through both lists with an arc-length parameter.
struct Loop {
    std::vector<double> s, x, y;
    void add(double px, double py) {
        if (!x.empty() && px == x.back() && py == y.back()) return;
        s.push_back(x.empty() ? 0.0 : s.back() + std::hypot(px - x.back(), py - y.back()));
        x.push_back(px);
        y.push_back(py);
    }
};

Loop MakeLoop(const RawSection& raw) {
    Loop loop;
    for (size_t i = raw.xLower.size(); i-- > 0;)
        loop.add(raw.xLower[i], raw.yLower[i]);
    // A leading-edge point shared by both lists is kept once (add() drops repeats).
    for (size_t i = 0; i < raw.xUpper.size(); ++i)
        loop.add(raw.xUpper[i], raw.yUpper[i]);
    return loop;
}

// Minimises x(s) by golden sections on [a, b].
double MinimiseX(const CubicSpline& xs, double a, double b) {
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    double c = b - g * (b - a), d = a + g * (b - a);
    for (int it = 0; it < 80 && b - a > 1e-14; ++it) {
        if (xs.value(c) < xs.value(d)) {
            b = d;
        } else {
            a = c;
        }
        c = b - g * (b - a);
        d = a + g * (b - a);
    }
    return 0.5 * (a + b);
}

// Parameter in [a, b] where x(s) = target, by bisection (x monotone on the branch).
double SolveX(const CubicSpline& xs, double a, double b, double target) {
    const bool increasing = xs.value(b) >= xs.value(a);
    for (int it = 0; it < 64 && b - a > 1e-15; ++it) {
        const double m = 0.5 * (a + b);
        if ((xs.value(m) < target) == increasing) {
            a = m;
        } else {
            b = m;
        }
    }
    return 0.5 * (a + b);
}

} // namespace

std::optional<RawSection> ReadRawSection(const float* xUpper, const float* yUpper, int32_t nUpper, const float* xLower,
                                         const float* yLower, int32_t nLower) {
    if (nUpper < kMinRawPoints || nUpper > kMaxRawPoints || nLower < kMinRawPoints || nLower > kMaxRawPoints)
        return std::nullopt;
    RawSection raw;
    raw.xUpper.assign(xUpper, xUpper + nUpper);
    raw.yUpper.assign(yUpper, yUpper + nUpper);
    raw.xLower.assign(xLower, xLower + nLower);
    raw.yLower.assign(yLower, yLower + nLower);
    return raw;
}

bool CanBuildFileSection(const RawSection& raw) {
    return ListIsUsable(raw.xUpper, raw.yUpper) && ListIsUsable(raw.xLower, raw.yLower);
}

bool CanBuildFileSection(const float* xUpper, const float* yUpper, int32_t nUpper, const float* xLower,
                         const float* yLower, int32_t nLower) {
    // Counts first: nothing past a list's capacity is read.
    if (nUpper < kMinRawPoints || nUpper > kMaxRawPoints || nLower < kMinRawPoints || nLower > kMaxRawPoints)
        return false;
    return ListIsUsable(xUpper, yUpper, static_cast<size_t>(nUpper)) &&
           ListIsUsable(xLower, yLower, static_cast<size_t>(nLower));
}

std::optional<Outline> BuildFileOutline(const RawSection& raw, int h) {
    if (!IsValidSurfacePoints(h) || !CanBuildFileSection(raw)) return std::nullopt;
    const Loop loop = MakeLoop(raw);
    const CubicSpline xs(loop.s, loop.x), ys(loop.s, loop.y);

    // Leading edge: least x of the spline near the least-x point of the lists.
    const size_t iMin = static_cast<size_t>(std::min_element(loop.x.begin(), loop.x.end()) - loop.x.begin());
    const double sLe = MinimiseX(xs, loop.s[iMin == 0 ? 0 : iMin - 1], loop.s[std::min(iMin + 1, loop.s.size() - 1)]);
    const double xLe = xs.value(sLe), yLe = ys.value(sLe);
    const double sEnd = loop.s.back();
    const double xEndLower = loop.x.front(), xEndUpper = loop.x.back();
    const double chord = std::max(xEndLower, xEndUpper) - xLe;
    if (!(chord > 0.0) || xEndLower <= xLe || xEndUpper <= xLe) return std::nullopt;

    const std::vector<double> stations = CosineStations(h);
    std::vector<double> upper(stations.size()), lower(stations.size());
    for (size_t k = 0; k < stations.size(); ++k) {
        const double c = stations[k];
        const double sl = SolveX(xs, 0.0, sLe, xLe + c * (xEndLower - xLe));
        const double su = SolveX(xs, sLe, sEnd, xLe + c * (xEndUpper - xLe));
        lower[k] = (ys.value(sl) - yLe) / chord;
        upper[k] = (ys.value(su) - yLe) / chord;
    }
    lower.front() = upper.front() = 0.0;
    const double yEndLower = (loop.y.front() - yLe) / chord, yEndUpper = (loop.y.back() - yLe) / chord;
    const double yTe = 0.5 * (yEndLower + yEndUpper);
    for (size_t k = 0; k < stations.size(); ++k) {
        lower[k] -= stations[k] * (yEndLower - yTe);
        upper[k] -= stations[k] * (yEndUpper - yTe);
    }
    lower.back() = upper.back() = yTe;
    return JoinSurfaces(stations, upper, lower);
}

} // namespace ribcraft::airfoil
