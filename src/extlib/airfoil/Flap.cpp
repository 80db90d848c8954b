// SPDX-License-Identifier: MIT
// Plain flap: the part of the section aft of the hinge turns about the hinge,
// and the outline stays one simple loop with its point count and order.
//
// Each surface (leading edge to trailing edge) is split at the hinge station
// into a fixed part and a flap part, and the flap part is turned. The two
// pieces are then joined:
//  - on the side the flap turns towards (the lower surface for a positive
//    deflection) the turned surface dips into the fixed one; both are cut at
//    their crossing, so nothing overlaps;
//  - on the other side a gap opens; it is bridged by a circular arc about the
//    hinge from the fixed surface to the turned one.
// Points well ahead of the hinge keep their places and points well behind it
// are exactly the turned ones; the points of a window around the hinge (as
// wide as the section is thick there, the same mirror pairs on both sides)
// are laid along the joined surface with the spacing they had before, so the
// result moves smoothly with the deflection and the window's ends stay put.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "extlib/airfoil/Outline.h"

namespace ribcraft::airfoil {
namespace {

struct Point {
    double x, y;
};
using Path = std::vector<Point>;

// Surface k = 0..h from the leading edge (loop index h) to the trailing edge.
Path SurfaceOf(const Outline& o, bool upper) {
    const int h = o.surfacePoints();
    Path p(static_cast<size_t>(h) + 1);
    for (int k = 0; k <= h; ++k) {
        const int i = upper ? h + k : h - k;
        p[k] = {o.x[i], o.y[i]};
    }
    return p;
}

void StoreSurface(Outline& o, bool upper, const Path& p) {
    const int h = o.surfacePoints();
    for (int k = 0; k <= h; ++k) {
        const int i = upper ? h + k : h - k;
        o.x[i] = p[k].x;
        o.y[i] = p[k].y;
    }
}

double Distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// First index of the run of points at the surface's end that all lie aft of
// the hinge (at least 1: the leading edge never belongs to the flap).
int FlapStart(const Path& p, double hinge) {
    int m = static_cast<int>(p.size());
    while (m > 1 && p[m - 1].x > hinge)
        --m;
    return m;
}

// Crossing of the segments ab and cd: parameters t along ab and u along cd.
bool Crossing(Point a, Point b, Point c, Point d, double& t, double& u) {
    const double rx = b.x - a.x, ry = b.y - a.y, sx = d.x - c.x, sy = d.y - c.y;
    const double denom = rx * sy - ry * sx;
    if (denom == 0.0) return false;
    const double qx = c.x - a.x, qy = c.y - a.y;
    t = (qx * sy - qy * sx) / denom;
    u = (qx * ry - qy * rx) / denom;
    return t >= 0.0 && t <= 1.0 && u >= 0.0 && u <= 1.0;
}

struct Hinge {
    double x, y, cosA, sinA, angle;
    // Clockwise turn: a positive angle moves the trailing edge down.
    Point turn(Point p) const {
        const double dx = p.x - x, dy = p.y - y;
        return {x + dx * cosA + dy * sinA, y - dx * sinA + dy * cosA};
    }
};

// The joined surface: the fixed points up to the join, the join, and the
// turned points after it. Original points 0..cut appear unchanged at the same
// indices; original point k >= firstKept appears turned at index at + k - firstKept.
struct Joined {
    Path path;
    int cut = 0, firstKept = 0;
    size_t at = 0;
};

Joined JoinSurface(const Path& p, const Hinge& hinge, bool towards) {
    const int m = FlapStart(p, hinge.x);
    const int h = static_cast<int>(p.size()) - 1;
    const Point a = p[m - 1], b = p[m];
    const double t = b.x > a.x ? std::clamp((hinge.x - a.x) / (b.x - a.x), 0.0, 1.0) : 0.0;
    const Point atHinge{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    const Point centre{hinge.x, hinge.y};
    Joined j;
    if (towards) {
        // The fixed part ends in the face x = hinge (from atHinge in to the
        // hinge), the flap begins with that face turned. Polylines: fixed
        // p[0..m-1], atHinge, centre; turned centre, turn(atHinge), turn(p[m..h]),
        // so turned[i] is original point m + i - 2 for i >= 2. The outline is
        // the fixed one up to its first crossing with the turned one (nearest
        // the hinge along the turned one), then the turned one.
        Path fixed(p.begin(), p.begin() + m);
        fixed.push_back(atHinge);
        fixed.push_back(centre);
        Path turned{centre, hinge.turn(atHinge)};
        for (int k = m; k <= h; ++k)
            turned.push_back(hinge.turn(p[k]));
        for (size_t r = 0; r + 1 < turned.size(); ++r) {
            for (size_t f = fixed.size() - 1; f-- > 0;) {
                if (r == 0 && f + 2 == fixed.size()) continue; // the two faces meet at the hinge
                double tf = 0, ur = 0;
                if (!Crossing(fixed[f], fixed[f + 1], turned[r], turned[r + 1], tf, ur)) continue;
                j.path.assign(fixed.begin(), fixed.begin() + static_cast<long>(f) + 1);
                j.path.push_back(
                    {fixed[f].x + tf * (fixed[f + 1].x - fixed[f].x), fixed[f].y + tf * (fixed[f + 1].y - fixed[f].y)});
                j.cut = std::min(static_cast<int>(f), m - 1);
                j.firstKept = m + std::max(static_cast<int>(r) - 1, 0);
                j.at = j.path.size() + static_cast<size_t>(j.firstKept - m + 1) - r;
                j.path.insert(j.path.end(), turned.begin() + static_cast<long>(r) + 1, turned.end());
                return j;
            }
        }
        // No crossing (a degenerate surface): go straight on from the fixed
        // surface at the hinge to the turned points that lie aft of the hinge.
        j.path.assign(p.begin(), p.begin() + m);
        j.path.push_back(atHinge);
        j.cut = m - 1;
        int k = m;
        while (k < h && hinge.turn(p[k]).x <= hinge.x)
            ++k;
        j.firstKept = k;
        j.at = j.path.size();
        for (; k <= h; ++k)
            j.path.push_back(hinge.turn(p[k]));
        return j;
    }
    // Arc about the hinge from the fixed end to the turned start, in steps of at most one degree.
    j.path.assign(p.begin(), p.begin() + m);
    j.path.push_back(atHinge);
    j.cut = m - 1;
    const double radius = Distance(atHinge, centre);
    const double start = std::atan2(atHinge.y - hinge.y, atHinge.x - hinge.x);
    const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(hinge.angle) * 180.0 / std::numbers::pi)));
    for (int i = 1; i <= steps; ++i) {
        const double phi = start - hinge.angle * i / steps;
        j.path.push_back({hinge.x + radius * std::cos(phi), hinge.y + radius * std::sin(phi)});
    }
    j.path.back() = hinge.turn(atHinge);
    j.firstKept = m;
    j.at = j.path.size();
    for (int k = m; k <= h; ++k)
        j.path.push_back(hinge.turn(p[k]));
    return j;
}

// Lays points ka + 1 .. kb - 1 of the original surface p along the joined
// path between its vertices from and to, with their original arc-length spacing.
void Respace(const Path& p, int ka, int kb, const Path& joined, size_t from, size_t to, Path& out) {
    std::vector<double> s(static_cast<size_t>(kb - ka) + 1, 0.0);
    for (int k = ka + 1; k <= kb; ++k)
        s[k - ka] = s[k - ka - 1] + Distance(p[k - 1], p[k]);
    std::vector<double> c(to - from + 1, 0.0);
    for (size_t j = from + 1; j <= to; ++j)
        c[j - from] = c[j - from - 1] + Distance(joined[j - 1], joined[j]);
    size_t seg = 0;
    for (int k = ka + 1; k < kb; ++k) {
        const double target = s[k - ka] / s.back() * c.back();
        while (seg + 2 < c.size() && c[seg + 1] < target)
            ++seg;
        const double len = c[seg + 1] - c[seg];
        const double t = len > 0.0 ? std::clamp((target - c[seg]) / len, 0.0, 1.0) : 0.0;
        const Point a = joined[from + seg], b = joined[from + seg + 1];
        out[k] = {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    }
}

} // namespace

void ApplyFlap(Outline& outline, double angleRad, double hingeFraction, double hingeY) {
    if (!FlapIsActive(angleRad, hingeFraction)) return;
    const Hinge hinge{hingeFraction, hingeY, std::cos(angleRad), std::sin(angleRad), angleRad};
    const Path upper = SurfaceOf(outline, true), lower = SurfaceOf(outline, false);
    const int h = outline.surfacePoints();

    // Window of mirror pairs around the hinge, as wide as the section is thick there.
    double thickness = 0.0;
    for (const Path* p : {&upper, &lower})
        thickness = std::max(thickness, 2.0 * std::abs((*p)[FlapStart(*p, hingeFraction) - 1].y - hingeY));
    int ka = 0;
    while (ka + 1 < h && upper[ka + 1].x < hingeFraction - thickness && lower[ka + 1].x < hingeFraction - thickness)
        ++ka;
    int kb = h;
    while (kb - 1 > ka && upper[kb - 1].x > hingeFraction + thickness && lower[kb - 1].x > hingeFraction + thickness)
        --kb;

    for (bool isUpper : {true, false}) {
        const Path& p = isUpper ? upper : lower;
        // A positive deflection turns the flap towards the lower side.
        const bool towards = isUpper == (angleRad < 0.0);
        const Joined j = JoinSurface(p, hinge, towards);
        // Widen the window where the join reaches beyond it (very large deflections).
        const int a = std::min(ka, j.cut);
        const int b = std::max(kb, j.firstKept);
        Path out = p;
        for (int k = b; k <= h; ++k)
            out[k] = j.path[j.at + (k - j.firstKept)];
        Respace(p, a, b, j.path, static_cast<size_t>(a), j.at + (b - j.firstKept), out);
        StoreSurface(outline, isUpper, out);
    }
}

} // namespace ribcraft::airfoil
