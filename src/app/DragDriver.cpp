// SPDX-License-Identifier: MIT
#include "app/DragDriver.h"

#include <cmath>

#include "analysis/Drag.h"
#include "io/NumberFormat.h"

namespace ribcraft {

DragInputs DragInputsOf(const SharedState& s, double alpha) {
    DragInputs in;
    const size_t n = size_t(s.PointCount);
    in.SectionX = {&s.SectionX[1], n + 1};
    in.SectionY = {&s.SectionY[1], n + 1};
    in.SurfaceV = {&s.SurfaceV[1], n};
    in.N = s.PointCount;
    in.Alpha = alpha;
    in.re = s.re;
    in.PolarSolution = s.PolarSolution;
    in.Lift = s.PanelCl;
    return in;
}

CommandResult RunDrag(SharedState& s) {
    // The outline is closed before marching, as the stations run to point N + 1.
    s.SectionX[s.PointCount + 1] = s.SectionX[1];
    s.SectionY[s.PointCount + 1] = s.SectionY[1];
    const Result<DragResult> layers = ComputeDrag(DragInputsOf(s, s.Alpha));
    if (!layers) return CommandResult::from(layers.status());
    const DragResult& r = layers.value();

    s.StagPoint = r.StagPoint;
    s.TransitionPoint = r.TransitionPoint;
    s.TransitionXUpper = r.Stations.second.x[size_t(r.TransitionPoint)];
    s.TransitionXLower = r.Stations.first.x[size_t(r.Transition1)];
    s.Cd = r.Cd;
    s.EffectiveAlpha = r.EffectiveAlpha;
    s.StallFlag = r.StallFlag;
    s.Texts.DragText = FormatNumber(r.Cd, "##0.000000");
    s.Texts.Stalled = r.StallFlag == 1;
    return {};
}

} // namespace ribcraft
