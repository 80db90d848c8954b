// SPDX-License-Identifier: MIT
#pragma once
// A symmetric Joukowski section with its exact potential-flow surface speed,
// laid out like a panel solution: outline points 1..N+1 from the trailing edge
// along the lower surface to the leading edge (N/2 + 1) and back along the
// upper surface; speeds per panel (midpoint between points i and i + 1),
// magnitudes, with the Kutta condition at the cusped trailing edge.
//
// Circle of radius 1 + m centred at -m in the zeta plane, mapped by
// z = zeta + 1/zeta; a point at circle angle t has speed
//   V/Vinf = 2 |sin(t - alpha) + sin(alpha)| / |1 - 1/zeta^2|.

#include <cmath>
#include <complex>
#include <vector>

namespace ribcraft::testing {

struct SectionSample {
    // 1-based: element 0 unused, points 1..N+1, speeds 1..N.
    std::vector<float> x, y, v;
    int n = 0;
};

inline std::complex<double> joukowskiCircle(double m, double t) {
    return std::complex<double>(-m, 0) + (1 + m) * std::exp(std::complex<double>(0, t));
}

inline double joukowskiSpeed(double m, double t, double alpha) {
    const auto zeta = joukowskiCircle(m, t);
    return 2 * std::abs(std::sin(t - alpha) + std::sin(alpha)) / std::abs(1.0 - 1.0 / (zeta * zeta));
}

// alphaDeg = 0 gives an exactly mirrored outline and distribution.
inline SectionSample joukowskiSection(int n, double alphaDeg, double m = 0.09) {
    const double pi = 4 * std::atan(1.0);
    const double alpha = alphaDeg * pi / 180;
    const double leading = -(1 + 2 * m) - 1 / (1 + 2 * m);
    const double chord = 2 - leading;
    SectionSample s;
    s.n = n;
    s.x.assign(n + 2, 0.0f);
    s.y.assign(n + 2, 0.0f);
    s.v.assign(n + 1, 0.0f);
    for (int i = 1; i <= n + 1; ++i) {
        const auto zeta = joukowskiCircle(m, -2 * pi * (i - 1) / n);
        const auto z = zeta + 1.0 / zeta;
        s.x[i] = static_cast<float>((z.real() - leading) / chord);
        s.y[i] = static_cast<float>(z.imag() / chord);
    }
    for (int i = 1; i <= n; ++i)
        s.v[i] = static_cast<float>(joukowskiSpeed(m, -2 * pi * (i - 0.5) / n, alpha));
    if (alphaDeg == 0) {
        for (int i = 1; i <= n / 2; ++i) {
            s.x[n + 2 - i] = s.x[i];
            s.y[n + 2 - i] = -s.y[i];
            s.v[n + 1 - i] = s.v[i];
        }
        s.y[n / 2 + 1] = 0;
    }
    return s;
}

} // namespace ribcraft::testing
