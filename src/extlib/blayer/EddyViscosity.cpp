// SPDX-License-Identifier: MIT
#include "extlib/blayer/EddyViscosity.h"

#include <algorithm>
#include <cmath>

namespace ribcraft::blayer {

namespace {

constexpr double kappa = 0.40;
constexpr double damping = 26.0;
constexpr double clauser = 0.0168;

// Height where u first reaches 0.995, interpolated; the top when it never does.
double outerEdge(const Grid& grid, const Profile& p) {
    const int n = grid.intervals() + 1;
    for (int j = 1; j < n; ++j) {
        if (p.u[j] >= 0.995) {
            const double du = p.u[j] - p.u[j - 1];
            const double t = du > 0 ? (0.995 - p.u[j - 1]) / du : 1.0;
            return grid.eta[j - 1] + std::clamp(t, 0.0, 1.0) * grid.h[j];
        }
    }
    return grid.eta[n - 1];
}

} // namespace

void LaminarViscosity::update(const Grid&, Profile& cur) const {
    std::fill(cur.b.begin(), cur.b.end(), 1.0);
    std::fill(cur.dbdv.begin(), cur.dbdv.end(), 0.0);
}

void CebeciSmithViscosity::update(const Grid& grid, Profile& cur) const {
    const int n = grid.intervals() + 1;
    const double top = grid.eta[n - 1];
    const double displacement = std::max(top - cur.f[n - 1], 0.0);
    const double edge = std::max(outerEdge(grid, cur), 1e-12);
    const double outerBase = clauser * m_sqrtRex * displacement;
    const double yPlusScale = std::sqrt(m_sqrtRex * std::max(cur.v[0], 0.0));
    bool inner = true;
    cur.b[0] = 1.0;
    std::fill(cur.dbdv.begin(), cur.dbdv.end(), 0.0);
    for (int j = 1; j < n; ++j) {
        const double eta = grid.eta[j];
        const double r = eta / edge;
        const double outer = outerBase / (1.0 + 5.5 * std::pow(r, 6));
        double eps = outer;
        if (inner) {
            const double d = 1.0 - std::exp(-eta * yPlusScale / damping);
            const double epsInner = kappa * kappa * m_sqrtRex * eta * eta * d * d * std::abs(cur.v[j]);
            if (epsInner < outer) {
                eps = epsInner;
                // The inner value grows like |v|.
                if (cur.v[j] != 0.0) cur.dbdv[j] = m_gammaTr * epsInner / cur.v[j];
            } else
                inner = false;
        }
        cur.b[j] = 1.0 + m_gammaTr * eps;
    }
}

double TransitionIntermittency(double re, double ueTr, double rexTr, double distance, double integralDxOverUe) {
    if (distance <= 0.0) return 0.0;
    const double c2 = std::max(213.0 * (std::log10(std::max(rexTr, 1.0)) - 4.7323), 60.0);
    const double g = 3.0 / c2 * ueTr * ueTr * ueTr * re * re * std::pow(std::max(rexTr, 1.0), -1.34);
    return 1.0 - std::exp(-g * distance * integralDxOverUe);
}

} // namespace ribcraft::blayer
