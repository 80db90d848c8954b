#include "app/Recompute.h"

#include <cmath>

#include "app/BoundaryLayer.h"
#include "app/DragDriver.h"
#include "app/PanelDriver.h"
#include "geometry/LinAero.h"
#include "geometry/ThinAirfoil.h"
#include "io/NumberFormat.h"

namespace ribcraft {

void UpdateThinAirfoil(SharedState& s, double angleDegrees) {
    LinAero aero; // one object per evaluation
    aero.AngleOfAttack = angleDegrees;
    aero.NumberOfPoints = s.PointCount;
    aero.SimulationOrder = 200;
    if (!aero.AeroCoeff(s.SectionY[1], s.SectionX[1]).ok) return;
    const float a[9] = {aero.A0, aero.A1, aero.A2, aero.A3, aero.A4, aero.A5, aero.A6, aero.A7, aero.A8};
    std::copy(std::begin(a), std::end(a), s.A);

    const ThinAirfoilCoefficients c = thinAirfoilCoefficients(aero.A0, aero.A1, aero.A2, s.Alpha, s.Pi);
    s.LiftCoeff = c.LiftCoeff;
    s.CmLeadingEdge = c.CmLeadingEdge;
    s.CmC4 = c.CmC4;
    s.AlphaCl0 = c.AlphaCl0;
    s.Texts.LiftText = FormatNumber(c.LiftCoeff, "##0.000");
    s.Texts.CmLeText = FormatNumber(c.CmLeadingEdge, "##0.000");
    s.Texts.AlphaCl0Text = FormatNumber(c.AlphaCl0, "##0.00") + " Deg.";
    s.Texts.CmC4Text = FormatNumber(c.CmC4, "##0.000");
    s.Texts.XcpText = c.HasXcp ? FormatNumber(c.Xcp, "##0") + " %c" : "N/A";
}

std::string SolutionInputsKey(const SharedState& s) {
    std::string key = s.Texts.SectionName + '\n' + s.Texts.AngleText + '\n' + s.AirfoilFileName;
    for (double v : {double(s.RawAirfoilFlag), double(s.SurfacePoints), double(s.FlapAngleRad), double(s.HingeFraction),
                     s.re, double(s.PolarSolution), double(s.FlowSeperationModel), double(s.NUpper), double(s.NLower)})
        key += '\n' + FreeForm(v);
    return key;
}

CommandResult RecomputeForRedraw(SharedState& s) {
    // Besides the flags, any change of what the solution was made from asks for a new one:
    // after a boundary-layer solve (DialogCancelled 1) a new angle typed into the box must
    // not leave the old solution under the new angle.
    const bool changed = SolutionInputsKey(s) != s.SolvedInputs;
    const bool wanted =
        s.DialogCancelled == 0 || s.NewFlag == 1 || s.BlUpdateRequest == 1 || !s.HaveSolution || changed;
    if (!wanted) return {};
    // An update request is answered once, whether or not the solution succeeds.
    const bool blUpdate = s.BlUpdateRequest == 1;
    s.BlUpdateRequest = 0;
    CommandResult r = PlainSolution(s);
    if (!r.ok) return r;
    s.NewFlag = 0;
    s.SolvedInputs = SolutionInputsKey(s);
    // A stored boundary-layer solution belongs to the previous panel solution.
    if (s.Bl.Solved) s.CompBlFlag = 1;
    CommandResult drag = RunDrag(s);
    const double angle = (s.FlowSeperationModel == 1 && drag.ok) ? s.EffectiveAlpha : s.Alpha;
    UpdateThinAirfoil(s, angle);
    if (!blUpdate || !drag.ok) return drag;
    // The detailed boundary layer on the new solution; it also gives the
    // airfoil view's boundary-layer edge (EdgeY).
    s.CompBlFlag = 1;
    CommandResult bl = BoundaryLayer(s);
    if (bl.ok && bl.warning.empty()) bl.warning = drag.warning;
    return bl;
}

} // namespace ribcraft
