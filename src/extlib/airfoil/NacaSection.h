// SPDX-License-Identifier: MIT
#pragma once
// NACA 4-digit and 5-digit sections from their published thickness
// distribution and mean lines.
//
// Valid numbers:
//  - 4-digit, 1..9999 read as M P TT: thickness TT of 1..30 % chord, camber
//    M % chord at P tenths of chord; P may be anything when M = 0 (the section
//    is symmetric) but must be 1..9 when M >= 1.
//  - 5-digit, 10000..99999 read as L P Q TT: design lift 0.15 L (L = 1..9),
//    maximum camber near P * 5 % chord (P = 1..5), Q = 0 (the standard,
//    non-reflexed mean lines 210 to 250), thickness TT of 1..30 % chord.
//  - A 5-digit designation with L = 0 ("0PQTT") reaches us as the number PQTT,
//    which as a 4-digit section would have camber without a camber position.
//    Such numbers (first digit 1..5, second digit 0) are read as what they
//    are: a zero-lift 5-digit section, i.e. the symmetric section TT.
// Everything else (0, 5-digit Q != 0 or P > 5, thickness 0 or above 30,
// negative numbers) cannot be built.

#include <cstdint>
#include <optional>

#include "extlib/airfoil/Outline.h"

namespace ribcraft::airfoil {

inline constexpr int kMaxNacaThickness = 30;

struct NacaSection {
    int family = 4;          // 4 or 5
    double thickness = 0.12; // fraction of chord
    // 4-digit mean line: maximum camber m at position p (fractions of chord).
    double camber = 0, camberPosition = 0;
    // 5-digit mean line: front-part end r, scale k1 (already scaled to the design lift).
    double r = 0, k1 = 0;
};

std::optional<NacaSection> DecodeNacaSection(int32_t number);
bool CanBuildNacaSection(int32_t number);

// Half thickness at x (fraction of chord) for thickness t, closed trailing edge.
double NacaHalfThickness(double t, double x);
// Mean line ordinate and slope at x.
double NacaMeanLine(const NacaSection& section, double x);
double NacaMeanLineSlope(const NacaSection& section, double x);

// The outline on h + 1 cosine-spaced mean-line stations: each mirror pair is
// the mean-line point plus and minus the half thickness along the mean line's
// normal (upper side first), so the pair's midpoint is the mean-line point and
// the two points of a pair lie at different x where the line has a slope.
std::optional<Outline> BuildNacaOutline(int32_t number, int h);

} // namespace ribcraft::airfoil
