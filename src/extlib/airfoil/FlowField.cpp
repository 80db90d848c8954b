// The flow field from the surface vortex sheet, and the entry point Flow.
//
// Each panel carries a constant sheet strength, its signed midpoint speed.
// In the panel's own frame (xi along it from its first point, eta to its
// left, which is out of the section for the clockwise outline) a sheet of
// strength g and length L induces
//   u = g beta / (2 pi),  v = g ln(r2^2 / r1^2) / (4 pi),
//   psi = g [xi ln r1^2 - (xi - L) ln r2^2 - 2 L + 2 eta beta] / (4 pi),
// with r1, r2 the distances to its ends and beta the angle it subtends
// (the stream function of a clockwise point vortex is g ln r / (2 pi)).

#include "extlib/airfoil/FlowField.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "extlib/Capacities.h"
#include "extlib/airfoil/Airfoil.h"

namespace ribcraft::airfoil {

namespace {

constexpr double kPi = std::numbers::pi;

// t ln(r^2) that tends to 0 at r = 0.
double TLogR2(double t, double r2) {
    return r2 > 1e-300 ? t * std::log(r2) : 0.0;
}

struct Nearest {
    int panel = 0;
    double t = 0, distance = 1e300;
};

} // namespace

std::vector<double> SignedSheetStrength(const std::vector<double>& v, int stagPanel) {
    const int n = static_cast<int>(v.size());
    std::vector<double> g(v.size());
    for (int i = 1; i <= n; ++i)
        g[i - 1] = i < stagPanel ? -v[i - 1] : v[i - 1];
    if (stagPanel > 1 && stagPanel < n) {
        // The stagnation panel sits between a negative and a positive
        // neighbour: take the sign nearer their mean.
        const int s = stagPanel - 1;
        const double mean = 0.5 * (g[s - 1] + g[s + 1]);
        if (std::abs(-v[s] - mean) < std::abs(v[s] - mean)) g[s] = -v[s];
    }
    return g;
}

bool SheetFlow::setSheet(const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>& gamma) {
    const int n = static_cast<int>(gamma.size());
    if (n < 3 || x.size() != gamma.size() + 1 || y.size() != x.size()) return false;
    for (int i = 0; i <= n; ++i)
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]) || (i < n && !std::isfinite(gamma[i]))) return false;
    std::vector<double> tx(n), ty(n), len(n);
    for (int i = 0; i < n; ++i) {
        len[i] = std::hypot(x[i + 1] - x[i], y[i + 1] - y[i]);
        if (!(len[i] > 0)) return false;
        tx[i] = (x[i + 1] - x[i]) / len[i];
        ty[i] = (y[i + 1] - y[i]) / len[i];
    }
    m_n = n;
    m_x = x, m_y = y, m_tx = std::move(tx), m_ty = std::move(ty), m_len = std::move(len), m_gamma = gamma;

    // Free-stream direction (a, b) that makes the flow tangent at the midpoints:
    // least squares of a nx + b ny + w = 0, weighted by panel length.
    double saa = 0, sab = 0, sbb = 0, saw = 0, sbw = 0;
    for (int i = 0; i < n; ++i) {
        const double mx = 0.5 * (m_x[i] + m_x[i + 1]), my = 0.5 * (m_y[i] + m_y[i + 1]);
        double u, v;
        sheetVelocity(mx, my, u, v);
        const double nx = -m_ty[i], ny = m_tx[i], w = u * nx + v * ny, l = m_len[i];
        saa += l * nx * nx, sab += l * nx * ny, sbb += l * ny * ny, saw += l * nx * w, sbw += l * ny * w;
    }
    const double det = saa * sbb - sab * sab;
    const double a = -(sbb * saw - sab * sbw) / det, b = -(saa * sbw - sab * saw) / det;
    if (!std::isfinite(a) || !std::isfinite(b) || (a == 0 && b == 0)) {
        m_n = 0;
        return false;
    }
    m_alpha = std::atan2(b, a);
    m_cos = std::cos(m_alpha);
    m_sin = std::sin(m_alpha);
    double sum = 0, total = 0;
    for (int i = 0; i < n; ++i) {
        sum += m_len[i] * psi(0.5 * (m_x[i] + m_x[i + 1]), 0.5 * (m_y[i] + m_y[i + 1]));
        total += m_len[i];
    }
    m_surfacePsi = sum / total;
    m_perimeter = total;
    setMultipoles();
    return true;
}

// Far from the sheet, with w = 1 / (z - c) about a centre c and
//   Phi(z) = 1/(2 pi) sum_i g_i integral over panel i of log(z - zeta) ds,
// psi is Re Phi (the stream function of a clockwise vortex is g ln r / (2 pi))
// and u - i v = i Phi'(z). Expanding the logarithm,
//   Phi  = 1/(2 pi) [m_0 log(z - c) - sum_k>=1 m_k w^k / k],
//   Phi' = 1/(2 pi) sum_k>=0 m_k w^(k+1),
// and on the straight panel from A to B with direction e = (B - A) / L,
//   integral of (zeta - c)^k ds = [(B - c)^(k+1) - (A - c)^(k+1)] / ((k + 1) e).
// Where |z - c| >= 2 R (R the farthest outline point) the terms fall at least
// like 2^-k, so kMultipoles terms leave a relative error of about 2^-kMultipoles.
constexpr int kMultipoles = 52;

void SheetFlow::setMultipoles() {
    using C = std::complex<double>;
    double cx = 0, cy = 0;
    for (int i = 0; i < m_n; ++i)
        cx += m_x[i], cy += m_y[i];
    m_centre = {cx / m_n, cy / m_n};
    m_radius = 0;
    for (int i = 0; i <= m_n; ++i)
        m_radius = std::max(m_radius, std::abs(C(m_x[i], m_y[i]) - m_centre));
    m_moments.assign(kMultipoles + 1, C(0, 0));
    for (int i = 0; i < m_n; ++i) {
        const C a = C(m_x[i], m_y[i]) - m_centre, b = C(m_x[i + 1], m_y[i + 1]) - m_centre;
        const C ge = m_gamma[i] / C(m_tx[i], m_ty[i]); // g / e
        C pa = a, pb = b;                              // (A - c)^(k+1), (B - c)^(k+1)
        for (int k = 0; k <= kMultipoles; ++k) {
            m_moments[size_t(k)] += ge * (pb - pa) / double(k + 1);
            pa *= a;
            pb *= b;
        }
    }
}

bool SheetFlow::farField(double px, double py, double& u, double& v, double& psi) const {
    using C = std::complex<double>;
    const C d = C(px, py) - m_centre;
    if (m_n == 0 || !(std::abs(d) >= 2 * m_radius)) return false;
    const C w = 1.0 / d;
    // Horner in w: sum_k>=1 m_k w^k / k and sum_k>=0 m_k w^(k+1).
    C series(0, 0), derivative(0, 0);
    for (int k = kMultipoles; k >= 1; --k) {
        series = (series + m_moments[size_t(k)] / double(k)) * w;
        derivative = (derivative + m_moments[size_t(k)]) * w;
    }
    derivative = (derivative + m_moments[0]) * w;
    const C phi = (m_moments[0] * std::log(d) - series) / (2 * kPi);
    const C uv = C(0, 1) * derivative / (2 * kPi); // u - i v of the sheet
    u = uv.real() + m_cos;
    v = -uv.imag() + m_sin;
    psi = py * m_cos - px * m_sin + phi.real();
    return true;
}

void SheetFlow::sheetVelocity(double px, double py, double& u, double& v) const {
    u = v = 0.0;
    for (int i = 0; i < m_n; ++i) {
        const double dx = px - m_x[i], dy = py - m_y[i], tx = m_tx[i], ty = m_ty[i], l = m_len[i];
        const double xi = dx * tx + dy * ty, eta = -dx * ty + dy * tx;
        const double r1 = xi * xi + eta * eta, r2 = (xi - l) * (xi - l) + eta * eta;
        const double beta = std::atan2(eta * l, xi * xi - xi * l + eta * eta);
        const double ul = m_gamma[i] * beta / (2 * kPi);
        const double vl = (r1 > 1e-300 && r2 > 1e-300) ? m_gamma[i] * std::log(r2 / r1) / (4 * kPi) : 0.0;
        u += ul * tx - vl * ty;
        v += ul * ty + vl * tx;
    }
}

double SheetFlow::sheetPsi(double px, double py) const {
    double s = 0.0;
    for (int i = 0; i < m_n; ++i) {
        const double dx = px - m_x[i], dy = py - m_y[i], tx = m_tx[i], ty = m_ty[i], l = m_len[i];
        const double xi = dx * tx + dy * ty, eta = -dx * ty + dy * tx;
        const double r1 = xi * xi + eta * eta, r2 = (xi - l) * (xi - l) + eta * eta;
        const double beta = std::atan2(eta * l, xi * xi - xi * l + eta * eta);
        s += m_gamma[i] * (TLogR2(xi, r1) - TLogR2(xi - l, r2) - 2 * l + 2 * eta * beta);
    }
    return s / (4 * kPi);
}

void SheetFlow::velocity(double px, double py, double& u, double& v) const {
    sheetVelocity(px, py, u, v);
    u += m_cos;
    v += m_sin;
}

double SheetFlow::psi(double px, double py) const {
    return py * m_cos - px * m_sin + sheetPsi(px, py);
}

bool SheetFlow::inside(double px, double py) const {
    bool in = false;
    for (int i = 0; i < m_n; ++i) {
        const double y0 = m_y[i], y1 = m_y[i + 1];
        if ((y0 > py) != (y1 > py)) {
            const double xc = m_x[i] + (py - y0) / (y1 - y0) * (m_x[i + 1] - m_x[i]);
            if (px < xc) in = !in;
        }
    }
    return in;
}

void SheetFlow::velocityAndPsi(double px, double py, NodeTerms& w, double& u, double& v, double& psi) const {
    const int n = m_n;
    w.angle.resize(n + 1);
    w.logR2.resize(n + 1);
    w.r2.resize(n + 1);
    for (int k = 0; k <= n; ++k) {
        const double dx = m_x[k] - px, dy = m_y[k] - py, r2 = dx * dx + dy * dy;
        w.angle[k] = std::atan2(dy, dx);
        w.r2[k] = r2;
        w.logR2[k] = r2 > 1e-300 ? std::log(r2) : 0.0;
    }
    double su = 0.0, sv = 0.0, sp = 0.0;
    for (int i = 0; i < n; ++i) {
        const double dx = px - m_x[i], dy = py - m_y[i], tx = m_tx[i], ty = m_ty[i], l = m_len[i], g = m_gamma[i];
        const double xi = dx * tx + dy * ty, eta = -dx * ty + dy * tx;
        // Angle the panel subtends at the point, from the directions to its ends.
        double beta = w.angle[i + 1] - w.angle[i];
        if (beta > kPi)
            beta -= 2 * kPi;
        else if (beta <= -kPi)
            beta += 2 * kPi;
        const double l1 = w.logR2[i], l2 = w.logR2[i + 1];
        const double ul = 2 * g * beta;
        const double vl = (w.r2[i] > 1e-300 && w.r2[i + 1] > 1e-300) ? g * (l2 - l1) : 0.0;
        su += ul * tx - vl * ty;
        sv += ul * ty + vl * tx;
        sp += g * (xi * l1 - (xi - l) * l2 - 2 * l + 2 * eta * beta);
    }
    u = su / (4 * kPi) + m_cos;
    v = sv / (4 * kPi) + m_sin;
    psi = py * m_cos - px * m_sin + sp / (4 * kPi);
}

double SheetFlow::surfaceSpeedNear(double px, double py, double* distance) const {
    // The nearest point of each panel; the panel of least distance wins, the
    // first of equal ones. The squared distances pick the few panels that can
    // be nearest; among those the rounded distance decides, so that of two
    // panels at the same distance (the two sides of a symmetric nose) always
    // the same wins.
    auto offset = [&](int i, double& t, double& ex, double& ey) {
        const double dx = px - m_x[i], dy = py - m_y[i];
        t = std::clamp((dx * m_tx[i] + dy * m_ty[i]) / m_len[i], 0.0, 1.0);
        ex = dx - t * m_len[i] * m_tx[i];
        ey = dy - t * m_len[i] * m_ty[i];
    };
    double least2 = 1e300;
    for (int i = 0; i < m_n; ++i) {
        double t, ex, ey;
        offset(i, t, ex, ey);
        least2 = std::min(least2, ex * ex + ey * ey);
    }
    Nearest best;
    for (int i = 0; i < m_n; ++i) {
        double t, ex, ey;
        offset(i, t, ex, ey);
        if (ex * ex + ey * ey > least2 * (1 + 1e-9)) continue;
        const double d = std::hypot(ex, ey);
        if (d < best.distance) best = {i, t, d};
    }
    if (distance) *distance = best.distance;
    // Between the midpoints on either side; across the trailing edge the
    // nearer panel's speed is kept (the two sides' signs differ there).
    const double s = best.panel + best.t - 0.5;
    const int i0 = static_cast<int>(std::floor(s));
    if (i0 < 0 || i0 + 1 >= m_n) return std::abs(m_gamma[best.panel]);
    const double f = s - i0;
    return std::abs((1 - f) * m_gamma[i0] + f * m_gamma[i0 + 1]);
}

void EvaluateFlowField(const SheetFlow& flow, const std::vector<double>& gx, const std::vector<double>& gy,
                       std::vector<double>& cp, std::vector<double>& psi) {
    cp.resize(gx.size());
    psi.resize(gx.size());
    const double onSurface = 1e-5 * flow.perimeter();
    SheetFlow::NodeTerms work;
    for (size_t p = 0; p < gx.size(); ++p) {
        const double x = gx[p], y = gy[p];
        double u, v;
        if (flow.farField(x, y, u, v, psi[p])) {
            cp[p] = 1.0 - (u * u + v * v);
            continue;
        }
        double distance = 0;
        const double vs = flow.surfaceSpeedNear(x, y, &distance);
        if (distance <= onSurface || flow.inside(x, y)) {
            cp[p] = 1.0 - vs * vs;
            psi[p] = flow.surfacePsi();
            continue;
        }
        flow.velocityAndPsi(x, y, work, u, v, psi[p]);
        cp[p] = 1.0 - (u * u + v * v);
    }
}

void Flow(float& V, float& X, float& Y, int32_t& Count, float& GridX, float& GridY, int32_t& StagPoint, float& CpField,
          float& PsiField, int32_t& Ni, int32_t& Nj) {
    airfoil::SetLastCall(KernelCall::BadArguments);
    if (Count < 4 || Count > cap::Outline || Ni < 1 || Nj < 1 || Ni > cap::FieldI || Nj > cap::FieldJ) return;
    airfoil::SetLastCall(KernelCall::NoSolution);
    const int panels = Count - 1;
    const float* vIn = &V;
    const float* xIn = &X;
    const float* yIn = &Y;
    const std::vector<double> x(xIn, xIn + Count), y(yIn, yIn + Count), v(vIn, vIn + panels);
    airfoil::SheetFlow flow;
    if (!flow.setSheet(x, y, airfoil::SignedSheetStrength(v, StagPoint))) return;
    std::vector<double> gx(static_cast<size_t>(Ni) * Nj), gy(gx.size());
    const float* gxIn = &GridX;
    const float* gyIn = &GridY;
    for (int j = 1; j <= Nj; ++j) {
        for (int k = 1; k <= Ni; ++k) {
            const size_t p = static_cast<size_t>(cap::At2(k, j, Ni));
            gx[p] = gxIn[cap::At2(k, j, cap::MeshI)];
            gy[p] = gyIn[cap::At2(k, j, cap::MeshI)];
            if (!std::isfinite(gx[p]) || !std::isfinite(gy[p])) return;
        }
    }
    std::vector<double> cp, psi;
    airfoil::EvaluateFlowField(flow, gx, gy, cp, psi);
    float* cpOut = &CpField;
    float* psiOut = &PsiField;
    for (int j = 1; j <= Nj; ++j) {
        for (int k = 1; k <= Ni; ++k) {
            const size_t p = static_cast<size_t>(cap::At2(k, j, Ni));
            cpOut[cap::At2(k, j, cap::FieldI)] = static_cast<float>(cp[p]);
            psiOut[cap::At2(k, j, cap::FieldI)] = static_cast<float>(psi[p]);
        }
    }
    airfoil::SetLastCall(KernelCall::Written);
}

} // namespace ribcraft::airfoil
