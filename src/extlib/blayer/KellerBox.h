// SPDX-License-Identifier: MIT
#pragma once
// One station of the boundary layer by Keller's box scheme.
//
// The layer is written in Falkner-Skan variables: x is the arc length s from
// the stagnation point, eta = y * sqrt(Ue Re / s) and the stream function is
// psi = sqrt(Ue s / Re) f(x, eta), so that u / Ue = f'. The momentum equation
// becomes, with v = f'' and b = 1 + (eddy viscosity / kinematic viscosity),
//
//   (b v)' + P1 f v + P2 (1 - u^2) = x (u du/dx - v df/dx),
//   P1 = (m + 1) / 2,  P2 = m,  m = (s / Ue) dUe/ds,
//
// with f(0) = u(0) = 0 at the wall and u = 1 at the top of the grid. The
// first-order system f' = u, u' = v and the momentum equation are centred in
// each box between two grid points and two stations; Newton's method solves
// the nonlinear difference equations, each iteration a 3 x 3 block-tridiagonal
// system. A similar station (the start of the march) drops the x terms.

#include <vector>

namespace ribcraft::blayer {

// Grid across the layer, eta[0] = 0 .. eta[J] = height. The steps grow
// geometrically from the wall.
struct Grid {
    std::vector<double> eta;
    std::vector<double> h; // h[j] = eta[j] - eta[j-1], h[0] unused
    int intervals() const { return static_cast<int>(eta.size()) - 1; }
};

// J intervals up to the given height with the first step firstStep (the
// steps stay uniform when a uniform grid is already at least as fine).
Grid MakeGrid(int intervals, double height, double firstStep);

// Solution at one station: f, u = f', v = f'' and b at the grid points;
// dbdv is the part of db/dv that the viscosity model knows locally (it makes
// Newton's method converge quadratically in the inner layer).
struct Profile {
    std::vector<double> f, u, v, b, dbdv;
    void resize(int points);
};

// Starting guess of a similar solution: u rising like tanh to 1.
Profile InitialProfile(const Grid& grid);

// The coefficients of one station's difference equations.
struct StationTerms {
    double p1 = 0.5, p2 = 0;           // P1, P2 at this station
    double p1Old = 0.5, p2Old = 0;     // P1, P2 at the previous station
    double alpha = 0;                  // x(n - 1/2) / (x(n) - x(n-1)); 0 for a similar station
    const Profile* previous = nullptr; // the previous station, nullptr for a similar station
};

// Called before each Newton iteration to set cur.b and cur.dbdv from the current iterate.
class ViscosityModel {
public:
    virtual ~ViscosityModel() = default;
    virtual void update(const Grid& grid, Profile& cur) const = 0;
};

struct NewtonSettings {
    int maxIterations = 40;
    double tolerance = 1e-9;  // on the change of u and of v relative to the wall value
    double acceptable = 1e-6; // the last change that still counts as converged after maxIterations
};

// Solves one station in place (cur holds the starting guess). False when
// Newton's method does not converge or produces values that are not numbers.
bool SolveStation(const Grid& grid, const StationTerms& terms, const ViscosityModel& model, Profile& cur,
                  const NewtonSettings& settings = {});

} // namespace ribcraft::blayer
