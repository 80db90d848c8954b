// SPDX-License-Identifier: MIT
#include "app/Recompute.h"

#include <algorithm>
#include <cmath>

#include "analysis/Drag.h"
#include "app/BoundaryLayer.h"
#include "app/DragDriver.h"
#include "app/FlowFieldDriver.h"
#include "app/PanelDriver.h"
#include "app/PolarSweep.h"
#include "app/dialogs/DialogProtocol.h"
#include "base/ViewCodes.h"
#include "geometry/LinAero.h"
#include "geometry/ThinAirfoil.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

// ---- the input groups: reading, comparing and writing back their values

InputValues ValuesOf(const SharedState& s) {
    InputValues v;
    v.RawAirfoilFlag = s.RawAirfoilFlag;
    v.SectionName = s.Texts.SectionName;
    v.AirfoilFileName = s.AirfoilFileName;
    v.FileSectionName = s.FileSectionName;
    v.NUpper = s.NUpper;
    v.NLower = s.NLower;
    v.XUpper = s.XUpper;
    v.YUpper = s.YUpper;
    v.XLower = s.XLower;
    v.YLower = s.YLower;
    v.SurfacePoints = s.SurfacePoints;
    v.FlapAngleRad = s.FlapAngleRad;
    v.HingeFraction = s.HingeFraction;
    v.AngleText = s.Texts.AngleText;
    v.re = s.re;
    v.PolarSolution = s.PolarSolution;
    v.FlowSeperationModel = s.FlowSeperationModel;
    v.BlPoints = s.BlPoints;
    v.BlOptions = s.BlOptions;
    v.BlLimit = s.BlLimit;
    v.BlRough = s.BlRough;
    v.MeshX = s.MeshX;
    v.MeshY = s.MeshY;
    v.OuterRadius = s.OuterRadius;
    v.GridCluster = s.GridCluster;
    return v;
}

// Whether group g (an index 0..InputGroupCount-1) has the same values in a and b.
bool SameGroup(int g, const InputValues& a, const InputValues& b) {
    switch (1u << g) {
    case SectionGroup:
        return a.RawAirfoilFlag == b.RawAirfoilFlag && a.SectionName == b.SectionName &&
               a.AirfoilFileName == b.AirfoilFileName && a.FileSectionName == b.FileSectionName &&
               a.NUpper == b.NUpper && a.NLower == b.NLower && a.XUpper == b.XUpper && a.YUpper == b.YUpper &&
               a.XLower == b.XLower && a.YLower == b.YLower;
    case PointsGroup:
        return a.SurfacePoints == b.SurfacePoints;
    case FlapGroup:
        return a.FlapAngleRad == b.FlapAngleRad && a.HingeFraction == b.HingeFraction;
    case AngleGroup:
        return a.AngleText == b.AngleText;
    case ReynoldsGroup:
        return a.re == b.re;
    case DragOptionsGroup:
        return a.PolarSolution == b.PolarSolution && a.FlowSeperationModel == b.FlowSeperationModel;
    case BlOptionsGroup:
        return a.BlPoints == b.BlPoints && a.BlOptions == b.BlOptions && a.BlLimit == b.BlLimit &&
               a.BlRough == b.BlRough;
    case MeshGroup:
        return a.MeshX == b.MeshX && a.MeshY == b.MeshY && a.OuterRadius == b.OuterRadius &&
               a.GridCluster == b.GridCluster;
    default:
        return true;
    }
}

ResultStamp StampNow(const SharedState& s) {
    return {true, s.Inputs.Rev};
}

// What the shown panel solution was made from, with the displays of its inputs.
SolvedInputs CaptureSolvedInputs(const SharedState& s) {
    SolvedInputs in;
    in.Values = s.Inputs.Seen;
    in.Rev = s.Inputs.Rev;
    in.AirfoilType = s.AirfoilType;
    in.FlapDeflection = s.FlapDeflection;
    in.FlapLength = s.FlapLength;
    in.FlapDeflectionText = s.Texts.FlapDeflectionText;
    in.FlapLengthText = s.Texts.FlapLengthText;
    in.AngleDisplay = s.Texts.AngleDisplay;
    return in;
}

// Puts the section, points, flap and angle back to those of the shown
// solution, with their displays and revisions, so that the solution is
// current again and the screen shows its inputs.
void RestoreSolvedInputs(SharedState& s) {
    const SolvedInputs& in = s.Inputs.PanelMadeFrom;
    const InputValues& v = in.Values;
    s.RawAirfoilFlag = v.RawAirfoilFlag;
    s.Texts.SectionName = v.SectionName;
    s.AirfoilFileName = v.AirfoilFileName;
    s.FileSectionName = v.FileSectionName;
    s.NUpper = v.NUpper;
    s.NLower = v.NLower;
    s.XUpper = v.XUpper;
    s.YUpper = v.YUpper;
    s.XLower = v.XLower;
    s.YLower = v.YLower;
    s.SurfacePoints = v.SurfacePoints;
    s.PointCount = 2 * v.SurfacePoints;
    s.FlapAngleRad = v.FlapAngleRad;
    s.HingeFraction = v.HingeFraction;
    s.Texts.AngleText = v.AngleText;
    s.AirfoilType = in.AirfoilType;
    s.FlapDeflection = in.FlapDeflection;
    s.FlapLength = in.FlapLength;
    s.Texts.FlapDeflectionText = in.FlapDeflectionText;
    s.Texts.FlapLengthText = in.FlapLengthText;
    s.Texts.AngleDisplay = in.AngleDisplay;
    // Only the groups of the panel solution change here; the others were
    // noted at the start of this recompute and are as they were.
    InputTracking& t = s.Inputs;
    for (int g = 0; g < InputGroupCount; ++g)
        if ((1u << g) & PanelGroups) t.Rev.Of[size_t(g)] = in.Rev.Of[size_t(g)];
    t.Seen = ValuesOf(s);
}

// ---- the results

bool PanelStep(SharedState& s, CommandResult& out) {
    ResultStamps& made = s.Inputs.Stamps;
    const bool wanted = !IsCurrent(s, made.Panel, PanelGroups) || s.NewFlag == 1 || !s.HaveSolution;
    if (!wanted) return false;
    const CommandResult r = PlainSolution(s);
    if (!r.ok()) {
        out = r;
        if (made.Panel.Made) RestoreSolvedInputs(s);
        return false;
    }
    made.Panel = StampNow(s);
    s.NewFlag = 0;
    s.Texts.AngleDisplay = AngleDisplayFor(s.Texts.AngleText);
    s.Inputs.PanelMadeFrom = CaptureSolvedInputs(s);
    // The drag sets the stagnation point the later steps use: it follows every new panel solution.
    made.Drag.Made = false;
    made.ThinAirfoil.Made = false;
    return true;
}

void DragStep(SharedState& s, CommandResult& out) {
    ResultStamps& made = s.Inputs.Stamps;
    if (!s.HaveSolution) return;
    if (!IsCurrent(s, made.Drag, DragGroups)) {
        const CommandResult drag = RunDrag(s);
        if (drag.ok()) {
            made.Drag = StampNow(s);
        } else {
            // A failed drag is shown as failed, never as the previous section's drag.
            made.Drag.Made = false;
            s.Cd = 0;
            s.StallFlag = 0;
            s.EffectiveAlpha = s.Alpha;
            s.Texts.DragText = "N/A";
            s.Texts.Stalled = false;
            if (out.ok()) out = drag;
        }
        made.ThinAirfoil.Made = false;
    }
    if (!IsCurrent(s, made.ThinAirfoil, DragGroups)) {
        const double angle = (s.FlowSeperationModel == 1 && made.Drag.Made) ? s.EffectiveAlpha : s.Alpha;
        made.ThinAirfoil = UpdateThinAirfoil(s, angle) ? StampNow(s) : ResultStamp{};
    }
}

// The detailed boundary layer is dropped when it cannot be solved: its
// views, the report's column and the airfoil view's edge show nothing of it.
void DropBoundaryLayer(SharedState& s) {
    s.Bl = BoundaryLayerStore{};
    s.ClBl = s.CmLeBl = s.CdCFD = 0;
    s.DisplacedY.fill(0.0f);
    s.EdgeY.fill(0.0f);
    s.Inputs.Stamps.BoundaryLayer.Made = false;
}

void BoundaryLayerStep(SharedState& s, bool needed, CommandResult& out) {
    const bool requested = s.BlUpdateRequest == 1;
    s.BlUpdateRequest = 0; // answered once, whether or not the solution succeeds
    if (!needed && !requested) return;
    ResultStamps& made = s.Inputs.Stamps;
    if (!requested && s.CompBlFlag != 1 && IsCurrent(s, made.BoundaryLayer, BoundaryLayerGroups) && s.Bl.Solved) return;
    s.CompBlFlag = 1;
    const CommandResult r =
        s.HaveSolution ? BoundaryLayer(s) : CommandResult::failure(ErrorKind::BoundaryLayerFailed, BlErrorMessage);
    if (!r.ok()) {
        DropBoundaryLayer(s);
        if (out.ok()) out = r;
        return;
    }
    made.BoundaryLayer = StampNow(s);
    if (out.ok() && out.warning.empty()) out.warning = r.warning;
}

void FlowStep(SharedState& s, const ResultNeeds& needs, CommandResult& out) {
    ResultStamps& made = s.Inputs.Stamps;
    if (needs.UserMesh && (s.NewGrid == 1 || !IsCurrent(s, made.UserMesh, UserMeshGroups))) {
        s.NewGrid = 1;
        const CommandResult r = ComputeFlowField(s, 1);
        made.UserMesh = r.ok() ? StampNow(s) : ResultStamp{};
        if (!r.ok() && out.ok()) out = r;
    }
    if (needs.Contours == 0) return;
    if (!IsCurrent(s, made.FlowField, FlowFieldGroups)) {
        const CommandResult r = ComputeFlowField(s, 0);
        made.FlowField = r.ok() ? StampNow(s) : ResultStamp{};
        if (!r.ok()) {
            if (out.ok()) out = r;
            return;
        }
    }
    if (s.Flow.ContourView != needs.Contours) {
        const CommandResult r = ComputeContours(s, needs.Contours);
        if (!r.ok()) {
            made.FlowField = {};
            if (out.ok()) out = r;
        }
    }
}

// The polar of the current section; the sweep runs on a copy of the state,
// so nothing of its angles is left in the shown solution.
void PolarStep(SharedState& s, CommandResult& out) {
    if (FindPolar(s, CurrentPolarKey(s)) != 0) return;
    SharedState work = s;
    const PolarOutcome polar = Polar(work);
    s.Polars = std::move(work.Polars);
    s.PolarCount = work.PolarCount;
    if (!polar.result.ok()) {
        if (out.ok()) out = polar.result;
    } else if (out.ok()) {
        if (out.warning.empty()) out.warning = polar.result.warning;
        if (out.notice.empty()) out.notice = polar.result.notice;
    }
}

} // namespace

bool UpdateThinAirfoil(SharedState& s, double angleDegrees) {
    LinAero aero; // one object per evaluation
    aero.AngleOfAttack = angleDegrees;
    aero.NumberOfPoints = s.PointCount;
    aero.SimulationOrder = 200;
    if (!aero.AeroCoeff(s.SectionY[1], s.SectionX[1]).ok()) {
        std::fill(std::begin(s.A), std::end(s.A), 0.0f);
        s.LiftCoeff = s.CmLeadingEdge = 0;
        s.CmC4 = s.AlphaCl0 = 0;
        for (std::string* t :
             {&s.Texts.LiftText, &s.Texts.CmLeText, &s.Texts.AlphaCl0Text, &s.Texts.CmC4Text, &s.Texts.XcpText})
            *t = "N/A";
        return false;
    }
    const float a[9] = {aero.A0, aero.A1, aero.A2, aero.A3, aero.A4, aero.A5, aero.A6, aero.A7, aero.A8};
    std::copy(std::begin(a), std::end(a), s.A);

    const ThinAirfoilCoefficients c = CoefficientsFromFourier(aero.A0, aero.A1, aero.A2, s.Alpha, s.Pi);
    s.LiftCoeff = c.LiftCoeff;
    s.CmLeadingEdge = c.CmLeadingEdge;
    s.CmC4 = c.CmC4;
    s.AlphaCl0 = c.AlphaCl0;
    s.Texts.LiftText = FormatNumber(c.LiftCoeff, "##0.000");
    s.Texts.CmLeText = FormatNumber(c.CmLeadingEdge, "##0.000");
    s.Texts.AlphaCl0Text = FormatNumber(c.AlphaCl0, "##0.00") + " Deg.";
    s.Texts.CmC4Text = FormatNumber(c.CmC4, "##0.000");
    s.Texts.XcpText = c.HasXcp ? FormatNumber(c.Xcp, "##0") + " %c" : "N/A";
    return true;
}

void NoteInputChanges(SharedState& s) {
    InputTracking& t = s.Inputs;
    const InputValues now = ValuesOf(s);
    for (int g = 0; g < InputGroupCount; ++g)
        if (!t.Started || !SameGroup(g, now, t.Seen)) t.Rev.Of[size_t(g)] = ++t.Clock;
    t.Seen = now;
    t.Started = true;
    const ResultStamps& made = t.Stamps;
    if (!IsCurrent(s, made.Panel, PanelGroups)) s.NewFlag = 1;
    if (!IsCurrent(s, made.UserMesh, UserMeshGroups)) s.NewGrid = 1;
    if (s.Bl.Solved && !IsCurrent(s, made.BoundaryLayer, BoundaryLayerGroups)) s.CompBlFlag = 1;
}

bool IsCurrent(const SharedState& s, const ResultStamp& stamp, unsigned groups) {
    const InputTracking& t = s.Inputs;
    if (!stamp.Made || !t.Started) return false;
    const InputValues now = ValuesOf(s);
    for (int g = 0; g < InputGroupCount; ++g) {
        if (!((1u << g) & groups)) continue;
        if (stamp.From.Of[size_t(g)] != t.Rev.Of[size_t(g)] || !SameGroup(g, now, t.Seen)) return false;
    }
    return true;
}

void SectionNameTyped(SharedState& s, const std::string& text) {
    s.Texts.SectionName = text;
    s.RawAirfoilFlag = 0;
}

ResultNeeds NeedsOfView(const SharedState& s) {
    ResultNeeds n;
    n.BoundaryLayer = s.VFlag == ViewCode::BoundaryLayer || s.VFlag == ViewCode::Report ||
                      (s.VFlag == ViewCode::Airfoil && s.XChoice == AirfoilSubView::BoundaryLayer);
    n.UserMesh = s.VFlag == ViewCode::Mesh;
    n.Contours = (s.VFlag == ViewCode::Streamlines || s.VFlag == ViewCode::PressureContours) ? s.VFlag : 0;
    n.Polar = s.VFlag == ViewCode::Polar;
    return n;
}

CommandResult BringUpToDate(SharedState& s, const ResultNeeds& needs) {
    NoteInputChanges(s);
    CommandResult out;
    PanelStep(s, out);
    if (!s.HaveSolution) {
        s.BlUpdateRequest = 0;
        return out;
    }
    DragStep(s, out);
    BoundaryLayerStep(s, needs.BoundaryLayer, out);
    FlowStep(s, needs, out);
    if (needs.Polar) PolarStep(s, out);
    return out;
}

CommandResult RecomputeForRedraw(SharedState& s) {
    CommandResult r = BringUpToDate(s, NeedsOfView(s));
    SetPlotTitle(s);
    s.Texts.LegendVisible = LegendVisible(s.VFlag);
    return r;
}

std::string PlotTitle(int vflag, const std::string& T) {
    switch (vflag) {
    case ViewCode::Airfoil:
        return T + " Distribution";
    case ViewCode::SurfaceCp:
        return T + ":  Cp v.s. Chord Position";
    case ViewCode::SurfaceVelocity:
        return " NACA " + T + ":  Velocity v.s. Chord Position";
    case ViewCode::Streamlines:
        return T + ":  Streamlines";
    case ViewCode::PressureContours:
        return T + ":  Pressure (Red - High; Blue - Low) ";
    case ViewCode::Mesh:
        return T + ":  O-Grid";
    case ViewCode::BoundaryLayer:
        return T + ":  Boundary Layer Solution";
    case ViewCode::Report:
    case ViewCode::Fourier:
        return T + ":  Report";
    case ViewCode::Polar:
        return " Current Airfoil: " + T;
    default:
        return T;
    }
}

void SetPlotTitle(SharedState& state) {
    state.Texts.PlotTitle = PlotTitle(state.VFlag, state.Texts.SectionName);
}

bool LegendVisible(int vflag) {
    return vflag == ViewCode::SurfaceCp || vflag == ViewCode::SurfaceVelocity;
}

} // namespace ribcraft
