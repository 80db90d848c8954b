// SPDX-License-Identifier: MIT
#include "extlib/airfoil/PanelSolver.h"

#include "extlib/airfoil/ArcTangent.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ribcraft::airfoil {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

bool OutlineIsUsable(const Outline& o) {
    const size_t n = o.x.size();
    if (n < 4 || o.y.size() != n) return false;
    double area = 0.0, perimeter = 0.0;
    for (size_t i = 0; i < n; ++i)
        if (!std::isfinite(o.x[i]) || !std::isfinite(o.y[i])) return false;
    for (size_t i = 0; i + 1 < n; ++i) {
        perimeter += std::hypot(o.x[i + 1] - o.x[i], o.y[i + 1] - o.y[i]);
        area += o.x[i] * o.y[i + 1] - o.x[i + 1] * o.y[i];
    }
    area += o.x[n - 1] * o.y[0] - o.x[0] * o.y[n - 1];
    // The loop runs clockwise (lower surface forward, upper surface back).
    if (!(perimeter > 0.0) || !(-0.5 * area > 1e-9 * perimeter * perimeter)) return false;
    for (size_t i = 0; i + 1 < n; ++i)
        if (std::hypot(o.x[i + 1] - o.x[i], o.y[i + 1] - o.y[i]) <= 1e-12 * perimeter) return false;
    return true;
}

} // namespace

void PanelSolver::buildSystem(const Outline& o) {
    const int n = m_panels;
    Eigen::MatrixXd& normal = m_lu.system();
    normal.resize(n + 1, n + 1);
    normal.setZero();
    // One column pair per panel, in three passes over the midpoints: the
    // plain arithmetic of the first and last runs on several midpoints at a
    // time (divisions by the panel length and by 2 pi are multiplications by
    // their reciprocals), and so does the angle; the logarithm is the library's.
    m_xi.resize(size_t(n));
    m_eta.resize(size_t(n));
    m_beta.resize(size_t(n));
    m_lnr.resize(size_t(n));
    double* __restrict const xi = m_xi.data();
    double* __restrict const eta = m_eta.data();
    double* __restrict const beta = m_beta.data();
    double* __restrict const lnr = m_lnr.data();
    const double* __restrict const midX = m_midX.data();
    const double* __restrict const midY = m_midY.data();
    const double* __restrict const tix = m_tx.data();
    const double* __restrict const tiy = m_ty.data();
    constexpr double kInvTwoPi = 1.0 / kTwoPi;
    for (int j = 0; j < n; ++j) {
        const double tx = m_tx[j], ty = m_ty[j], len = m_length[j];
        const double x0 = o.x[j], y0 = o.y[j];
        // The midpoints in the panel's frame (xi along it from its start node, eta to its left).
        for (int i = 0; i < n; ++i) {
            const double dx = midX[i] - x0, dy = midY[i] - y0;
            xi[i] = dx * tx + dy * ty;
            eta[i] = -dx * ty + dy * tx;
        }
        // Angle the panel subtends at each midpoint, and the log of the ratio of the distances to its end nodes.
        for (int i = 0; i < n; ++i)
            beta[i] = ArcTangent2(eta[i] * len, xi[i] * xi[i] - xi[i] * len + eta[i] * eta[i]);
        for (int i = 0; i < n; ++i) {
            const double ra2 = xi[i] * xi[i] + eta[i] * eta[i];
            const double rb2 = (xi[i] - len) * (xi[i] - len) + eta[i] * eta[i];
            lnr[i] = 0.5 * std::log(rb2 / ra2);
        }
        // On the panel itself: the outer side.
        beta[j] = std::numbers::pi;
        lnr[j] = 0.0;
        // A vortex sheet on the panel (clockwise positive) whose strength runs
        // linearly from a at the start node to b at the end node induces
        // a (ua, va) + b (ub, vb) in the panel's frame.
        double* __restrict const colA = &normal(0, j);
        double* __restrict const colB = &normal(0, j + 1);
        const double perLength = kInvTwoPi / len;
        for (int i = 0; i < n; ++i) {
            const double i1u = eta[i] * lnr[i] + xi[i] * beta[i];
            const double i1v = len - eta[i] * beta[i] + xi[i] * lnr[i];
            const double ub = i1u * perLength;
            const double vb = i1v * perLength;
            const double ua = beta[i] * kInvTwoPi - ub;
            const double va = lnr[i] * kInvTwoPi - vb;
            // Normal velocity at midpoint i per unit node strength: the panel's
            // (u, v) along t_j and n_j = (-ty, tx), projected on n_i.
            const double c = tx * tix[i] + ty * tiy[i]; // t_j . t_i = n_j . n_i
            const double s = ty * tix[i] - tx * tiy[i]; // t_j . n_i
            colA[i] += ua * s + va * c;
            colB[i] += ub * s + vb * c;
        }
    }
    // Kutta condition: the strengths at the two trailing-edge nodes cancel.
    normal(n, 0) = 1.0;
    normal(n, n) = 1.0;
}

// Estimate of 1 / (|A|_1 |A^-1|_1) from the factorisation, with the norm of
// A given: Hager's search for the largest column of A^-1, with Higham's
// alternating-sign check. Works in the solver's own vectors and so allocates
// nothing once they have their size.
double PanelSolver::reciprocalCondition(double norm1) {
    const Eigen::Index n = m_lu.matrixLU().rows();
    if (!(norm1 > 0.0)) return 0.0;
    const auto& lu = m_lu.matrixLU();
    Eigen::VectorXd &v = m_work, &rhs = m_rhs, &sign = m_sign;
    rhs.setConstant(1.0 / double(n));
    v = m_lu.solve(rhs);
    double bound = v.lpNorm<1>(), oldBound = bound;
    Eigen::Index maxIndex = -1, oldMaxIndex = -1;
    for (int k = 0; k < 4; ++k) {
        bool sameSign = k > 0;
        for (Eigen::Index i = 0; i < n; ++i) {
            const double si = v(i) < 0.0 ? -1.0 : 1.0;
            sameSign = sameSign && si == sign(i);
            sign(i) = si;
        }
        if (sameSign) break;
        // v = A^-T sign, with P A = L U: solve U^T L^T (P v) = sign.
        v = sign;
        lu.triangularView<Eigen::Upper>().transpose().solveInPlace(v);
        lu.triangularView<Eigen::UnitLower>().transpose().solveInPlace(v);
        v = m_lu.permutationP().transpose() * v;
        v.cwiseAbs().maxCoeff(&maxIndex);
        if (maxIndex == oldMaxIndex) break;
        rhs.setZero();
        rhs(maxIndex) = 1.0;
        v = m_lu.solve(rhs);
        bound = v.lpNorm<1>();
        if (bound <= oldBound) break;
        oldMaxIndex = maxIndex;
        oldBound = bound;
    }
    double alternating = 1.0;
    for (Eigen::Index i = 0; i < n; ++i) {
        rhs(i) = alternating * (1.0 + double(i) / double(n - 1));
        alternating = -alternating;
    }
    v = m_lu.solve(rhs);
    const double inverseNorm = std::max(bound, 2.0 * v.lpNorm<1>() / (3.0 * double(n)));
    return inverseNorm == 0.0 ? 0.0 : 1.0 / inverseNorm / norm1;
}

bool PanelSolver::setOutline(const Outline& o) {
    m_panels = 0;
    if (!OutlineIsUsable(o)) return false;
    const int n = static_cast<int>(o.x.size()) - 1;
    m_midX.resize(n);
    m_midY.resize(n);
    m_tx.resize(n);
    m_ty.resize(n);
    m_length.resize(n);
    for (int i = 0; i < n; ++i) {
        const double dx = o.x[i + 1] - o.x[i], dy = o.y[i + 1] - o.y[i];
        m_length[i] = std::hypot(dx, dy);
        m_tx[i] = dx / m_length[i];
        m_ty[i] = dy / m_length[i];
        m_midX[i] = 0.5 * (o.x[i] + o.x[i + 1]);
        m_midY[i] = 0.5 * (o.y[i] + o.y[i + 1]);
    }
    m_panels = n;
    buildSystem(o);
    double norm1 = 0.0;
    const Eigen::MatrixXd& system = m_lu.system();
    for (Eigen::Index j = 0; j < system.cols(); ++j)
        norm1 = std::max(norm1, system.col(j).lpNorm<1>());
    m_lu.factorise();
    m_gammaX.resize(n + 1);
    m_gammaY.resize(n + 1);
    for (int i = 0; i < n; ++i) {
        m_gammaX(i) = m_ty[i];  // -(1, 0) . n_i
        m_gammaY(i) = -m_tx[i]; // -(0, 1) . n_i
    }
    m_gammaX(n) = m_gammaY(n) = 0.0;
    m_work.resize(n + 1);
    m_rhs.resize(n + 1);
    m_sign.resize(n + 1);
    m_work = m_lu.solve(m_gammaX);
    m_gammaX.swap(m_work);
    m_work = m_lu.solve(m_gammaY);
    m_gammaY.swap(m_work);
    // With the flow at rest inside the section, the speed just outside the
    // sheet equals its strength; at a midpoint that is the mean of the nodes.
    m_vtX.resize(n);
    m_vtY.resize(n);
    for (int i = 0; i < n; ++i) {
        m_vtX[i] = 0.5 * (m_gammaX(i) + m_gammaX(i + 1));
        m_vtY[i] = 0.5 * (m_gammaY(i) + m_gammaY(i + 1));
    }
    m_vt.resize(n);
    if (!(reciprocalCondition(norm1) > 1e-13) || !m_gammaX.allFinite() || !m_gammaY.allFinite()) {
        m_panels = 0;
        return false;
    }
    return true;
}

void PanelSolver::extrapolateAtTrailingEdge(std::vector<double>& vt) const {
    // The sheet turns the sharp corner of the trailing edge, where the node
    // strength overshoots and is no surface speed (it can even change sign).
    // The speed on the two panels at the edge is therefore carried on
    // linearly, in distance along the surface, from the next two panels.
    const int n = m_panels;
    if (n < 6) return;
    auto along = [&](int a, int b) { return std::hypot(m_midX[a] - m_midX[b], m_midY[a] - m_midY[b]); };
    // A steep fall towards the edge (a deflected flap, a large angle) must not
    // carry the speed through zero or down to the size of the stagnation
    // point's: the flow leaves the edge in the direction it had, and the
    // continuation stops at half the neighbour's speed.
    auto carry = [](double next, double step) {
        const double linear = next + step;
        return linear * next > 0.0 && std::abs(linear) > 0.5 * std::abs(next) ? linear : 0.5 * next;
    };
    vt[0] = carry(vt[1], (vt[1] - vt[2]) * along(0, 1) / along(1, 2));
    vt[n - 1] = carry(vt[n - 2], (vt[n - 2] - vt[n - 3]) * along(n - 1, n - 2) / along(n - 2, n - 3));
}

int PanelSolver::findStagnation(const std::vector<double>& vt) const {
    // Split the panels into those before the stagnation point (flow against
    // the loop direction, vt < 0) and those after it (vt > 0) so that the
    // speed on the wrong side of the split is least; ties go to the split
    // nearest the leading edge.
    const int n = m_panels, le = n / 2;
    double cost = 0.0;
    for (int i = 0; i < n; ++i)
        cost += std::max(-vt[i], 0.0); // split before panel 0
    double best = cost;
    int split = 0;
    for (int s = 1; s <= n; ++s) {
        cost += std::max(vt[s - 1], 0.0) - std::max(-vt[s - 1], 0.0);
        if (cost < best || (cost == best && std::abs(s - le) < std::abs(split - le))) {
            best = cost;
            split = s;
        }
    }
    return split;
}

bool PanelSolver::solve(double alphaDeg, SurfaceSolution& out) const {
    if (m_panels == 0 || !std::isfinite(alphaDeg)) return false;
    const int n = m_panels;
    const double a = alphaDeg * std::numbers::pi / 180.0, ca = std::cos(a), sa = std::sin(a);
    out.distX.resize(n);
    out.cp.resize(n);
    out.v.resize(n);
    double moment = 0.0, circulation = 0.0;
    for (int i = 0; i < n; ++i)
        m_vt[i] = ca * m_vtX[i] + sa * m_vtY[i];
    extrapolateAtTrailingEdge(m_vt);
    for (int i = 0; i < n; ++i) {
        const double cp = 1.0 - m_vt[i] * m_vt[i];
        out.distX[i] = m_midX[i];
        out.cp[i] = cp;
        // Pressure acts against the outward normal (-ty, tx).
        const double px = cp * m_ty[i] * m_length[i], py = -cp * m_tx[i] * m_length[i];
        moment += m_midX[i] * py - m_midY[i] * px;
        circulation += m_vt[i] * m_length[i];
    }
    out.stagnationPanel = findStagnation(m_vt);
    for (int i = 0; i < n; ++i)
        out.v[i] = i < out.stagnationPanel ? -m_vt[i] : m_vt[i];
    // Lift from the circulation (Kutta-Joukowski), moment from the pressures.
    out.cl = 2.0 * circulation;
    out.cmLe = -moment;
    return true;
}

} // namespace ribcraft::airfoil
