// SPDX-License-Identifier: MIT
#pragma once
// Integral boundary layer of one surface, marched from the stagnation point to
// the trailing edge: Thwaites' laminar method, laminar separation or Michel's
// transition criterion as the end of the laminar part, a turbulent
// momentum-integral march closed by TurbulentClosure, and the surface's drag
// contribution from Squire-Young or from a turbulent flat-plate quadrature.
//
// Arrays are passed as spans whose first entry is station 1. Every arithmetic
// fault inside the march (division by zero, root, power or logarithm of an
// invalid value, overflow) is skipped: a statement whose result would not be
// finite leaves its target with its previous content, and the march goes on.

#include <span>

namespace ribcraft {

// The two settings of the program that this layer reads.
struct IntegralLayerSettings {
    double re = 1000000;   // Reynolds number based on chord
    int PolarSolution = 1; // 1 = turbulent surfaces always take the flat-plate quadrature
};

// Ue       in   edge velocity U/Vinf at stations 1..n (station 1: stagnation point);
//               needs room for n + 1 entries: Ue(n + 1) is set to Ue(1)
// S        in   arc length from the stagnation point, chords, stations 1..n
// Delta1   out  displacement thickness, written for stations 1..t (t: end of the laminar part)
// Theta    out  momentum thickness, written for stations 1..LastStation
// TauW     out  laminar wall shear tau_w / (rho Vinf^2), written for stations 2..t
// spare    --   carried for the callers, not touched
// Entries not written keep the caller's content.
// SurfaceCd       out  drag contribution of the surface (referred to chord)
// LastStation     out  last station of the attached turbulent march (n when the layer stays laminar)
// TransitionPoint out  station where the laminar part ends
// Returns false, leaving SurfaceCd unchanged, when the input is unusable (n < 2,
// spans too short, non-finite stations, re not positive) or when no finite drag
// contribution could be formed.
bool SurfaceBoundaryLayer(std::span<double> Ue, std::span<const double> S, std::span<double> Delta1,
                          std::span<double> Theta, std::span<double> TauW, std::span<double> spare, int n,
                          double& SurfaceCd, int& LastStation, const IntegralLayerSettings& settings,
                          int& TransitionPoint);

// Squire-Young drag of a surface from the trailing-edge momentum thickness,
// edge velocity and shape factor; H above 2.5 enters as 2.5.
double SquireYoung(double theta, double ue, double shapeFactor);

// Drag contribution of a turbulent surface from the Squire-Young value and the
// flat-plate quadrature Cq. Either may be missing (not finite). Squire-Young is
// kept unless it differs from Cq by more than 50 % of Cq; with PolarSolution 1
// the quadrature is taken whenever it exists. NaN when neither is usable.
double ChooseTurbulentCd(double squireYoung, double cq, int PolarSolution);

} // namespace ribcraft
