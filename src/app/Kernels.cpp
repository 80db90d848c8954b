// SPDX-License-Identifier: MIT
#include "app/Kernels.h"

#include <cmath>

#include "extlib/airfoil/Airfoil.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

Status refusal(KernelCall outcome, const std::string& what) {
    switch (outcome) {
    case KernelCall::Written:
        return Status::Ok();
    case KernelCall::BadArguments:
        return Status::Error(ErrorKind::InvalidInput, what + ": the sizes or values passed are out of range.");
    case KernelCall::NoSection:
        return Status::Error(ErrorKind::KernelRefused, what + ": the section cannot be built.");
    case KernelCall::NoSolution:
        break;
    }
    return Status::Error(ErrorKind::SolverFailed, what + ": no solution for this section.");
}

} // namespace

int32_t SectionNumberOf(const std::string& nameText) {
    const double number = Val(nameText);
    return (std::isfinite(number) && std::fabs(number) < 2e9) ? int32_t(number) : -1;
}

Result<PanelCoefficients> CallAirfoil(SharedState& s, int32_t sectionNumber, float alpha, const PanelArrays& out,
                                      int32_t mode) {
    int32_t section = sectionNumber, points = s.SurfacePoints, reserved = 0, nUpper = s.NUpper, nLower = s.NLower;
    int32_t raw = s.RawAirfoilFlag, m = mode;
    float angle = alpha, flap = s.FlapAngleRad, hinge = s.HingeFraction;
    PanelCoefficients c;
    airfoil::Airfoil(section, angle, *out.x, *out.distX, *out.y, *out.cp, *out.v, c.Cl, c.CmLE, flap, hinge, points,
                     reserved, s.YUpper[1], s.YLower[1], s.XUpper[1], s.XLower[1], nUpper, nLower, raw, m);
    const KernelCall outcome = airfoil::LastCall();
    if (outcome != KernelCall::Written) {
        const std::string name = raw == 1 ? "the section of the coordinate file" : "\"" + s.Texts.SectionName + "\"";
        if (outcome == KernelCall::NoSolution)
            return Status::Error(ErrorKind::KernelRefused,
                                 "The panel method cannot solve " + name + ": the previous section is kept.");
        return refusal(outcome, "Section " + name);
    }
    return c;
}

Status CallFoilGrid(std::vector<float>& x, std::vector<float>& y, int32_t np, int32_t mx, int32_t my, float radius,
                    float clustering, std::vector<float>& gx, std::vector<float>& gy) {
    gx.assign(cap::MeshPoints, 0.0f);
    gy.assign(gx.size(), 0.0f);
    gy[cap::At2(1, 1, cap::MeshI)] = radius;
    gy[cap::At2(1, 2, cap::MeshI)] = clustering;
    int32_t count = np, ni = mx, nj = my, one = 1;
    airfoil::FoilGrid(x[0], y[0], count, ni, nj, gx[0], gy[0], one);
    return refusal(airfoil::LastCall(), "The mesh");
}

Status CallFlow(std::vector<float>& v, std::vector<float>& x, std::vector<float>& y, int32_t np, std::vector<float>& gx,
                std::vector<float>& gy, int32_t stagPoint, int32_t mx, int32_t my, std::vector<float>& cp,
                std::vector<float>& psi) {
    cp.assign(size_t(cap::FieldI) * cap::FieldJ, 0.0f);
    psi.assign(cp.size(), 0.0f);
    int32_t count = np, stag = stagPoint, ni = mx, nj = my;
    airfoil::Flow(v[0], x[0], y[0], count, gx[0], gy[0], stag, cp[0], psi[0], ni, nj);
    return refusal(airfoil::LastCall(), "The flow field");
}

Result<ContourSegments> CallContr(const std::vector<float>& gx, const std::vector<float>& gy,
                                  const std::vector<float>& field, int32_t mx, int32_t my, std::vector<float> levels) {
    ContourSegments c;
    const size_t room = size_t(cap::Segments) * cap::Levels;
    c.Levels = std::move(levels);
    int32_t nc = int32_t(c.Levels.size());
    c.Levels.resize(size_t(cap::Levels), 0.0f);
    c.Counts.assign(size_t(cap::Levels), 0);
    c.X1.assign(room, 0.0f);
    c.Y1.assign(room, 0.0f);
    c.X2.assign(room, 0.0f);
    c.Y2.assign(room, 0.0f);
    // Contr takes every argument by reference: it gets copies of the grid and field.
    std::vector<float> x = gx, y = gy, f = field;
    int32_t ni = mx, nj = my;
    airfoil::Contr(x[0], y[0], f[0], c.Levels[0], ni, nj, nc, c.X1[0], c.Y1[0], c.X2[0], c.Y2[0], c.Counts[0]);
    if (Status st = refusal(airfoil::LastCall(), "The contours"); !st.ok()) return st;
    c.Levels.resize(size_t(nc));
    c.Counts.resize(size_t(nc));
    return c;
}

} // namespace ribcraft
