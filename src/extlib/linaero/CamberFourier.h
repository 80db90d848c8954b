// SPDX-License-Identifier: MIT
#pragma once
// Fourier coefficients of classical thin-airfoil theory for a camber line.
//
// With x = (1 - cos theta) / 2 along the chord,
//   A0 = alpha - (1/pi) * integral_0^pi (dyc/dx) dtheta
//   An = (2/pi) * integral_0^pi (dyc/dx) cos(n theta) dtheta,   n = 1..8.
//
// `order` is the number of quadrature points in theta. When it does not
// exceed the number of station intervals, or when the stations do not run
// strictly from the leading edge to the trailing edge (a deflected flap can
// fold the line back or repeat a station), the camber line is the path of
// straight panels through the stations and the integrals are taken in closed
// form panel by panel: the slope is constant on a panel, so each contributes
// slope * integral cos(n theta) dtheta exactly; a panel of zero width with a
// rise in it contributes the limit of a steep ramp. Otherwise a cubic spline
// through the stations gives the slope, and every station interval is cut
// into parts of equal theta width, each integrated with the two-point Gauss
// rule, so that the line has at least `order` points in all.

#include <array>
#include <span>

#include "base/Status.h"

namespace ribcraft::linaero {

inline constexpr int CoefficientCount = 9;
// Upper bound of the number of quadrature points, whatever `order` asks.
inline constexpr int MaxPoints = 100000;

struct FourierCoefficients {
    std::array<double, CoefficientCount> A{};
};

// alpha in radians; xc, yc the stations (same length, at least 2, x within
// [0, 1]); order the number of quadrature points (at least 1). A line that
// breaks these rules or cannot be integrated is refused (KernelRefused, with
// the reason).
Result<FourierCoefficients> CamberFourier(double alpha, std::span<const double> xc, std::span<const double> yc,
                                          int order);

} // namespace ribcraft::linaero
