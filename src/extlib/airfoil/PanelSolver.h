// SPDX-License-Identifier: MIT
#pragma once
// Inviscid surface solution of a closed (or slightly open) outline by the
// linear-strength vortex panel method: the vortex strength varies linearly
// along each straight panel between its end nodes, the flow is tangent to the
// surface at every panel midpoint, and the Kutta condition
// gamma(first node) + gamma(last node) = 0 closes the system at the trailing
// edge. The free stream has unit speed; the chord of reference is 1.
//
// The factorised system and the solutions for the free stream along x and
// along y are kept, so a new angle of attack is a superposition of the two
// and costs O(N). The system's storage is kept too: a solver that takes a
// new outline of the same size allocates nothing.

#include <vector>

#include <Eigen/Dense>

#include "extlib/airfoil/Outline.h"

namespace ribcraft::airfoil {

// Per panel (panel i between outline points i and i + 1, 0-based), in outline order.
struct SurfaceSolution {
    std::vector<double> distX; // chord position of the panel midpoint
    std::vector<double> cp;    // 1 - V^2
    std::vector<double> v;     // speed measured away from the stagnation point (>= 0 where attached)
    double cl = 0;             // lift per unit chord and dynamic pressure
    double cmLe = 0;           // moment about the leading edge (0, 0), nose up positive
    int stagnationPanel = 0;   // first panel after the front stagnation point
};

class PanelSolver {
public:
    // Builds and factorises the system for the outline; false (and the solver
    // keeps no outline) when the outline cannot be solved: fewer than 4 points,
    // values that are not finite, a panel of zero length, no enclosed area or
    // a singular system.
    bool setOutline(const Outline& outline);
    bool hasOutline() const { return m_panels > 0; }
    int panelCount() const { return m_panels; }

    // Solution at alphaDeg (degrees). Reuses the storage of out; false when no
    // outline is set or alphaDeg is not finite (out is then left as it was).
    bool solve(double alphaDeg, SurfaceSolution& out) const;

private:
    void buildSystem(const Outline& o);
    double reciprocalCondition(double norm1);
    void extrapolateAtTrailingEdge(std::vector<double>& vt) const;
    int findStagnation(const std::vector<double>& vt) const;

    int m_panels = 0;
    std::vector<double> m_midX, m_midY, m_tx, m_ty, m_length;
    Eigen::VectorXd m_gammaX, m_gammaY; // node strengths for unit flow along x and along y
    std::vector<double> m_vtX, m_vtY;   // tangential speed at the midpoints for those flows
    mutable std::vector<double> m_vt;   // work array of solve()
    // The influence matrix with the Kutta row, factorised where it stands:
    // one n x n array per solver instead of the matrix and a copy of it.
    class InPlaceLU : public Eigen::PartialPivLU<Eigen::MatrixXd> {
    public:
        Eigen::MatrixXd& system() { return m_lu; } // the matrix before factorise(), its factors after
        void factorise() { compute(); }
    };
    InPlaceLU m_lu;
    Eigen::VectorXd m_work, m_rhs, m_sign;          // work vectors of setOutline()
    std::vector<double> m_xi, m_eta, m_beta, m_lnr; // work arrays of buildSystem(), one entry per midpoint
};

} // namespace ribcraft::airfoil
