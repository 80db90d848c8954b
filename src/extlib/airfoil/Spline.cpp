// SPDX-License-Identifier: MIT
#include "extlib/airfoil/Spline.h"

#include <algorithm>

namespace ribcraft::airfoil {

CubicSpline::CubicSpline(std::vector<double> s, std::vector<double> f)
    : m_s(std::move(s)), m_f(std::move(f)), m_second(m_s.size(), 0.0) {
    const size_t n = m_s.size();
    if (n < 3) return; // two knots: a straight line
    // Tridiagonal system for the inner second derivatives (natural ends).
    std::vector<double> diag(n, 1.0), rhs(n, 0.0), upper(n, 0.0);
    for (size_t i = 1; i + 1 < n; ++i) {
        const double h0 = m_s[i] - m_s[i - 1], h1 = m_s[i + 1] - m_s[i];
        const double lower = h0 / 6.0;
        diag[i] = (h0 + h1) / 3.0;
        upper[i] = h1 / 6.0;
        rhs[i] = (m_f[i + 1] - m_f[i]) / h1 - (m_f[i] - m_f[i - 1]) / h0;
        // Eliminate the sub-diagonal against the previous row (row 0 is the identity).
        if (i > 1) {
            const double w = lower / diag[i - 1];
            diag[i] -= w * upper[i - 1];
            rhs[i] -= w * rhs[i - 1];
        }
    }
    for (size_t i = n - 2; i >= 1; --i)
        m_second[i] = (rhs[i] - upper[i] * m_second[i + 1]) / diag[i];
}

size_t CubicSpline::interval(double s) const {
    const auto it = std::upper_bound(m_s.begin(), m_s.end(), s);
    const size_t i = it == m_s.begin() ? 0 : static_cast<size_t>(it - m_s.begin()) - 1;
    return std::min(i, m_s.size() - 2);
}

double CubicSpline::value(double s) const {
    const size_t i = interval(s);
    const double h = m_s[i + 1] - m_s[i];
    const double a = (m_s[i + 1] - s) / h, b = (s - m_s[i]) / h;
    return a * m_f[i] + b * m_f[i + 1] +
           ((a * a * a - a) * m_second[i] + (b * b * b - b) * m_second[i + 1]) * h * h / 6.0;
}

double CubicSpline::derivative(double s) const {
    const size_t i = interval(s);
    const double h = m_s[i + 1] - m_s[i];
    const double a = (m_s[i + 1] - s) / h, b = (s - m_s[i]) / h;
    return (m_f[i + 1] - m_f[i]) / h +
           (-(3.0 * a * a - 1.0) * m_second[i] + (3.0 * b * b - 1.0) * m_second[i + 1]) * h / 6.0;
}

} // namespace ribcraft::airfoil
