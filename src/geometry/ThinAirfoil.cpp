// SPDX-License-Identifier: MIT
#include "geometry/ThinAirfoil.h"

#include <cmath>

namespace ribcraft {

ThinAirfoilCoefficients CoefficientsFromFourier(float A0, float A1, float A2, double alphaDegrees, double pi) {
    ThinAirfoilCoefficients c;
    c.CmC4 = pi * (static_cast<double>(A2) - A1) / 4.0;
    c.LiftCoeff = static_cast<float>(pi * (2.0 * A0 + A1));
    c.CmLeadingEdge = static_cast<float>(-(pi / 2.0) * (static_cast<double>(A0) + A1 - A2 / 2.0));
    c.AlphaCl0 = alphaDegrees - c.LiftCoeff / (2.0 * pi) * 180.0 / pi;
    // Below 0.01 in magnitude the lift is too small to divide the moment by.
    c.HasXcp = std::abs(static_cast<double>(c.LiftCoeff)) > 0.01;
    if (c.HasXcp) c.Xcp = (0.25 - c.CmC4 / c.LiftCoeff) * 100.0;
    return c;
}

} // namespace ribcraft
