// SPDX-License-Identifier: MIT
#include "extlib/airfoil/NacaSection.h"

#include <cmath>

namespace ribcraft::airfoil {

namespace {

// Mean lines 210..250 at the design lift 0.3: end of the cubic front part r
// and the scale k1, for maximum camber at 5, 10, 15, 20 and 25 % chord.
constexpr double kFiveDigitR[5] = {0.0580, 0.1260, 0.2025, 0.2900, 0.3910};
constexpr double kFiveDigitK1[5] = {361.400, 51.640, 15.957, 6.643, 3.230};

std::optional<NacaSection> DecodeFourDigit(int32_t number) {
    const int m = number / 1000, p = (number / 100) % 10, tt = number % 100;
    if (tt < 1 || tt > kMaxNacaThickness) return std::nullopt;
    NacaSection s;
    s.family = 4;
    s.thickness = tt / 100.0;
    if (m == 0) return s; // symmetric whatever P says
    if (p == 0) {
        // "0PQTT" of a zero-lift 5-digit section: symmetric as well.
        if (m > 5) return std::nullopt;
        s.family = 5;
        return s;
    }
    s.camber = m / 100.0;
    s.camberPosition = p / 10.0;
    return s;
}

std::optional<NacaSection> DecodeFiveDigit(int32_t number) {
    const int l = number / 10000, p = (number / 1000) % 10, q = (number / 100) % 10, tt = number % 100;
    if (p < 1 || p > 5 || q != 0 || tt < 1 || tt > kMaxNacaThickness) return std::nullopt;
    NacaSection s;
    s.family = 5;
    s.thickness = tt / 100.0;
    s.r = kFiveDigitR[p - 1];
    s.k1 = kFiveDigitK1[p - 1] * (0.15 * l / 0.3);
    return s;
}

} // namespace

std::optional<NacaSection> DecodeNacaSection(int32_t number) {
    if (number >= 1 && number <= 9999) return DecodeFourDigit(number);
    if (number >= 10000 && number <= 99999) return DecodeFiveDigit(number);
    return std::nullopt;
}

bool CanBuildNacaSection(int32_t number) {
    return DecodeNacaSection(number).has_value();
}

double NacaHalfThickness(double t, double x) {
    // -0.1036 instead of the published -0.1015 closes the trailing edge.
    const double poly = 0.2969 * std::sqrt(x) + x * (-0.1260 + x * (-0.3516 + x * (0.2843 + x * -0.1036)));
    return 5.0 * t * poly;
}

double NacaMeanLine(const NacaSection& s, double x) {
    if (s.family == 4) {
        const double m = s.camber, p = s.camberPosition;
        if (m == 0.0) return 0.0;
        if (x < p) return m / (p * p) * (2.0 * p * x - x * x);
        return m / ((1.0 - p) * (1.0 - p)) * (1.0 - 2.0 * p + 2.0 * p * x - x * x);
    }
    const double r = s.r, k1 = s.k1;
    if (k1 == 0.0) return 0.0;
    if (x < r) return k1 / 6.0 * (x * x * x - 3.0 * r * x * x + r * r * (3.0 - r) * x);
    return k1 * r * r * r / 6.0 * (1.0 - x);
}

double NacaMeanLineSlope(const NacaSection& s, double x) {
    if (s.family == 4) {
        const double m = s.camber, p = s.camberPosition;
        if (m == 0.0) return 0.0;
        if (x < p) return 2.0 * m / (p * p) * (p - x);
        return 2.0 * m / ((1.0 - p) * (1.0 - p)) * (p - x);
    }
    const double r = s.r, k1 = s.k1;
    if (k1 == 0.0) return 0.0;
    if (x < r) return k1 / 6.0 * (3.0 * x * x - 6.0 * r * x + r * r * (3.0 - r));
    return -k1 * r * r * r / 6.0;
}

std::optional<Outline> BuildNacaOutline(int32_t number, int h) {
    const auto section = DecodeNacaSection(number);
    if (!section || !IsValidSurfacePoints(h)) return std::nullopt;
    const std::vector<double> stations = CosineStations(h);
    Outline o;
    o.x.resize(2 * static_cast<size_t>(h) + 1);
    o.y.resize(o.x.size());
    for (int k = 0; k <= h; ++k) {
        const double x = stations[k];
        const double yc = NacaMeanLine(*section, x);
        // The closed-edge polynomial leaves a residue of rounding at x = 1.
        const double yt = k == h ? 0.0 : NacaHalfThickness(section->thickness, x);
        // Half thickness laid off along the normal of the mean line, on both
        // sides of the same mean-line point: the pair's midpoint is that point.
        const double slope = NacaMeanLineSlope(*section, x);
        const double norm = std::sqrt(1.0 + slope * slope);
        const double dx = yt * slope / norm, dy = yt / norm;
        o.x[h + k] = x - dx;
        o.y[h + k] = yc + dy;
        o.x[h - k] = x + dx;
        o.y[h - k] = yc - dy;
    }
    return o;
}

} // namespace ribcraft::airfoil
