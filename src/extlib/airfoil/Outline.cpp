// SPDX-License-Identifier: MIT
#include "extlib/airfoil/Outline.h"

#include <cmath>
#include <numbers>

namespace ribcraft::airfoil {

bool IsValidSurfacePoints(int h) {
    return h >= kMinSurfacePoints && h <= kMaxSurfacePoints;
}

std::vector<double> CosineStations(int h) {
    std::vector<double> x(static_cast<size_t>(h) + 1);
    for (int k = 0; k <= h; ++k)
        x[k] = 0.5 * (1.0 - std::cos(std::numbers::pi * k / h));
    // Exact ends, whatever the rounding of the cosine.
    x.front() = 0.0;
    x.back() = 1.0;
    return x;
}

Outline JoinSurfaces(const std::vector<double>& stations, const std::vector<double>& upperY,
                     const std::vector<double>& lowerY) {
    const int h = static_cast<int>(stations.size()) - 1;
    Outline o;
    o.x.resize(2 * static_cast<size_t>(h) + 1);
    o.y.resize(o.x.size());
    for (int k = 0; k <= h; ++k) {
        o.x[h - k] = stations[k];
        o.y[h - k] = lowerY[k];
        o.x[h + k] = stations[k];
        o.y[h + k] = upperY[k];
    }
    return o;
}

namespace {

// Linear interpolation of y at x along the points first..last of the loop
// (x increasing with the step direction); clamps outside the range.
double SurfaceYAt(const Outline& o, int first, int last, double x) {
    const int step = last > first ? 1 : -1;
    for (int i = first; i != last; i += step) {
        const double x0 = o.x[i], x1 = o.x[i + step];
        if (x >= x0 && x <= x1) {
            const double t = x1 > x0 ? (x - x0) / (x1 - x0) : 0.0;
            return o.y[i] + t * (o.y[i + step] - o.y[i]);
        }
    }
    return x <= o.x[first] ? o.y[first] : o.y[last];
}

} // namespace

double MeanLineAt(const Outline& outline, double x) {
    const int h = outline.surfacePoints();
    const double upper = SurfaceYAt(outline, h, 2 * h, x);
    const double lower = SurfaceYAt(outline, h, 0, x);
    return 0.5 * (upper + lower);
}

bool FlapIsActive(double angleRad, double hingeFraction) {
    return angleRad != 0.0 && hingeFraction > 0.0 && hingeFraction < 1.0;
}

} // namespace ribcraft::airfoil
