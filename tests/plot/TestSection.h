// SPDX-License-Identifier: MIT
#pragma once
// An elliptic section with its exact potential-flow surface solution at zero
// incidence, filled into a SharedState the way the panel solution leaves it:
// outline from the trailing edge along the lower surface to the leading edge
// and back along the upper surface, one distribution point per panel.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/SharedState.h"

namespace ribcraft::test {

// Ellipse of chord 1 and thickness ratio t: x = (1 + cos a) / 2, y = -(t / 2) sin a.
// At zero incidence the surface speed is V = (1 + t) |sin a| / sqrt(sin^2 a + t^2 cos^2 a).
inline void FillEllipse(SharedState& st, int surfacePoints = 30, double t = 0.12) {
    const int n = 2 * surfacePoints;
    st.SurfacePoints = surfacePoints;
    st.PointCount = n;
    auto angle = [n](double i) { return 2 * std::numbers::pi * (i - 1) / n; };
    for (int i = 1; i <= n + 1; ++i) {
        st.SectionX[i] = static_cast<float>(0.5 * (1 + std::cos(angle(i))));
        st.SectionY[i] = static_cast<float>(-(t / 2) * std::sin(angle(i)));
    }
    st.CpHigh = -1000, st.CpLow = 1000, st.Vmax = -1000, st.Vmin = 1000;
    for (int i = 1; i <= n; ++i) {
        const double a = angle(i + 0.5);
        const double s = std::sin(a), c = std::cos(a);
        const double v = (1 + t) * std::abs(s) / std::sqrt(s * s + t * t * c * c);
        st.DistX[i] = static_cast<float>(0.5 * (1 + c));
        st.SurfaceV[i] = static_cast<float>(v);
        st.SurfaceCp[i] = static_cast<float>(1 - v * v);
        st.CpHigh = std::max(st.CpHigh, double(st.SurfaceCp[i]));
        st.CpLow = std::min(st.CpLow, double(st.SurfaceCp[i]));
        st.Vmax = std::max(st.Vmax, double(st.SurfaceV[i]));
        st.Vmin = std::min(st.Vmin, std::abs(double(st.SurfaceV[i])));
    }
    st.StagPoint = surfacePoints + 1;
    st.HaveSolution = true;
}

} // namespace ribcraft::test
