// SPDX-License-Identifier: MIT
#include "extlib/blayer/KellerBox.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ribcraft::blayer {

namespace {

using Block = Eigen::Matrix3d;
using Vec = Eigen::Vector3d;

// Ratio K of a geometric grid: firstStep * (K^J - 1) / (K - 1) = height.
double stretchRatio(int intervals, double height, double firstStep) {
    const double target = height / firstStep;
    auto sum = [intervals](double k) { return (std::pow(k, intervals) - 1.0) / (k - 1.0); };
    double lo = 1.0 + 1e-12, hi = 2.0;
    while (sum(hi) < target && hi < 64.0)
        hi *= 2.0;
    for (int it = 0; it < 200; ++it) {
        const double mid = 0.5 * (lo + hi);
        (sum(mid) < target ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

// The block-tridiagonal Newton system: row block i couples the unknowns
// (f, u, v) of grid points i - 1, i, i + 1 through A[i], B[i], C[i].
// Its storage is reused from one Newton iteration and station to the next.
struct BlockSystem {
    std::vector<Block> a, b, c, gamma;
    std::vector<Vec> d;
    void reset(int points) {
        for (auto* blocks : {&a, &b, &c})
            blocks->assign(points, Block::Zero());
        gamma.resize(points);
        d.assign(points, Vec::Zero());
    }
};

// Forward elimination and back substitution; the solution replaces d.
bool solveBlocks(BlockSystem& s) {
    const int n = static_cast<int>(s.d.size());
    std::vector<Block>& gamma = s.gamma;
    for (int i = 0; i < n; ++i) {
        Block m = s.b[i];
        Vec rhs = s.d[i];
        if (i > 0) {
            m -= s.a[i] * gamma[i - 1];
            rhs -= s.a[i] * s.d[i - 1];
        }
        const Eigen::FullPivLU<Block> lu(m);
        if (!lu.isInvertible()) return false;
        gamma[i] = lu.solve(s.c[i]);
        s.d[i] = lu.solve(rhs);
    }
    for (int i = n - 2; i >= 0; --i)
        s.d[i] -= gamma[i] * s.d[i + 1];
    return true;
}

struct Mid {
    double f, u, v;
};

Mid midpoint(const Profile& p, int j) {
    return {0.5 * (p.f[j] + p.f[j - 1]), 0.5 * (p.u[j] + p.u[j - 1]), 0.5 * (p.v[j] + p.v[j - 1])};
}

// Momentum terms of the previous station that the box equation carries.
double oldTerms(const Grid& g, const StationTerms& t, int j) {
    if (!t.previous) return 0.0;
    const Profile& o = *t.previous;
    const Mid m = midpoint(o, j);
    const double lOld =
        (o.b[j] * o.v[j] - o.b[j - 1] * o.v[j - 1]) / g.h[j] + t.p1Old * m.f * m.v + t.p2Old * (1.0 - m.u * m.u);
    return lOld + t.alpha * (m.u * m.u - m.v * m.f);
}

// Residual and derivatives of the momentum equation of box j; derivatives
// with respect to (f, u, v) of point j - 1 go to lower, of point j to upper.
double momentum(const Grid& g, const StationTerms& t, const Profile& p, int j, Vec& lower, Vec& upper) {
    const double h = g.h[j];
    const Mid m = midpoint(p, j);
    Mid o{0, 0, 0};
    if (t.previous) o = midpoint(*t.previous, j);
    const double a = t.alpha;
    const double r = (p.b[j] * p.v[j] - p.b[j - 1] * p.v[j - 1]) / h + t.p1 * m.f * m.v + t.p2 * (1.0 - m.u * m.u) -
                     a * (m.u * m.u - m.v * m.f + m.v * o.f - o.v * m.f) + oldTerms(g, t, j);
    const double df = 0.5 * ((t.p1 + a) * m.v + a * o.v);
    const double du = -(t.p2 + a) * m.u;
    const double dv = 0.5 * ((t.p1 + a) * m.f - a * o.f);
    lower = Vec(df, du, -(p.b[j - 1] + p.dbdv[j - 1] * p.v[j - 1]) / h + dv);
    upper = Vec(df, du, (p.b[j] + p.dbdv[j] * p.v[j]) / h + dv);
    return r;
}

// Builds the Newton system J * delta = -residual for the current iterate.
void buildSystem(const Grid& g, const StationTerms& t, const Profile& p, BlockSystem& s) {
    const int nj = g.intervals();
    s.reset(nj + 1);
    // Wall: f = 0, u = 0, then u' = v in the first box.
    s.b[0](0, 0) = 1.0;
    s.d[0](0) = -p.f[0];
    s.b[0](1, 1) = 1.0;
    s.d[0](1) = -p.u[0];
    for (int j = 1; j <= nj; ++j) {
        const double h = g.h[j];
        // f' = u in box j: row 0 of block j.
        s.a[j](0, 0) = -1.0;
        s.a[j](0, 1) = -0.5 * h;
        s.b[j](0, 0) = 1.0;
        s.b[j](0, 1) = -0.5 * h;
        s.d[j](0) = -(p.f[j] - p.f[j - 1] - 0.5 * h * (p.u[j] + p.u[j - 1]));
        // Momentum in box j: row 1 of block j.
        Vec lower, upper;
        const double r = momentum(g, t, p, j, lower, upper);
        s.a[j].row(1) = lower.transpose();
        s.b[j].row(1) = upper.transpose();
        s.d[j](1) = -r;
        // u' = v in box j: row 2 of block j - 1.
        s.b[j - 1](2, 1) = -1.0;
        s.b[j - 1](2, 2) = -0.5 * h;
        s.c[j - 1](2, 1) = 1.0;
        s.c[j - 1](2, 2) = -0.5 * h;
        s.d[j - 1](2) = -(p.u[j] - p.u[j - 1] - 0.5 * h * (p.v[j] + p.v[j - 1]));
    }
    // Edge: u = 1.
    s.b[nj](2, 1) = 1.0;
    s.d[nj](2) = -(p.u[nj] - 1.0);
}

bool finite(const Profile& p) {
    auto ok = [](const std::vector<double>& x) {
        return std::all_of(x.begin(), x.end(), [](double v) { return std::isfinite(v); });
    };
    return ok(p.f) && ok(p.u) && ok(p.v) && ok(p.b);
}

} // namespace

Grid MakeGrid(int intervals, double height, double firstStep) {
    Grid g;
    g.eta.assign(intervals + 1, 0.0);
    g.h.assign(intervals + 1, 0.0);
    const double uniform = height / intervals;
    const bool stretched = firstStep < uniform * (1.0 - 1e-9);
    const double k = stretched ? stretchRatio(intervals, height, firstStep) : 1.0;
    double step = stretched ? firstStep : uniform;
    for (int j = 1; j <= intervals; ++j) {
        g.eta[j] = g.eta[j - 1] + step;
        step *= k;
    }
    // Put the top exactly at the requested height.
    const double scale = height / g.eta[intervals];
    for (int j = 1; j <= intervals; ++j) {
        g.eta[j] *= scale;
        g.h[j] = g.eta[j] - g.eta[j - 1];
    }
    return g;
}

void Profile::resize(int points) {
    f.assign(points, 0.0);
    u.assign(points, 0.0);
    v.assign(points, 0.0);
    b.assign(points, 1.0);
    dbdv.assign(points, 0.0);
}

Profile InitialProfile(const Grid& grid) {
    Profile p;
    const int n = grid.intervals() + 1;
    p.resize(n);
    constexpr double c = 0.5; // u = tanh(c eta)
    for (int j = 0; j < n; ++j) {
        const double t = std::tanh(c * grid.eta[j]);
        p.u[j] = t;
        p.v[j] = c * (1.0 - t * t);
        p.f[j] = std::log(std::cosh(c * grid.eta[j])) / c;
    }
    p.u[n - 1] = 1.0;
    return p;
}

bool SolveStation(const Grid& grid, const StationTerms& terms, const ViscosityModel& model, Profile& cur,
                  const NewtonSettings& settings) {
    const int n = grid.intervals() + 1;
    thread_local BlockSystem s; // scratch only: nothing is carried from one call to the next
    double last = std::numeric_limits<double>::infinity();
    for (int it = 0; it < settings.maxIterations; ++it) {
        model.update(grid, cur);
        buildSystem(grid, terms, cur, s);
        if (!solveBlocks(s)) return false;
        double change = 0.0;
        const double scaleV = 1.0 + std::abs(cur.v[0]);
        for (int j = 0; j < n; ++j) {
            cur.f[j] += s.d[j](0);
            cur.u[j] += s.d[j](1);
            cur.v[j] += s.d[j](2);
            change = std::max({change, std::abs(s.d[j](1)), std::abs(s.d[j](2)) / scaleV});
        }
        if (!finite(cur)) return false;
        if (change < settings.tolerance) {
            model.update(grid, cur);
            return finite(cur);
        }
        last = change;
    }
    // The eddy viscosity is not part of the Newton matrix, so a turbulent
    // station converges only linearly; a change that has become small is
    // accepted rather than counted as a failure of the march.
    if (last < settings.acceptable) {
        model.update(grid, cur);
        return finite(cur);
    }
    return false;
}

} // namespace ribcraft::blayer
