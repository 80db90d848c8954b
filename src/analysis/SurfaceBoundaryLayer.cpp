// SPDX-License-Identifier: MIT
#include "analysis/SurfaceBoundaryLayer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/TurbulentClosure.h"

namespace ribcraft {

namespace {

// A statement of the march: the target takes the value only when it is finite.
bool put(double& target, double value) {
    if (!std::isfinite(value)) return false;
    target = value;
    return true;
}

constexpr double SquireYoungMaxH = 2.5;

double pow5(double u) {
    const double u2 = u * u;
    return u2 * u2 * u;
}
constexpr double LaminarSeparationLambda = -0.09;

// Thwaites' shape factor H(lambda), the published polynomial fit. The fit
// holds up to lambda = 0.25 (H = 2); beyond that the quintic turns over and
// gives negative shape factors (a strongly accelerated layer near a cusped
// trailing edge reached H of -1000 and a Squire-Young drag of 1e21), so a
// stronger favourable gradient takes the value at the end of the range.
constexpr double ThwaitesFitMaxLambda = 0.25;
double ThwaitesShape(double lambda) {
    const double z = 0.25 - std::min(lambda, ThwaitesFitMaxLambda);
    return 2.0 + z * (4.14 + z * (-83.5 + z * (854 + z * (-3337 + z * 4576))));
}

// One surface march over 1-based stations.
class March {
public:
    March(std::span<double> ue, std::span<const double> s, std::span<double> delta1, std::span<double> theta,
          std::span<double> tauW, int n, double re)
        : m_ue(ue), m_s(s), m_delta1(delta1), m_theta(theta), m_tauW(tauW), m_n(n), m_re(re), m_ds(n + 1),
          m_dUds(n + 1), m_h(n + 1) {}

    void prepare();
    int laminar();
    void turbulentStart(int t);
    void turbulentMarch(int t);
    double laminarCd() const;
    double squireYoung() const;
    double quadrature() const;

    int lastStation = 0;

private:
    double& Ue(int i) { return m_ue[i - 1]; }
    double Ue(int i) const { return m_ue[i - 1]; }
    double S(int i) const { return m_s[i - 1]; }
    double& Theta(int i) { return m_theta[i - 1]; }
    double Theta(int i) const { return m_theta[i - 1]; }
    double& Delta1(int i) { return m_delta1[i - 1]; }
    double& TauW(int i) { return m_tauW[i - 1]; }

    std::span<double> m_ue;
    std::span<const double> m_s;
    std::span<double> m_delta1, m_theta, m_tauW;
    int m_n;
    double m_re;
    double m_nu = 0;
    std::vector<double> m_ds, m_dUds, m_h; // index 0 unused
    double m_cf = 0, m_shape = 0, m_reTheta = 0;
    double m_q = 0, m_le = 0;
    bool m_haveLe = false;
    int m_separated = 0;
};

void March::prepare() {
    put(m_nu, 1 / m_re);
    for (int i = 1; i <= m_n - 1; ++i) {
        put(m_ds[i], S(i + 1) - S(i));
        put(m_dUds[i], (Ue(i + 1) - Ue(i)) / m_ds[i]);
    }
    put(m_ds[m_n], S(m_n) - S(m_n - 1));
    put(m_dUds[m_n], (Ue(m_n) - Ue(m_n - 1)) / (S(m_n) - S(m_n - 1)));
    Theta(1) = 0;
    Delta1(1) = 0;
    Ue(m_n + 1) = Ue(1);
}

// Thwaites' laminar march. Returns the station where the laminar part ends
// (laminar separation or transition), or 0 when it reaches station n.
int March::laminar() {
    double integral = 0, lambda = 0, reTheta = 0, reX = 0, shape = 0, shear = 0;
    for (int i = 2; i <= m_n; ++i) {
        put(integral, integral + m_ds[i - 1] * (pow5(Ue(i - 1)) + pow5(Ue(i))) / 2);
        put(Theta(i), std::sqrt(0.45 * m_nu * integral / (pow5(Ue(i)) * Ue(i))));
        put(lambda, Theta(i) * Theta(i) * (m_dUds[i] + m_dUds[i - 1]) / 2 / m_nu);
        put(reTheta, Ue(i) * Theta(i) * m_re);
        put(reX, S(i) * m_re * Ue(i));
        put(shape, ThwaitesShape(lambda));
        put(Delta1(i), Theta(i) * shape);
        m_h[i] = shape;
        put(shear, std::pow(std::abs(lambda + 0.09), 0.62));
        put(TauW(i), (Ue(i) / m_re) / Theta(i) * shear);
        if (lambda <= LaminarSeparationLambda) return i;
        // A test that cannot be evaluated (NaN) is not taken.
        if (reTheta > 2.9 * std::pow(reX, 0.4)) return i;
    }
    return 0;
}

double March::laminarCd() const {
    const double shape = std::min(m_h[m_n - 1], SquireYoungMaxH);
    return 2 * Theta(m_n - 1) * std::pow(Ue(m_n - 1), (shape + 5) / 2);
}

void March::turbulentStart(int t) {
    const double ut = Ue(t), thetaT = Theta(t);
    m_haveLe = put(m_le, 62.5 * std::pow(m_re, 0.25) * std::pow(thetaT, 1.25) * std::pow(ut, 3.75));
    m_q = 0;
    m_separated = 0;
    put(m_reTheta, Ue(t) * Theta(t) * m_re);
    put(m_cf, TauW(t) / (Ue(t) * Ue(t)));
    m_shape = 1.3;
    int failed = 0; // the start station's flag does not stop the march
    TurbulentClosure(m_cf, m_shape, Theta(t), m_reTheta, Ue(t), m_dUds[t], m_ds[t], m_re, failed);
    m_h[t] = m_shape;
}

void March::turbulentMarch(int t) {
    for (int i = t; i <= m_n - 1; ++i) {
        put(m_q, m_q + (std::pow(Ue(i), 3.5) + std::pow(Ue(i + 1), 3.5)) * m_ds[i] / 2);
        if (m_separated != 0) continue;
        double a = 0;
        put(a, m_ds[i] * (2 + m_h[i]) * m_dUds[i] / 2);
        // A division by a zero edge velocity skips the step even where the
        // quotient would vanish in the final result.
        const double growth = a / Ue(i + 1);
        if (std::isfinite(growth))
            put(Theta(i + 1), (Theta(i) - a * Theta(i) / Ue(i) + m_ds[i] * m_cf / 2) / (1 + growth));
        put(m_reTheta, Ue(i + 1) * Theta(i + 1) * m_re);
        int failed = 0;
        TurbulentClosure(m_cf, m_shape, Theta(i + 1), m_reTheta, Ue(i + 1), m_dUds[i], m_ds[i], m_re, failed);
        m_h[i + 1] = m_shape;
        m_separated = failed;
        lastStation = i + 1;
    }
}

double March::quadrature() const {
    if (!m_haveLe) return NAN;
    return (0.074 / std::pow(m_re, 0.2)) * std::pow(m_q + m_le, 0.8);
}

double March::squireYoung() const {
    const int k = lastStation - 1;
    return SquireYoung(Theta(k), Ue(k), m_h[k]);
}

bool inputUsable(std::span<double> Ue, std::span<const double> S, std::span<double> Delta1, std::span<double> Theta,
                 std::span<double> TauW, int n, double re) {
    if (n < 2) return false;
    const auto need = static_cast<std::size_t>(n);
    if (Ue.size() < need + 1 || S.size() < need || Delta1.size() < need || Theta.size() < need || TauW.size() < need)
        return false;
    if (!std::isfinite(re) || re <= 0) return false;
    for (std::size_t i = 0; i < need; ++i)
        if (!std::isfinite(Ue[i]) || !std::isfinite(S[i])) return false;
    return true;
}

} // namespace

double SquireYoung(double theta, double ue, double shapeFactor) {
    const double shape = std::min(shapeFactor, SquireYoungMaxH);
    return 2 * theta * std::pow(ue, 2.5 + shape / 2);
}

double ChooseTurbulentCd(double squireYoung, double cq, int PolarSolution) {
    const bool haveQ = std::isfinite(cq);
    if (haveQ && PolarSolution == 1) return cq;
    if (!std::isfinite(squireYoung)) return haveQ ? cq : NAN;
    if (!haveQ) return squireYoung;
    // A ratio that cannot be formed (Cq = 0) keeps Squire-Young.
    const double ratio = std::abs(squireYoung - cq) / std::abs(cq);
    return (std::isfinite(ratio) && ratio > 0.5) ? cq : squireYoung;
}

bool SurfaceBoundaryLayer(std::span<double> Ue, std::span<const double> S, std::span<double> Delta1,
                          std::span<double> Theta, std::span<double> TauW, std::span<double> /*spare*/, int n,
                          double& SurfaceCd, int& LastStation, const IntegralLayerSettings& settings,
                          int& TransitionPoint) {
    if (!inputUsable(Ue, S, Delta1, Theta, TauW, n, settings.re)) return false;
    March march(Ue, S, Delta1, Theta, TauW, n, settings.re);
    march.prepare();
    const int t = march.laminar();
    if (t == 0) {
        // Laminar to the trailing edge: Squire-Young, whatever PolarSolution says.
        LastStation = n;
        TransitionPoint = n;
        return put(SurfaceCd, march.laminarCd());
    }
    TransitionPoint = t;
    march.turbulentStart(t);
    march.lastStation = n; // stays n when the laminar part ended at the last station
    march.turbulentMarch(t);
    LastStation = march.lastStation;
    return put(SurfaceCd, ChooseTurbulentCd(march.squireYoung(), march.quadrature(), settings.PolarSolution));
}

} // namespace ribcraft
