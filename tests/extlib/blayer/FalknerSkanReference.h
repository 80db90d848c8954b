// SPDX-License-Identifier: MIT
#pragma once
// Reference solutions of the Falkner-Skan equation
//   f''' + (m + 1)/2 f f'' + m (1 - f'^2) = 0,  f(0) = f'(0) = 0,  f'(inf) = 1,
// found independently of the Keller-box solver: fourth-order Runge-Kutta
// integration from the wall with a fine fixed step, and bisection on f''(0)
// until f' neither overshoots 1 nor falls back before eta = etaEnd.

#include <array>
#include <cmath>
#include <vector>

namespace blayer_test {

struct FalknerSkan {
    double wallCurvature = 0;            // f''(0)
    std::vector<double> eta, f, fp, fpp; // the profile on a uniform step
    double step = 0;

    // u / Ue at eta, linearly interpolated on the fine step.
    double velocity(double at) const {
        if (at >= eta.back()) return 1.0;
        const auto k = static_cast<size_t>(at / step);
        const double t = (at - eta[k]) / step;
        return fp[k] + t * (fp[k + 1] - fp[k]);
    }
    // Integrals of (1 - f') and f'(1 - f') up to the end.
    double displacement() const { return eta.back() - f.back(); }
    double momentum() const {
        double sum = 0;
        for (size_t k = 1; k < eta.size(); ++k)
            sum += 0.5 * step * (fp[k] * (1 - fp[k]) + fp[k - 1] * (1 - fp[k - 1]));
        return sum;
    }
};

namespace detail {
using State = std::array<double, 3>;
inline State rhs(const State& y, double m) {
    return {y[1], y[2], -0.5 * (m + 1.0) * y[0] * y[2] - m * (1.0 - y[1] * y[1])};
}
// Integrates with f''(0) = c; returns +1 when f' overshoots 1, -1 when it turns back below 1 (or goes negative).
inline int shoot(double m, double c, double etaEnd, double h, FalknerSkan* out) {
    State y{0.0, 0.0, c};
    const int steps = static_cast<int>(std::lround(etaEnd / h));
    if (out) {
        out->eta.assign(1, 0.0), out->f.assign(1, 0.0), out->fp.assign(1, 0.0), out->fpp.assign(1, c);
        out->step = h;
    }
    for (int k = 0; k < steps; ++k) {
        const State k1 = rhs(y, m);
        State t;
        for (int i = 0; i < 3; ++i)
            t[i] = y[i] + 0.5 * h * k1[i];
        const State k2 = rhs(t, m);
        for (int i = 0; i < 3; ++i)
            t[i] = y[i] + 0.5 * h * k2[i];
        const State k3 = rhs(t, m);
        for (int i = 0; i < 3; ++i)
            t[i] = y[i] + h * k3[i];
        const State k4 = rhs(t, m);
        for (int i = 0; i < 3; ++i)
            y[i] += h / 6.0 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
        if (out) {
            out->eta.push_back((k + 1) * h), out->f.push_back(y[0]), out->fp.push_back(y[1]), out->fpp.push_back(y[2]);
            continue;
        }
        if (y[1] > 1.0) return +1;
        if (y[2] < 0.0 && y[1] < 1.0) return -1;
    }
    return 0;
}
} // namespace detail

// Solution for the wedge parameter m (m = 0 Blasius, m = 1 Hiemenz).
inline FalknerSkan falknerSkan(double m, double etaEnd = 12.0, double h = 1e-3) {
    double lo = 0.0, hi = 2.0;
    for (int it = 0; it < 60; ++it) {
        const double c = 0.5 * (lo + hi);
        (detail::shoot(m, c, etaEnd, h, nullptr) > 0 ? hi : lo) = c;
    }
    FalknerSkan fs;
    fs.wallCurvature = 0.5 * (lo + hi);
    detail::shoot(m, fs.wallCurvature, etaEnd, h, &fs);
    return fs;
}

} // namespace blayer_test
