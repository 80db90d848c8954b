// SPDX-License-Identifier: MIT
#include "analysis/TurbulentClosure.h"

#include <cmath>

namespace ribcraft {

namespace {

constexpr double Kappa = 0.4;        // von Karman constant
constexpr double EdgeGuard = 1e-05;  // keeps the Clauser parameter finite at a zero edge velocity
constexpr double MaxShapeFactor = 6; // above this the layer is taken as separated

} // namespace

double WakeStrength(double beta) {
    return (-0.76 + std::sqrt(0.5776 + 1.68 * (0.4 + beta))) / 0.84;
}

double WakeShapeParameter(double wakeStrength) {
    const double p = wakeStrength;
    return (2 + 3.179 * p + 1.5 * p * p) / (Kappa * (1 + p));
}

void TurbulentClosure(double& SkinFriction, double& ShapeFactor, const double& MomThickness, const double& ReTheta,
                      const double& EdgeVelocity, const double& EdgeGradient, const double& /*StepLength*/,
                      const double& /*Reynolds*/, int& ClosureFailed) {
    // The log of Re_theta must be positive for the friction law; below that
    // the pass cannot be evaluated and the layer is reported as failed.
    if (!(ReTheta > 1) || !std::isfinite(ReTheta)) {
        ClosureFailed = 1;
        return;
    }
    // Cf = 0.3 exp(-1.33 H) L^(-1.74 - 0.31 H) with L = log10(Re_theta),
    // evaluated as one exponential; ln L is the same in every pass.
    const double logLogRe = std::log(std::log(ReTheta) / std::log(10.0));
    for (int pass = 1; pass <= ClosurePasses; ++pass) {
        const double h = ShapeFactor;
        const double cf = 0.3 * std::exp(-1.33 * h + (-1.74 - 0.31 * h) * logLogRe);
        if (!std::isfinite(cf) || cf <= 0) {
            ClosureFailed = 1;
            return;
        }
        SkinFriction = cf;
        const double lambda = std::sqrt(2 / cf); // edge velocity over friction velocity
        const double beta = -(lambda * lambda) * h * MomThickness * EdgeGradient / (EdgeVelocity + EdgeGuard);
        const double g = WakeShapeParameter(WakeStrength(beta));
        const double hNew = lambda / (lambda - g);
        if (!std::isfinite(hNew)) {
            ClosureFailed = 1;
            return;
        }
        ShapeFactor = hNew;
        if (hNew < 0 || hNew > MaxShapeFactor) {
            ClosureFailed = 1;
            return;
        }
    }
    ClosureFailed = 0;
}

} // namespace ribcraft
