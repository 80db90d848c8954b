// SPDX-License-Identifier: MIT
#pragma once
// Natural cubic spline through (s_i, f_i), s strictly increasing.

#include <cstddef>
#include <vector>

namespace ribcraft::airfoil {

class CubicSpline {
public:
    CubicSpline() = default;
    CubicSpline(std::vector<double> s, std::vector<double> f);
    double value(double s) const;
    double derivative(double s) const;
    double front() const { return m_s.front(); }
    double back() const { return m_s.back(); }

private:
    size_t interval(double s) const;
    std::vector<double> m_s, m_f, m_second; // knots, values, second derivatives
};

} // namespace ribcraft::airfoil
