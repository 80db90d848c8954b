// SPDX-License-Identifier: MIT
#pragma once
// Algebraic eddy viscosity of Cebeci and Smith in the Falkner-Skan variables
// of the Keller-box solver. b = 1 + gamma_tr * eps+, with eps+ the eddy
// viscosity over the kinematic viscosity:
//   inner  eps+ = kappa^2 sqrt(Re_x) eta^2 v (1 - exp(-y+/26))^2,
//          y+ = eta Re_x^(1/4) sqrt(v_wall)
//   outer  eps+ = 0.0168 sqrt(Re_x) (eta_top - f_top) / (1 + 5.5 (eta/eta_d)^6)
// where Re_x = Re Ue s, v = f'' and eta_d the height where u/Ue = 0.995
// (Klebanoff's intermittency). The inner value holds from the wall up to the
// point where it first reaches the outer one. gamma_tr is the streamwise
// intermittency of the transition region (0 laminar, 1 fully turbulent).

#include "extlib/blayer/KellerBox.h"

namespace ribcraft::blayer {

class LaminarViscosity : public ViscosityModel {
public:
    void update(const Grid& grid, Profile& cur) const override;
};

class CebeciSmithViscosity : public ViscosityModel {
public:
    CebeciSmithViscosity(double sqrtRex, double gammaTr) : m_sqrtRex(sqrtRex), m_gammaTr(gammaTr) {}
    void update(const Grid& grid, Profile& cur) const override;

private:
    double m_sqrtRex;
    double m_gammaTr;
};

// Streamwise intermittency after transition at x_tr (Chen and Thyson, with
// Cebeci's fit of the spot-formation constant):
//   gamma = 1 - exp(-G (x - x_tr) * integral(x_tr..x) dx / Ue),
//   G = (3 / C^2) Ue_tr^3 Re^2 Re_xtr^-1.34,  C^2 = 213 (log10 Re_xtr - 4.7323),
// C^2 kept at least 60 so that very early transition still gives a finite length.
double TransitionIntermittency(double re, double ueTr, double rexTr, double distance, double integralDxOverUe);

} // namespace ribcraft::blayer
