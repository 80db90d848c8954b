// SPDX-License-Identifier: MIT
#pragma once
// Lift, moments, zero-lift angle and centre of pressure of thin-airfoil
// theory from the first three Fourier coefficients of the camber line.

namespace ribcraft {

struct ThinAirfoilCoefficients {
    double CmC4 = 0;         // moment about the quarter chord
    float LiftCoeff = 0;     // Cl
    float CmLeadingEdge = 0; // moment about the leading edge
    double AlphaCl0 = 0;     // angle for Cl = 0, degrees
    bool HasXcp = false;     // centre of pressure defined (|Cl| > 0.01)
    double Xcp = 0;          // centre of pressure, percent of chord
};

// alphaDegrees is the section's angle of attack; pi as the caller holds it.
ThinAirfoilCoefficients CoefficientsFromFourier(float A0, float A1, float A2, double alphaDegrees, double pi);

} // namespace ribcraft
