// SPDX-License-Identifier: MIT
#include "app/PanelDriver.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "analysis/SurfaceStations.h"
#include "app/Kernels.h"
#include "extlib/airfoil/FileSection.h"
#include "extlib/airfoil/NacaSection.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

// One Airfoil call with the state's section, flap and file lists; the outline
// and results go to the arrays given (plain or displaced-contour solution).
// PanelCl and PanelCmLE change only when the kernel solved.
Status callAirfoil(SharedState& s, float* distX, float* y, float* cp, float* v, int32_t mode) {
    const Result<PanelCoefficients> r =
        CallAirfoil(s, s.SectionNumber, s.Alpha, {&s.SectionX[1], &distX[1], &y[1], &cp[1], &v[1]}, mode);
    if (!r) return r.status();
    s.PanelCl = r->Cl;
    s.PanelCmLE = r->CmLE;
    return Status::Ok();
}

void updateExtrema(SharedState& s) {
    double yMax = -1000, yMin = 1000, cpMax = -1000, cpMin = 1000, vMax = -1000, vMin = 1000;
    for (int i = 1; i <= s.PointCount; ++i) {
        yMax = std::max(yMax, double(s.SectionY[i]));
        yMin = std::min(yMin, double(s.SectionY[i]));
        cpMax = std::max(cpMax, double(s.SurfaceCp[i]));
        cpMin = std::min(cpMin, double(s.SurfaceCp[i]));
        vMax = std::max(vMax, double(s.SurfaceV[i]));
        vMin = std::min(vMin, double(std::fabs(s.SurfaceV[i])));
    }
    s.YMax = yMax;
    s.YMin = yMin;
    s.CpHigh = cpMax;
    s.CpLow = cpMin;
    s.Vmax = vMax;
    s.Vmin = vMin;
    const size_t n = size_t(s.PointCount);
    s.StagPoint = FindStagnationPanel({&s.SectionX[1], n + 1}, {&s.SurfaceV[1], n}, s.PointCount);
}

// Val reads a number beyond the range of a double ("1e999") as 0. Such a
// text has digits other than zeros before any exponent; it is refused rather
// than solved as 0 degrees under a display that shows something else.
bool IsUnreadableNumber(std::string_view text) {
    if (Val(text) != 0.0) return false;
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return false;
    if (text[i] == '+' || text[i] == '-') ++i;
    for (; i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.'); ++i) {
        if (text[i] >= '1' && text[i] <= '9') return true;
    }
    return false;
}

} // namespace

CommandResult CheckSection(const SharedState& s, int32_t sectionNumber) {
    if (s.SurfacePoints < 2 || 2 * s.SurfacePoints + 1 > cap::Outline)
        return CommandResult::failure("The number of points about the airfoil is out of range.");
    if (s.RawAirfoilFlag == 1) {
        if (!airfoil::CanBuildFileSection(&s.XUpper[1], &s.YUpper[1], s.NUpper, &s.XLower[1], &s.YLower[1], s.NLower))
            return CommandResult::failure("The coordinate file's points cannot make a section.");
        return {};
    }
    if (!airfoil::CanBuildNacaSection(sectionNumber))
        return CommandResult::failure("\"" + s.Texts.SectionName +
                                      "\" is not a NACA 4 or 5 digit section: the previous section is kept.");
    return {};
}

CommandResult PlainSolution(SharedState& s) {
    const double alpha = Val(s.Texts.AngleText);
    // Broadside (±90°) and beyond, the section has no front: there is no attached flow to solve.
    if (!std::isfinite(alpha) || std::fabs(alpha) >= 90 || IsUnreadableNumber(s.Texts.AngleText))
        return CommandResult::failure("\"" + s.Texts.AngleText +
                                      "\" is not a usable angle of attack: the previous solution is kept.");
    const int32_t sectionNumber = SectionNumberOf(s.Texts.SectionName);
    if (CommandResult check = CheckSection(s, sectionNumber); !check.ok()) return check;

    // The kernel writes nothing when it refuses the section: the previous
    // solution stays whole, and so do the number and angle it was made from.
    const int32_t previousNumber = s.SectionNumber;
    const float previousAlpha = s.Alpha;
    s.SectionNumber = sectionNumber;
    s.Alpha = float(alpha);
    if (const Status st =
            callAirfoil(s, s.DistX.data(), s.SectionY.data(), s.SurfaceCp.data(), s.SurfaceV.data(), s.PanelMode);
        !st.ok()) {
        s.SectionNumber = previousNumber;
        s.Alpha = previousAlpha;
        return CommandResult::from(st);
    }
    s.ClPanel = s.PanelCl;
    s.CmLePanel = s.PanelCmLE;
    s.HaveSolution = true;
    updateExtrema(s);
    return {};
}

// Only the lift and moment of the displaced contour are kept: its panel
// stations, Cp and speeds go to scratch arrays, so the plain solution's
// stations, which the Cp and speed exports list, stay those of its outline.
Status newCLCm(SharedState& s) {
    for (int i = 1; i <= 2 * s.SurfacePoints; ++i)
        s.ScratchCp[i] = s.SectionY[i];
    std::vector<float> stations(size_t(cap::Outline) + 1, 0.0f);
    if (Status st = callAirfoil(s, stations.data(), s.DisplacedY.data(), s.ScratchCp.data(), s.ScratchV.data(), 1);
        !st.ok())
        return st;
    s.ClBl = s.PanelCl;
    s.CmLeBl = s.PanelCmLE;
    return Status::Ok();
}

} // namespace ribcraft
