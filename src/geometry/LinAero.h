#pragma once
// LinAero: one thin-airfoil evaluation of the current section. The caller
// sets AngleOfAttack (degrees), NumberOfPoints (the loop's point count N) and
// SimulationOrder, then calls AeroCoeff with the loop's y and x arrays; the
// object extracts the camber line from the mirror pairs of the loop and
// reads the Fourier coefficients A0..A8 back from the thin-airfoil library.

#include <cstdint>
#include <string>
#include <vector>

#include "base/Status.h"

namespace ribcraft {

class LinAero {
public:
    int NumberOfPoints = 0;    // N, point count of the loop (N + 1 points)
    int SimulationOrder = 100; // resolution handed to the library
    double AngleOfAttack = 0;  // degrees
    float A0 = 0, A1 = 0, A2 = 0, A3 = 0, A4 = 0, A5 = 0, A6 = 0, A7 = 0, A8 = 0;

    // Y and X are element 1 of the loop arrays (SectionY, SectionX); points
    // 1..N + 1 are read. The coefficients change only when it succeeds; a
    // refusal says why.
    Status AeroCoeff(const float& Y, const float& X);

    // Working data of the last AeroCoeff: the camber-line stations (1-based
    // meaning, held 0-based), the order and the angle in radians.
    int32_t stations() const { return m_n; }
    int32_t order() const { return m_order; }
    float alphaRadians() const { return m_alpha; }
    const std::vector<float>& xc() const { return m_xc; }
    const std::vector<float>& yc() const { return m_yc; }

private:
    int32_t m_n = 0;
    int32_t m_order = 0;
    float m_alpha = 0;
    std::vector<float> m_xc, m_yc;
};

} // namespace ribcraft
