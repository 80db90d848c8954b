// SPDX-License-Identifier: MIT
#pragma once
// Equilibrium closure of the turbulent boundary layer: skin friction and shape
// factor for the local momentum-thickness Reynolds number and pressure
// gradient. A skin-friction law Cf = f(H, Re_theta) is coupled with the shape
// factor of Coles' wake profile, whose wake strength follows from Clauser's
// pressure-gradient parameter. Pure function of its arguments.

namespace ribcraft {

// Number of fixed-point passes; there is no convergence test.
inline constexpr int ClosurePasses = 30;

// Arguments in the order the integral march passes them. SkinFriction is out,
// ShapeFactor in and out (the caller's value starts the iteration),
// StepLength and Reynolds keep their places but are not used.
// ClosureFailed = 1 when a pass leaves the valid range (H outside 0..6,
// Cf <= 0) or cannot be evaluated (Re_theta <= 1, Clauser parameter below the
// root of the wake-strength fit, any non-finite value); the outputs then hold
// the last finite values of the failing pass. ClosureFailed = 0 after all
// passes finished in range.
void TurbulentClosure(double& SkinFriction, double& ShapeFactor, const double& MomThickness, const double& ReTheta,
                      const double& EdgeVelocity, const double& EdgeGradient, const double& StepLength,
                      const double& Reynolds, int& ClosureFailed);

// Coles wake strength from the quadratic fit beta = 0.42 Pi^2 + 0.76 Pi - 0.4
// (the positive root); NaN when beta lies below the fit's minimum.
double WakeStrength(double beta);

// Shape parameter G of the wake profile for wake strength Pi.
double WakeShapeParameter(double wakeStrength);

} // namespace ribcraft
