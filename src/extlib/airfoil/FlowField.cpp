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

double SheetFlow::surfaceSpeedNear(double px, double py, double* distance) const {
    Nearest best;
    for (int i = 0; i < m_n; ++i) {
        const double dx = px - m_x[i], dy = py - m_y[i];
        const double t = std::clamp((dx * m_tx[i] + dy * m_ty[i]) / m_len[i], 0.0, 1.0);
        const double d = std::hypot(dx - t * m_len[i] * m_tx[i], dy - t * m_len[i] * m_ty[i]);
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
    for (size_t p = 0; p < gx.size(); ++p) {
        const double x = gx[p], y = gy[p];
        double distance = 0;
        const double vs = flow.surfaceSpeedNear(x, y, &distance);
        if (distance <= onSurface || flow.inside(x, y)) {
            cp[p] = 1.0 - vs * vs;
            psi[p] = flow.surfacePsi();
            continue;
        }
        double u, v;
        flow.velocity(x, y, u, v);
        cp[p] = 1.0 - (u * u + v * v);
        psi[p] = flow.psi(x, y);
    }
}

} // namespace ribcraft::airfoil

void Flow(float& V, float& X, float& Y, int32_t& Count, float& GridX, float& GridY, int32_t& StagPoint, float& CpField,
          float& PsiField, int32_t& Ni, int32_t& Nj) {
    using namespace ribcraft;
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
            const size_t p = static_cast<size_t>(cap::at2(k, j, Ni));
            gx[p] = gxIn[cap::at2(k, j, cap::MeshI)];
            gy[p] = gyIn[cap::at2(k, j, cap::MeshI)];
            if (!std::isfinite(gx[p]) || !std::isfinite(gy[p])) return;
        }
    }
    std::vector<double> cp, psi;
    airfoil::EvaluateFlowField(flow, gx, gy, cp, psi);
    float* cpOut = &CpField;
    float* psiOut = &PsiField;
    for (int j = 1; j <= Nj; ++j) {
        for (int k = 1; k <= Ni; ++k) {
            const size_t p = static_cast<size_t>(cap::at2(k, j, Ni));
            cpOut[cap::at2(k, j, cap::FieldI)] = static_cast<float>(cp[p]);
            psiOut[cap::at2(k, j, cap::FieldI)] = static_cast<float>(psi[p]);
        }
    }
    airfoil::SetLastCall(KernelCall::Written);
}
