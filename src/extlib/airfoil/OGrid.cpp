// The O-grid and the entry point FoilGrid.
//
// The section's ring is the outline resampled by point index (so the
// outline's own crowding at the leading and trailing edges carries over),
// and the outer circle is parametrised the same way: the n-th point of the
// outline, at a fraction u of the way round, is joined to the circle point at
// angle -2 pi u from the trailing edge's direction. For the cosine-spaced
// outlines of the program this pairs each surface point with the circle point
// of the same cosine angle, so the joining lines are nearly radial. Interior
// points start on those lines at the geometric ring fractions and are then
// relaxed a few sweeps along the rings, the more the farther out, with
// radial weights that keep the ring spacing.

#include "extlib/airfoil/OGrid.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "extlib/Capacities.h"
#include "extlib/airfoil/Airfoil.h"

namespace ribcraft::airfoil {

namespace {

bool AllFinite(const std::vector<double>& v) {
    return std::all_of(v.begin(), v.end(), [](double a) { return std::isfinite(a); });
}

// Point of the closed outline at fractional index t (0 .. n - 1 for n points).
void OutlineAt(const std::vector<double>& ox, const std::vector<double>& oy, double t, double& x, double& y) {
    const int last = static_cast<int>(ox.size()) - 1;
    const int i = std::clamp(static_cast<int>(std::floor(t)), 0, last - 1);
    const double f = t - i;
    x = ox[i] + f * (ox[i + 1] - ox[i]);
    y = oy[i] + f * (oy[i + 1] - oy[i]);
}

// One sweep over the interior rings, every point from the previous sweep's
// neighbours, so that a mirrored outline keeps a mirrored grid.
void Relax(OGrid& g, const std::vector<double>& fraction) {
    const int ni = g.ni;
    auto at = [ni](int k, int j) { return static_cast<size_t>((k - 1) + (j - 1) * ni); };
    const std::vector<double> oldX = g.x, oldY = g.y;
    for (int j = 2; j < g.nj; ++j) {
        const double wm = 1.0 / (fraction[j - 1] - fraction[j - 2]);
        const double wp = 1.0 / (fraction[j] - fraction[j - 1]);
        const double along = 0.3 * fraction[j - 1]; // no sliding next to the section
        for (int k = 1; k < ni; ++k) {
            const int km = k == 1 ? ni - 1 : k - 1; // across the cut behind the trailing edge
            const size_t c = at(k, j);
            for (auto [p, old] : {std::pair{&g.x, &oldX}, std::pair{&g.y, &oldY}}) {
                const std::vector<double>& q = *old;
                const double radial = (wm * q[at(k, j - 1)] + wp * q[at(k, j + 1)]) / (wm + wp);
                const double ring = 0.5 * (q[at(km, j)] + q[at(k + 1, j)]);
                (*p)[c] = (1.0 - along) * radial + along * ring;
            }
        }
        g.x[at(ni, j)] = g.x[at(1, j)];
        g.y[at(ni, j)] = g.y[at(1, j)];
    }
}

} // namespace

double RingFraction(int j, int nj, double clustering) {
    if (nj < 2) return 0.0;
    const double steps = nj - 1;
    if (std::abs(clustering - 1.0) < 1e-9) return (j - 1) / steps;
    return (std::pow(clustering, j - 1) - 1.0) / (std::pow(clustering, steps) - 1.0);
}

bool BuildOGrid(const std::vector<double>& ox, const std::vector<double>& oy, int ni, int nj,
                const OGridSettings& settings, OGrid& out) {
    const size_t n = ox.size();
    if (n < 4 || oy.size() != n || ni < 3 || nj < 2 || !AllFinite(ox) || !AllFinite(oy)) return false;
    if (!std::isfinite(settings.radius) || !std::isfinite(settings.clustering) || !(settings.clustering > 0))
        return false;
    const auto [xMin, xMax] = std::minmax_element(ox.begin(), ox.end());
    const auto [yMin, yMax] = std::minmax_element(oy.begin(), oy.end());
    const double chord = *xMax - *xMin;
    const double cx = 0.5 * (*xMin + *xMax), cy = 0.5 * (*yMin + *yMax);
    double reach = 0.0;
    for (size_t i = 0; i < n; ++i)
        reach = std::max(reach, std::hypot(ox[i] - cx, oy[i] - cy));
    const double radius = settings.radius * chord;
    if (!(chord > 0) || !(radius > 1.05 * reach) || !std::isfinite(radius)) return false;

    OGrid g;
    g.ni = ni;
    g.nj = nj;
    g.x.assign(static_cast<size_t>(ni) * nj, 0.0);
    g.y.assign(static_cast<size_t>(ni) * nj, 0.0);
    std::vector<double> fraction(nj);
    for (int j = 1; j <= nj; ++j)
        fraction[j - 1] = RingFraction(j, nj, settings.clustering);
    const double start = std::atan2(oy[0] - cy, ox[0] - cx);
    for (int k = 1; k <= ni; ++k) {
        const double u = k == ni ? 0.0 : double(k - 1) / (ni - 1); // k = ni closes on the trailing edge
        double sx, sy;
        OutlineAt(ox, oy, u * double(n - 1), sx, sy);
        const double angle = start - 2.0 * std::numbers::pi * u;
        const double px = cx + radius * std::cos(angle), py = cy + radius * std::sin(angle);
        for (int j = 1; j <= nj; ++j) {
            const double f = fraction[j - 1];
            const size_t c = static_cast<size_t>((k - 1) + (j - 1) * ni);
            g.x[c] = sx + f * (px - sx);
            g.y[c] = sy + f * (py - sy);
        }
    }
    for (int s = 0; s < settings.smoothingSweeps && nj > 2; ++s)
        Relax(g, fraction);
    out = std::move(g);
    return true;
}

void FoilGrid(float& X, float& Y, int32_t& Count, int32_t& Ni, int32_t& Nj, float& GridX, float& GridY,
              int32_t& /*One*/) {
    airfoil::SetLastCall(KernelCall::BadArguments);
    if (Count < 4 || Count > cap::Outline || Ni > cap::MeshI || Nj > cap::MeshJ) return;
    airfoil::SetLastCall(KernelCall::NoSolution);
    float* gx = &GridX;
    float* gy = &GridY;
    airfoil::OGridSettings settings;
    settings.radius = gy[cap::At2(1, 1, cap::MeshI)];
    settings.clustering = gy[cap::At2(1, 2, cap::MeshI)];
    const float* x = &X;
    const float* y = &Y;
    const std::vector<double> ox(x, x + Count), oy(y, y + Count);
    airfoil::OGrid grid;
    if (!airfoil::BuildOGrid(ox, oy, Ni, Nj, settings, grid)) return;
    for (int j = 1; j <= Nj; ++j) {
        for (int k = 1; k <= Ni; ++k) {
            gx[cap::At2(k, j, cap::MeshI)] = static_cast<float>(grid.X(k, j));
            gy[cap::At2(k, j, cap::MeshI)] = static_cast<float>(grid.Y(k, j));
        }
    }
    airfoil::SetLastCall(KernelCall::Written);
}

} // namespace ribcraft::airfoil
