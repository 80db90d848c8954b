#include "app/PolarSweep.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "analysis/Drag.h"
#include "analysis/SurfaceBoundaryLayer.h"
#include "app/Kernels.h"
#include "app/PanelDriver.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

const double Pi = 4 * std::atan(1.0);

// One Airfoil call with the state's section, flap and file lists into the
// arrays given. False when the kernel refused (it then wrote nothing).
bool solvePanels(SharedState& s, float* y, float* cp, float* v, int32_t mode) {
    const Result<PanelCoefficients> r =
        CallAirfoil(s, s.SectionNumber, s.Alpha, {&s.SectionX[1], &s.DistX[1], &y[1], &cp[1], &v[1]}, mode);
    if (!r) return false;
    s.PanelCl = r->Cl;
    s.PanelCmLE = r->CmLE;
    return std::isfinite(s.PanelCl) && std::isfinite(s.PanelCmLE);
}

bool finiteSolution(const SharedState& s) {
    for (int i = 1; i <= s.PointCount + 1; ++i)
        if (!std::isfinite(s.SectionX[i]) || !std::isfinite(s.SectionY[i])) return false;
    for (int i = 1; i <= s.PointCount; ++i)
        if (!std::isfinite(s.SurfaceV[i])) return false;
    return true;
}

// The outline without its leading-edge point (outline point h + 1), with the
// velocity of each point, closed by point 1 as entry count + 1. 1-based.
struct Compacted {
    std::vector<double> x, y, v;
    int count = 0;
};

Compacted compact(const SharedState& s) {
    const int n = s.PointCount;
    Compacted c;
    c.x.assign(n + 2, 0.0);
    c.y.assign(n + 2, 0.0);
    c.v.assign(n + 2, 0.0);
    for (int i = 1; i <= n; ++i) {
        if (i == n / 2 + 1) continue;
        ++c.count;
        c.x[c.count] = s.SectionX[i];
        c.y[c.count] = s.SectionY[i];
        c.v[c.count] = s.SurfaceV[i];
    }
    c.x[c.count + 1] = s.SectionX[1];
    c.y[c.count + 1] = s.SectionY[1];
    return c;
}

double distance(const Compacted& c, int p, int q) {
    return std::hypot(c.x[p] - c.x[q], c.y[p] - c.y[q]);
}

// x component of the unit tangent of the segment from compacted point p to
// p + 1: the upward component of the outward normal, as the outline runs
// clockwise (trailing edge, lower surface, leading edge, upper surface).
double tangentX(const Compacted& c, int p) {
    const double length = distance(c, p, p + 1);
    return length > 0 ? (c.x[p + 1] - c.x[p]) / length : 0.0;
}

// The stations of one surface (1-based, with room for the entry the layer
// writes past the last), the compacted point each stands on and the layer.
struct SurfaceMarch {
    int n = 0;
    std::vector<double> s, ue, delta1, theta, tauW, spare;
    std::vector<int> point;
    double cd = 0;
    int last = 0, transition = 0;
    double separatedArc = 0; // L of the separation model, 0 when it does not apply

    explicit SurfaceMarch(int stations) : n(stations), point(stations + 2, 0) {
        for (auto* v : {&s, &ue, &delta1, &theta, &tauW, &spare})
            v->assign(stations + 2, 0.0);
    }
};

// Lower surface: from the stagnation point (compacted point k) backwards to the
// trailing edge; velocities as stored.
SurfaceMarch firstSurface(const Compacted& c, int k) {
    SurfaceMarch m(k);
    m.point[1] = k;
    m.ue[1] = std::abs(c.v[k]);
    for (int i = 2; i <= k; ++i) {
        const int p = k - i + 1;
        m.point[i] = p;
        m.s[i] = m.s[i - 1] + distance(c, p + 1, p);
        m.ue[i] = c.v[p];
    }
    return m;
}

// Upper surface: from the stagnation point forward, closed by a station at
// the trailing edge with the velocity of point 1 as stored. The station
// bookkeeping is the drag estimate's, so both give the same drag; the closing
// station stands on the last compacted point for the displaced contour.
SurfaceMarch secondSurface(const Compacted& c, int k) {
    const int cc = c.count, k2 = cc - k;
    SurfaceMarch m(k2 + 1);
    m.point[1] = k;
    m.ue[1] = std::abs(c.v[k]);
    for (int i = 2; i <= k2; ++i) {
        const int p = i + cc - k2 - 1;
        m.point[i] = p;
        m.s[i] = m.s[i - 1] + distance(c, p, p - 1);
        m.ue[i] = std::abs(c.v[p]);
    }
    m.point[k2 + 1] = cc;
    m.s[k2 + 1] = m.s[k2] + distance(c, cc, cc + 1);
    m.ue[k2 + 1] = c.v[1];
    return m;
}

bool march(SurfaceMarch& m, const SharedState& s) {
    if (m.n < 2 || !(m.s[m.n] > 0)) return false; // a surface without length
    const auto tail = [](std::vector<double>& v) { return std::span<double>(v).subspan(1); };
    const IntegralLayerSettings settings{s.re, s.PolarSolution};
    const bool ok =
        SurfaceBoundaryLayer(tail(m.ue), std::span<const double>(m.s).subspan(1), tail(m.delta1), tail(m.theta),
                             tail(m.tauW), tail(m.spare), m.n, m.cd, m.last, settings, m.transition);
    return ok && std::isfinite(m.cd) && m.transition >= 1 && m.transition <= m.n && m.last >= 1 && m.last <= m.n;
}

// Arc length behind the last attached station, when the layer separated
// before the station ahead of the trailing edge.
double separatedArc(const SurfaceMarch& m) {
    return m.last < m.n - 1 ? std::abs(m.s[m.n] - m.s[m.last]) : 0.0;
}

// Slope of the compacted segment p -> q, |dY/dX| taken as degrees.
double segmentSlope(const Compacted& c, int p, int q) {
    return std::abs((c.y[q] - c.y[p]) / (c.x[q] - c.x[p])) * 180 / Pi;
}

// Displacement thickness per station: Blasius up to the end of the laminar
// part, then a turbulent flat plate started there. Written as
// 1.7208 sqrt(s / re) and 0.05353 run^0.8 / re^0.2 so that a station at no
// distance (coincident points) gives no thickness instead of 0 / 0.
std::vector<double> displacementThickness(const SurfaceMarch& m, double re) {
    std::vector<double> d(m.n + 1, 0.0);
    const int t = m.transition;
    for (int i = 2; i <= m.n; ++i) {
        if (i <= t) {
            d[i] = 1.7208 * std::sqrt(std::max(m.s[i], 0.0) / re);
        } else {
            const double run = std::max(m.s[i] - m.s[t], 0.0);
            d[i] = d[t] + 0.05353 * std::pow(run, 0.8) / std::pow(re, 0.2);
        }
    }
    return d;
}

// Moves the points of a surface's stations 2..n out by the displacement
// thickness; the stagnation point keeps its ordinate. Returns the thickness
// per station.
std::vector<double> displace(const SurfaceMarch& m, const Compacted& c, double re, std::vector<double>& y) {
    std::vector<double> d = displacementThickness(m, re);
    for (int i = 2; i <= m.n; ++i) {
        const int p = m.point[i];
        y[p] = c.y[p] + tangentX(c, p) * d[i];
    }
    return d;
}

// The layers of one angle on the plain solution.
struct AngleLayers {
    Compacted c;
    SurfaceMarch first{0}, second{0};
    double deltaAlpha = 0; // correction of the simple flow-separation model
};

bool solveLayers(SharedState& s, double alpha, AngleLayers& a) {
    if (!solvePanels(s, s.SectionY.data(), s.SurfaceCp.data(), s.SurfaceV.data(), s.PanelMode)) return false;
    s.SectionX[s.PointCount + 1] = s.SectionX[1];
    s.SectionY[s.PointCount + 1] = s.SectionY[1];
    if (!finiteSolution(s)) return false;
    int stag = FindStagnationPoint(&s.SurfaceV[1], s.PointCount);
    if (stag >= s.SurfacePoints + 1) --stag;
    if (stag < 2 || stag >= s.PointCount - 1) return false;
    s.StagPoint = stag;
    a.c = compact(s);
    a.first = firstSurface(a.c, stag);
    a.second = secondSurface(a.c, stag);
    if (!march(a.first, s)) return false;
    a.second.last = a.first.last;
    if (!march(a.second, s)) return false;
    s.TransitionPoint = a.second.transition;
    if (alpha < 0 && (a.first.separatedArc = separatedArc(a.first)) > 0)
        a.deltaAlpha += 0.5 * a.first.separatedArc * (std::abs(alpha) + segmentSlope(a.c, 1, 2));
    const int cc = a.c.count;
    if (alpha > 0 && (a.second.separatedArc = separatedArc(a.second)) > 0)
        a.deltaAlpha += -0.5 * a.second.separatedArc * (alpha + segmentSlope(a.c, cc, cc + 1));
    return std::isfinite(a.deltaAlpha);
}

// The displaced outline back in outline order: the compacted points around
// the leading-edge point, which is not a station of either surface and keeps
// its ordinate. Each side of the trailing edge moves out by its own surface's
// thickness, so the displaced contour is open there by the thickness of the
// wake: pulling the upper side down onto the lower one would bend the last
// panel like a deflected flap and give a symmetric section lift at 0 degrees.
bool buildDisplacedOutline(SharedState& s, const AngleLayers& a) {
    std::vector<double> y = a.c.y;
    displace(a.first, a.c, s.re, y);
    const std::vector<double> upper = displace(a.second, a.c, s.re, y);
    const int cc = a.c.count;
    y[cc + 1] = a.c.y[cc + 1] + tangentX(a.c, cc) * upper[size_t(a.second.n)];
    const int n = s.PointCount, h = n / 2;
    for (int i = 1; i <= n + 1; ++i) {
        const double value = i <= h ? y[i] : (i == h + 1 ? s.SectionY[h + 1] : y[i - 1]);
        if (!std::isfinite(value)) return false;
        s.DisplacedY[i] = float(value);
    }
    return true;
}

// One angle of the sweep; false on a fault.
bool sweepAngle(SharedState& s, double alpha, StoredPolar& polar) {
    s.Alpha = float(alpha);
    AngleLayers a;
    if (!solveLayers(s, alpha, a) || !buildDisplacedOutline(s, a)) return false;
    if (s.FlowSeperationModel == 1) s.Alpha = float(alpha + a.deltaAlpha);
    if (!solvePanels(s, s.DisplacedY.data(), s.ScratchCp.data(), s.ScratchV.data(), 1)) return false;
    const double cm = QuarterChordMoment(s.PanelCl, s.PanelCmLE);
    s.Polars.CmQuarter = cm;
    const bool stalled = a.first.separatedArc >= 0.5 || a.second.separatedArc >= 0.5;
    if (s.FlowSeperationModel == 1 && stalled) return true; // the angle is left out of the polar
    const PolarRow row{alpha,
                       s.PanelCl,
                       (a.first.cd + a.second.cd) * 1000,
                       cm,
                       a.c.x[size_t(a.second.point[a.second.transition])],
                       a.c.x[size_t(a.first.point[a.first.transition])]};
    if (!std::all_of(row.begin(), row.end(), [](double v) { return std::isfinite(v); })) return false;
    polar.PolarData.push_back(row);
    return true;
}

} // namespace

double QuarterChordMoment(double cl, double cmLe) {
    return cmLe + 0.25 * cl;
}

PolarKey CurrentPolarKey(const SharedState& s) {
    PolarKey key;
    key.SectionName = s.Texts.SectionName;
    key.FlapDeflection = Val(s.Texts.FlapDeflectionText);
    key.FlapLength = Val(s.Texts.FlapLengthText);
    key.re = s.re;
    key.RawAirfoilFlag = s.RawAirfoilFlag;
    if (s.RawAirfoilFlag == 1) {
        for (const auto* list : {&s.XUpper, &s.YUpper})
            key.FilePoints.insert(key.FilePoints.end(), list->begin() + 1, list->begin() + 1 + s.NUpper);
        for (const auto* list : {&s.XLower, &s.YLower})
            key.FilePoints.insert(key.FilePoints.end(), list->begin() + 1, list->begin() + 1 + s.NLower);
    }
    key.SurfacePoints = s.SurfacePoints;
    key.PolarSolution = s.PolarSolution;
    key.FlowSeperationModel = s.FlowSeperationModel;
    return key;
}

std::span<const StoredPolar> ActivePolars(const SharedState& s) {
    const size_t count = size_t(std::clamp(s.PolarCount, 0, int(s.Polars.Polars.size())));
    return std::span<const StoredPolar>(s.Polars.Polars).first(count);
}

int FindPolar(const SharedState& s, const PolarKey& key) {
    const auto polars = ActivePolars(s);
    for (size_t j = 0; j < polars.size(); ++j)
        if (polars[j].Key == key) return int(j) + 1;
    return 0;
}

PolarOutcome Polar(SharedState& s) {
    PolarOutcome out;
    auto& store = s.Polars.Polars;
    store.resize(ActivePolars(s).size()); // forget the polars a reset dropped
    s.PolarCount = int(store.size());
    const PolarKey key = CurrentPolarKey(s);
    if ((out.polar = FindPolar(s, key)) != 0) return out;

    const int32_t sectionNumber = SectionNumberOf(s.Texts.SectionName);
    if (CommandResult check = CheckSection(s, sectionNumber); !check.ok) {
        out.result = check;
        return out;
    }
    if (s.PolarCount >= PolarStore::MaxPolars) {
        out.result.warning = "There is room for " + std::to_string(PolarStore::MaxPolars) +
                             " polars only: reset the polars to compute another one.";
        return out;
    }
    store.push_back({key, {}});
    store.back().PolarData.reserve(PolarStore::SweepSize);
    s.PolarCount = int(store.size());
    out.polar = s.PolarCount;
    out.computed = true;

    s.SectionNumber = sectionNumber;
    const float remembered = s.Alpha;
    const int K = PolarStore::SweepSize;
    bool ok = true;
    for (int k = 1; k <= K && ok; ++k)
        ok = sweepAngle(s, -20 + double(k - 1) / (K - 1) * 40, store.back());
    s.Alpha = remembered;
    s.NewFlag = 1; // the arrays hold the last angle: the next redraw solves the current one again
    if (!ok) out.result = CommandResult::failure(BlErrorMessage);
    return out;
}

} // namespace ribcraft
