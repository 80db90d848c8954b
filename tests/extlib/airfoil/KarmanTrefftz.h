// SPDX-License-Identifier: MIT
#pragma once
// Exact potential flow about a Karman-Trefftz section, the reference of the
// panel-method tests.
//
// The circle of radius a about mu passes through zeta = b and is mapped by
//   z = n b (1 + q^n) / (1 - q^n),  q = (zeta - b) / (zeta + b),
// with n = 2 - tau / pi for a trailing-edge angle tau. The trailing edge is
// z(b) = n b. Far away z ~ zeta, so the free stream keeps its speed and angle.
// With the Kutta condition at zeta = b the circulation is
//   Gamma = 4 pi a V sin(alpha + beta),  b - mu = a e^(-i beta),
// so Cl = 2 Gamma / (V c) = 8 pi a sin(alpha + beta) / c for chord c.
// The surface speed is |dw/dzeta| / |dz/dzeta| with
//   dz/dzeta = 4 n^2 b^2 q^n / ((zeta^2 - b^2) (1 - q^n)^2).
// The sections are handed to the kernel normalised: leading edge (least x) at
// the origin, chord 1, no rotation.

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace ribcraft::airfoil::test {

class KarmanTrefftz {
public:
    using C = std::complex<double>;
    KarmanTrefftz(double muX, double muY, double tauDeg) : m_mu(muX, muY) {
        m_n = 2.0 - tauDeg * std::numbers::pi / 180.0 / std::numbers::pi;
        m_a = std::abs(C(m_b, 0) - m_mu);
        m_beta = -std::arg(C(m_b, 0) - m_mu);
        findLeadingEdge();
    }

    // Physical point at circle angle theta (theta = 0 at the trailing edge, increasing over the upper surface).
    C physical(double theta) const { return map(circle(theta)); }
    // Normalised point (leading edge at 0, chord 1).
    C normalised(double theta) const { return (physical(theta) - m_le) / m_chord; }
    double theta() const { return m_thetaLe; } // angle of the leading edge

    double exactCl(double alphaDeg) const {
        return 8.0 * std::numbers::pi * m_a * std::sin(alphaDeg * std::numbers::pi / 180.0 + m_beta) / m_chord;
    }

    // Surface speed (free stream 1) at circle angle theta.
    double speed(double theta, double alphaDeg) const { return speedAt(circle(theta), alphaDeg); }

    // Speed (free stream 1) at the normalised field point p outside the
    // section: the circle plane point is found by Newton's method on the map
    // (far away z ~ zeta, so z itself starts it). NaN when it does not
    // converge to a point outside the circle.
    double fieldSpeed(C p, double alphaDeg) const {
        const C z = p * m_chord + m_le;
        C zeta = z;
        for (int it = 0; it < 100 && std::abs(map(zeta) - z) > 1e-13 * std::abs(z); ++it) {
            const C q = (zeta - m_b) / (zeta + m_b), qn = std::pow(q, m_n);
            zeta -= (map(zeta) - z) /
                    (4.0 * m_n * m_n * m_b * m_b * qn / ((zeta * zeta - m_b * m_b) * (1.0 - qn) * (1.0 - qn)));
        }
        if (std::abs(map(zeta) - z) > 1e-10 * std::abs(z) || std::abs(zeta - m_mu) <= m_a) return NAN;
        return speedAt(zeta, alphaDeg);
    }

    // Circle angle of the surface point nearest the normalised point p.
    double nearestTheta(C p) const {
        double best = 0.0, bestD = 1e300;
        const int samples = 4000;
        for (int k = 1; k < samples; ++k) {
            const double t = 2.0 * std::numbers::pi * k / samples;
            const double d = std::abs(normalised(t) - p);
            if (d < bestD) bestD = d, best = t;
        }
        double lo = best - 2.0 * std::numbers::pi / samples, hi = best + 2.0 * std::numbers::pi / samples;
        for (int it = 0; it < 60; ++it) {
            const double m1 = lo + (hi - lo) / 3.0, m2 = hi - (hi - lo) / 3.0;
            if (std::abs(normalised(m1) - p) < std::abs(normalised(m2) - p))
                hi = m2;
            else
                lo = m1;
        }
        return 0.5 * (lo + hi);
    }

    // Raw file lists from the leading edge to the trailing edge, count points each,
    // evenly spaced in circle angle on each side.
    void fileLists(int count, std::vector<double>& xu, std::vector<double>& yu, std::vector<double>& xl,
                   std::vector<double>& yl) const {
        xu.clear(), yu.clear(), xl.clear(), yl.clear();
        for (int k = 0; k < count; ++k) {
            const double f = static_cast<double>(k) / (count - 1);
            const C u = normalised(m_thetaLe * (1.0 - f));
            const C l = normalised(m_thetaLe + (2.0 * std::numbers::pi - m_thetaLe) * f);
            xu.push_back(u.real()), yu.push_back(u.imag());
            xl.push_back(l.real()), yl.push_back(l.imag());
        }
        // Exact ends.
        xu.front() = xl.front() = 0.0, yu.front() = yl.front() = 0.0;
        const C te = (C(m_n * m_b, 0) - m_le) / m_chord;
        xu.back() = xl.back() = te.real(), yu.back() = yl.back() = te.imag();
    }

private:
    // |dw/dzeta| / |dz/dzeta| at a circle-plane point on or outside the circle.
    double speedAt(C zeta, double alphaDeg) const {
        const double al = alphaDeg * std::numbers::pi / 180.0;
        const C d = zeta - m_mu;
        const double gamma = 4.0 * std::numbers::pi * m_a * std::sin(al + m_beta);
        const C w = std::exp(C(0, -al)) - std::exp(C(0, al)) * m_a * m_a / (d * d) +
                    C(0, 1) * gamma / (2.0 * std::numbers::pi * d);
        const C q = (zeta - m_b) / (zeta + m_b), qn = std::pow(q, m_n);
        const C dz = 4.0 * m_n * m_n * m_b * m_b * qn / ((zeta * zeta - m_b * m_b) * (1.0 - qn) * (1.0 - qn));
        return std::abs(w) / std::abs(dz);
    }
    C circle(double theta) const { return m_mu + m_a * std::exp(C(0, theta - m_beta)); }
    C map(C zeta) const {
        if (std::abs(zeta - m_b) < 1e-14) return C(m_n * m_b, 0);
        const C qn = std::pow((zeta - m_b) / (zeta + m_b), m_n);
        return m_n * m_b * (1.0 + qn) / (1.0 - qn);
    }
    void findLeadingEdge() {
        double lo = 0.5 * std::numbers::pi, hi = 1.5 * std::numbers::pi;
        for (int it = 0; it < 200; ++it) {
            const double m1 = lo + (hi - lo) / 3.0, m2 = hi - (hi - lo) / 3.0;
            if (physical(m1).real() < physical(m2).real())
                hi = m2;
            else
                lo = m1;
        }
        m_thetaLe = 0.5 * (lo + hi);
        m_le = physical(m_thetaLe);
        m_chord = m_n * m_b - m_le.real();
    }

    C m_mu;
    double m_b = 1.0, m_n = 2.0, m_a = 1.0, m_beta = 0.0;
    double m_thetaLe = std::numbers::pi, m_chord = 4.0;
    C m_le;
};

// Moment of the exact surface pressure about the point (xRef, 0) of the
// normalised section, nose up positive; the contour is integrated in circle
// angle, where it is smooth and periodic.
inline double ExactMoment(const KarmanTrefftz& kt, double alphaDeg, double xRef) {
    const int m = 20000;
    double moment = 0.0;
    for (int k = 0; k < m; ++k) {
        const double t0 = 2.0 * std::numbers::pi * k / m, t1 = 2.0 * std::numbers::pi * (k + 1) / m;
        const auto p0 = kt.normalised(t0), p1 = kt.normalised(t1);
        const auto mid = 0.5 * (p0 + p1), d = p1 - p0;
        const double v = kt.speed(0.5 * (t0 + t1), alphaDeg), cp = 1.0 - v * v;
        const double fx = -cp * d.imag(), fy = cp * d.real(); // counter-clockwise contour, outward normal (dy, -dx)
        moment += (mid.real() - xRef) * fy - mid.imag() * fx;
    }
    return -moment;
}

} // namespace ribcraft::airfoil::test
