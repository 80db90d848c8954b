// SPDX-License-Identifier: MIT
#include "analysis/SurfaceStations.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ribcraft {

namespace {

const double Pi = 4 * std::atan(1.0);

// A midpoint closer than this to the stagnation point adds no information
// and would make a station of zero length.
constexpr double CoincidentArc = 1e-9;

bool usable(const SurfaceDistribution& d) {
    const int n = d.N;
    if (n < 4) return false;
    const auto points = static_cast<std::size_t>(n) + 1;
    if (d.x.size() < points || d.y.size() < points || d.v.size() < points - 1) return false;
    for (std::size_t i = 0; i < points; ++i)
        if (!std::isfinite(d.x[i]) || !std::isfinite(d.y[i]) || (i + 1 < points && !std::isfinite(d.v[i])))
            return false;
    return true;
}

double pointX(const SurfaceDistribution& d, int p) {
    return d.x[static_cast<std::size_t>(p - 1)];
}
double pointY(const SurfaceDistribution& d, int p) {
    return d.y[static_cast<std::size_t>(p - 1)];
}
double speed(const SurfaceDistribution& d, int panel) {
    return std::abs(static_cast<double>(d.v[static_cast<std::size_t>(panel - 1)]));
}
double panelLength(const SurfaceDistribution& d, int i) {
    return std::hypot(pointX(d, i + 1) - pointX(d, i), pointY(d, i + 1) - pointY(d, i));
}

// The two panels (a, a + 1) between whose midpoints the stagnation point
// lies: beside the panel of least speed, on the side of its slower
// neighbour (the loop speed changes sign there and grows away from it);
// with equally slow neighbours the side towards the leading-edge point.
int panelBeforeStagnation(const SurfaceDistribution& d, int least) {
    const int n = d.N;
    if (least <= 1) return 1;
    if (least >= n) return n - 1;
    const double before = speed(d, least - 1), after = speed(d, least + 1);
    if (before < after) return least - 1;
    if (after < before) return least;
    return least <= n / 2 ? least : least - 1;
}

void resize(SurfaceStations& st, int capacity) {
    st.count = 0;
    st.s.assign(static_cast<std::size_t>(capacity) + 1, 0.0);
    st.ue.assign(st.s.size(), 0.0);
    st.x.assign(st.s.size(), 0.0);
    st.panel.assign(st.s.size(), 0);
}

void append(SurfaceStations& st, double s, double ue, double x, int panel) {
    const auto at = static_cast<std::size_t>(++st.count);
    st.s[at] = s;
    st.ue[at] = ue;
    st.x[at] = x;
    st.panel[at] = panel;
}

// Thickness at arc length s of a surface, linear between its stations and
// held beyond the last.
double thicknessAt(const SurfaceStations& st, const std::vector<double>& t, double s) {
    const int n = std::min<int>(st.count, static_cast<int>(t.size()) - 1);
    if (n < 1) return 0.0;
    if (s <= st.s[1]) return t[1];
    for (int m = 2; m <= n; ++m) {
        if (s <= st.s[static_cast<std::size_t>(m)]) {
            const double s0 = st.s[static_cast<std::size_t>(m - 1)], s1 = st.s[static_cast<std::size_t>(m)];
            const double f = s1 > s0 ? (s - s0) / (s1 - s0) : 1.0;
            return t[static_cast<std::size_t>(m - 1)] +
                   f * (t[static_cast<std::size_t>(m)] - t[static_cast<std::size_t>(m - 1)]);
        }
    }
    return t[static_cast<std::size_t>(n)];
}

// Upward component of the outward normal at outline point p: the loop runs
// clockwise, so it is the x component of the unit tangent, averaged over the
// two panels that meet at the point (one at the trailing-edge points).
double normalY(const SurfaceDistribution& d, int p) {
    const int n = d.N;
    double tx = 0, ty = 0;
    for (int i : {p - 1, p}) {
        if (i < 1 || i > n) continue;
        const double len = panelLength(d, i);
        tx += (pointX(d, i + 1) - pointX(d, i)) / len;
        ty += (pointY(d, i + 1) - pointY(d, i)) / len;
    }
    const double len = std::hypot(tx, ty);
    return len > 0 ? tx / len : 0.0;
}

} // namespace

int FindStagnationPanel(std::span<const float> x, std::span<const float> v, int N) {
    if (N < 1 || v.size() < static_cast<std::size_t>(N) || x.size() < static_cast<std::size_t>(N) + 1) return 0;
    double leading = std::numeric_limits<double>::infinity();
    for (int p = 0; p <= N; ++p)
        leading = std::min(leading, static_cast<double>(x[static_cast<std::size_t>(p)]));
    const double trailing = 0.5 * (static_cast<double>(x[0]) + x[static_cast<std::size_t>(N)]);
    const double front = leading + 0.5 * (trailing - leading);
    for (bool frontOnly : {true, false}) {
        double least = 10000;
        int at = 0;
        for (int i = 1; i <= N; ++i) {
            const double mid =
                0.5 * (static_cast<double>(x[static_cast<std::size_t>(i - 1)]) + x[static_cast<std::size_t>(i)]);
            if (frontOnly && !(mid <= front)) continue;
            const double a = std::abs(static_cast<double>(v[static_cast<std::size_t>(i - 1)]));
            if (a <= least) {
                least = a;
                at = i;
            }
        }
        if (at != 0) return at;
    }
    return 0;
}

bool BuildStations(const SurfaceDistribution& d, StationLayout& out) {
    if (!usable(d)) return false;
    const int n = d.N;
    // Arc position of every point and panel midpoint, from point 1.
    std::vector<double> arc(static_cast<std::size_t>(n) + 2, 0.0), mid(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        const double len = panelLength(d, i);
        if (!(len > 0)) return false;
        mid[static_cast<std::size_t>(i)] = arc[static_cast<std::size_t>(i)] + 0.5 * len;
        arc[static_cast<std::size_t>(i) + 1] = arc[static_cast<std::size_t>(i)] + len;
    }
    const int least = FindStagnationPanel(d.x, d.v, n);
    if (least < 1) return false;
    const int a = panelBeforeStagnation(d, least), b = a + 1;
    const double va = speed(d, a), vb = speed(d, b);
    const double f = va + vb > 0 ? va / (va + vb) : 0.5;
    const double stag =
        mid[static_cast<std::size_t>(a)] + f * (mid[static_cast<std::size_t>(b)] - mid[static_cast<std::size_t>(a)]);

    StationLayout r;
    r.StagPoint = least;
    // The stagnation point on the outline: on panel a past its midpoint, or on panel b.
    const int on = stag <= arc[static_cast<std::size_t>(b)] ? a : b;
    const double along = (stag - arc[static_cast<std::size_t>(on)]) / panelLength(d, on);
    r.StagX = pointX(d, on) + along * (pointX(d, on + 1) - pointX(d, on));
    r.StagY = pointY(d, on) + along * (pointY(d, on + 1) - pointY(d, on));

    resize(r.first, a + 2);
    append(r.first, 0.0, 0.0, r.StagX, 0);
    for (int i = a; i >= 1; --i) {
        const double s = stag - mid[static_cast<std::size_t>(i)];
        if (s > CoincidentArc) append(r.first, s, speed(d, i), 0.5 * (pointX(d, i) + pointX(d, i + 1)), i);
    }
    append(r.first, stag, speed(d, 1), pointX(d, 1), 0);

    resize(r.second, n - a + 2);
    append(r.second, 0.0, 0.0, r.StagX, 0);
    for (int i = b; i <= n; ++i) {
        const double s = mid[static_cast<std::size_t>(i)] - stag;
        if (s > CoincidentArc) append(r.second, s, speed(d, i), 0.5 * (pointX(d, i) + pointX(d, i + 1)), i);
    }
    append(r.second, arc[static_cast<std::size_t>(n) + 1] - stag, speed(d, n), pointX(d, n + 1), 0);

    r.pointArc.assign(static_cast<std::size_t>(n) + 2, 0.0);
    for (int p = 1; p <= n + 1; ++p)
        r.pointArc[static_cast<std::size_t>(p)] = arc[static_cast<std::size_t>(p)] - stag;
    out = std::move(r);
    return true;
}

double TrailingEdgeSlope(const SurfaceDistribution& d, bool secondSurface) {
    const int p = secondSurface ? d.N : 1;
    return std::abs((pointY(d, p + 1) - pointY(d, p)) / (pointX(d, p + 1) - pointX(d, p))) * 180 / Pi;
}

std::vector<double> OutlineOffsets(const SurfaceDistribution& d, const StationLayout& layout,
                                   const std::vector<double>& firstThickness,
                                   const std::vector<double>& secondThickness) {
    const int n = d.N;
    std::vector<double> offset(static_cast<std::size_t>(n) + 2, 0.0);
    for (int p = 1; p <= n + 1; ++p) {
        const double r = layout.pointArc[static_cast<std::size_t>(p)];
        const bool second = p == n + 1 || (p != 1 && r > 0);
        const double t =
            second ? thicknessAt(layout.second, secondThickness, r) : thicknessAt(layout.first, firstThickness, -r);
        offset[static_cast<std::size_t>(p)] = normalY(d, p) * t;
    }
    return offset;
}

} // namespace ribcraft
