#include "analysis/Drag.h"

#include <cmath>

#include "analysis/SurfaceBoundaryLayer.h"

namespace ribcraft {

namespace {

const double Pi = 4 * std::atan(1.0);

bool inputsUsable(const DragInputs& in) {
    const int n = in.N;
    if (n < 4 || n % 2 != 0) return false;
    const auto need = static_cast<std::size_t>(n);
    if (in.SectionX.size() < need || in.SectionY.size() < need || in.SurfaceV.size() < need) return false;
    if (!std::isfinite(in.Alpha) || !std::isfinite(in.re) || in.re <= 0) return false;
    for (std::size_t i = 0; i < need; ++i)
        if (!std::isfinite(in.SectionX[i]) || !std::isfinite(in.SectionY[i]) || !std::isfinite(in.SurfaceV[i]))
            return false;
    return true;
}

// Running minimum of |V| from 10000; the last of equal minima wins. The
// leading-edge point itself is not a station of either surface, so a
// stagnation point found there moves to the point before it. 0 = none found.
int findStagPoint(std::span<const float> v, int n) {
    double least = 10000;
    int stag = 0;
    for (int i = 1; i <= n; ++i) {
        const double a = std::abs(static_cast<double>(v[i - 1]));
        if (a <= least) {
            least = a;
            stag = i;
        }
    }
    if (stag == n / 2 + 1) stag = n / 2;
    return stag;
}

// Outline and velocities without the duplicated leading-edge point, with the
// outline closed by point 1 as entry CompCount + 1 of CompX, CompY.
void compact(const DragInputs& in, DragResult& r) {
    const int n = in.N;
    r.CompX.assign(n + 1, 0.0);
    r.CompY.assign(n + 1, 0.0);
    r.CompV.assign(n + 1, 0.0);
    int c = 0;
    for (int i = 1; i <= n; ++i) {
        if (i == n / 2 + 1) continue;
        ++c;
        r.CompV[c] = in.SurfaceV[i - 1];
        r.CompX[c] = in.SectionX[i - 1];
        r.CompY[c] = in.SectionY[i - 1];
    }
    r.CompCount = c;
    r.CompX[c + 1] = in.SectionX[0];
    r.CompY[c + 1] = in.SectionY[0];
}

double compDistance(const DragResult& r, int p, int q) {
    return std::hypot(r.CompX[p] - r.CompX[q], r.CompY[p] - r.CompY[q]);
}

// Trailing-edge slope of the compacted segment p -> q, |dY/dX| taken as degrees.
double segmentSlope(const DragResult& r, int p, int q) {
    return std::abs((r.CompY[q] - r.CompY[p]) / (r.CompX[q] - r.CompX[p])) * 180 / Pi;
}

struct Workspace {
    std::vector<double> shear, spare;
};

bool solveSurface(DragResult& r, Workspace& w, int n, const DragInputs& in, double& cd, int& last) {
    const auto tail = [](std::vector<double>& v) { return std::span<double>(v).subspan(1); };
    if (!(r.ArcLength[n] > 0)) return false; // a surface without length
    const IntegralLayerSettings settings{in.re, in.PolarSolution};
    return SurfaceBoundaryLayer(tail(r.EdgeVelocity), tail(r.ArcLength), tail(r.Delta1Dist), tail(r.ThetaDist),
                                tail(w.shear), tail(w.spare), n, cd, last, settings, r.TransitionPoint) &&
           std::isfinite(cd);
}

// Surface before the stagnation point, walked backwards from it to the
// trailing edge; velocities as stored.
bool firstSurface(DragResult& r, Workspace& w, const DragInputs& in, int k) {
    if (k < 2) return false;
    r.ArcLength[1] = 0;
    r.EdgeVelocity[1] = std::abs(r.CompV[k]);
    for (int m = 2; m <= k; ++m) {
        const int p = k - m + 1;
        r.ArcLength[m] = r.ArcLength[m - 1] + compDistance(r, p + 1, p);
        r.EdgeVelocity[m] = r.CompV[p];
    }
    r.K1 = k;
    if (!solveSurface(r, w, r.K1, in, r.Cd1, r.last1)) return false;
    r.Transition1 = r.TransitionPoint; // the second surface's march writes TransitionPoint again
    if (in.Alpha < 0 && r.last1 < r.K1 - 1) {
        r.SeparatedArc1 = std::abs(r.ArcLength[r.K1] - r.ArcLength[r.last1]);
        const double tau = segmentSlope(r, 1, 2);
        r.EffectiveAlpha += 0.5 * r.SeparatedArc1 * (std::abs(in.Alpha) + tau);
    }
    return true;
}

// Surface from the stagnation point forward, closed by a trailing-edge
// station carrying the velocity of point 1 as stored.
bool secondSurface(DragResult& r, Workspace& w, const DragInputs& in) {
    const int cc = r.CompCount;
    const int k2 = r.StagPoint <= in.N / 2 ? cc - r.StagPoint : cc - r.StagPoint + 1;
    if (k2 < 1) return false;
    r.ArcLength[1] = 0;
    r.EdgeVelocity[1] = std::abs(static_cast<double>(in.SurfaceV[r.StagPoint - 1]));
    for (int m = 2; m <= k2; ++m) {
        const int p = m + cc - k2 - 1;
        r.ArcLength[m] = r.ArcLength[m - 1] + compDistance(r, p, p - 1);
        r.EdgeVelocity[m] = std::abs(r.CompV[p]);
    }
    r.K2 = k2 + 1;
    r.ArcLength[r.K2] = r.ArcLength[k2] + compDistance(r, cc, cc + 1);
    r.EdgeVelocity[r.K2] = in.SurfaceV[0];
    r.last2 = r.last1;
    if (!solveSurface(r, w, r.K2, in, r.Cd2, r.last2)) return false;
    if (in.Alpha > 0 && r.last2 < r.K2 - 1) {
        r.SeparatedArc2 = std::abs(r.ArcLength[r.K2] - r.ArcLength[r.last2]);
        const double tau = segmentSlope(r, cc, cc + 1);
        r.EffectiveAlpha += -0.5 * r.SeparatedArc2 * (in.Alpha + tau);
    }
    r.SurfaceStations = r.K2;
    return true;
}

DragResult failed() {
    DragResult r;
    r.error = BlErrorMessage;
    return r;
}

} // namespace

DragResult ComputeDrag(const DragInputs& in) {
    if (!inputsUsable(in)) return failed();
    DragResult r;
    r.StagPoint = findStagPoint(in.SurfaceV, in.N);
    if (r.StagPoint < 1) return failed();
    const int k = r.StagPoint > in.N / 2 ? r.StagPoint - 1 : r.StagPoint;
    compact(in, r);

    // Stations of either surface plus the entry SurfaceBoundaryLayer sets past the last.
    const std::size_t size = static_cast<std::size_t>(in.N) + 3;
    for (auto* v : {&r.ArcLength, &r.EdgeVelocity, &r.Delta1Dist, &r.ThetaDist})
        v->assign(size, 0.0);
    Workspace w{std::vector<double>(size, 0.0), std::vector<double>(size, 0.0)};

    r.EffectiveAlpha = in.Alpha;
    if (!firstSurface(r, w, in, k) || !secondSurface(r, w, in)) return failed();
    r.Cd = r.Cd1 + r.Cd2;
    r.StallFlag = (r.SeparatedArc1 > 0.5 || r.SeparatedArc2 > 0.5) ? 1 : 0;
    if (!std::isfinite(r.Cd) || !std::isfinite(r.EffectiveAlpha)) return failed();
    r.ok = true;
    return r;
}

} // namespace ribcraft
