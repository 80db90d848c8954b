// SPDX-License-Identifier: MIT
#pragma once
// The angle of (x, y), as std::atan2 gives it, in plain arithmetic without
// branches, so that a loop over many points runs several at a time (the
// panel system evaluates it for every pair of panels). Within two units in
// the last place of std::atan2 wherever x and y are not both zero.
//
// The arc tangent of |y / x| is reduced to |u| <= 0.66 (through pi/4 and
// pi/2) and taken from S. L. Moshier's rational approximation (Cephes
// Mathematical Library), u + u z P(z) / Q(z) with z = u^2.

#include <cmath>
#include <numbers>

namespace ribcraft::airfoil {

inline double ArcTangent2(double y, double x) {
    constexpr double kPi = std::numbers::pi;
    constexpr double kTan3PiOver8 = 2.41421356237309504880;
    // The part of pi/2 that a double does not hold.
    constexpr double kMoreBits = 6.123233995736765886130e-17;
    const double t = y / x; // x = 0: an infinite ratio, a right angle
    const double a = std::fabs(t);
    const bool steep = a > kTan3PiOver8, middle = a > 0.66;
    const double reciprocal = -1.0 / a;           // atan a = pi/2 + atan(-1/a)
    const double shifted = (a - 1.0) / (a + 1.0); // atan a = pi/4 + atan((a - 1) / (a + 1))
    const double u = steep ? reciprocal : middle ? shifted : a;
    const double base = steep ? kPi / 2 : middle ? kPi / 4 : 0.0;
    const double extra = steep ? kMoreBits : middle ? 0.5 * kMoreBits : 0.0;
    const double z = u * u;
    const double p =
        (((-8.750608600031904122785e-1 * z - 1.615753718733365076637e1) * z - 7.500855792314704667340e1) * z -
         1.228866684490136173410e2) *
            z -
        6.485021904942025371773e1;
    const double q =
        ((((z + 2.485846490142306297962e1) * z + 1.650270098316988542046e2) * z + 4.328810604912902668951e2) * z +
         4.853903996359136964868e2) *
            z +
        1.945506571482613964425e2;
    const double magnitude = base + ((u * (z * p / q) + u) + extra);
    const double angle = std::copysign(magnitude, t);
    // Left of the y axis the angle lies in the other half turn.
    return x < 0.0 ? angle + std::copysign(kPi, y) : angle;
}

} // namespace ribcraft::airfoil
