// SPDX-License-Identifier: MIT
#include "analysis/AeroCoefficients.h"

#include <cmath>
#include <numbers>

namespace ribcraft {

double QuarterChordMoment(double cl, double cmLe, double alphaDegrees, double cd) {
    const double a = alphaDegrees * std::numbers::pi / 180;
    return cmLe + 0.25 * (cl * std::cos(a) + cd * std::sin(a));
}

} // namespace ribcraft
