#include "app/DragDriver.h"

#include <algorithm>
#include <cmath>

#include "analysis/Drag.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

// Chord position of station m of the first surface (from the stagnation point
// backwards to point 1) and of the second (forward, closed at the trailing edge).
double FirstStationX(const DragResult& r, int m) {
    return r.CompX[size_t(std::clamp(r.K1 - m + 1, 1, r.CompCount + 1))];
}

double SecondStationX(const DragResult& r, int m) {
    const int k2 = r.K2 - 1, cc = r.CompCount;
    if (m >= r.K2) return r.CompX[size_t(cc + 1)];
    return r.CompX[size_t(std::clamp(m + cc - k2 - 1, 1, cc + 1))];
}

} // namespace

CommandResult RunDrag(SharedState& s) {
    // The outline is closed before marching, as the stations run to point N + 1.
    s.SectionX[s.PointCount + 1] = s.SectionX[1];
    s.SectionY[s.PointCount + 1] = s.SectionY[1];
    DragInputs in;
    const size_t n = size_t(s.PointCount);
    in.SectionX = {&s.SectionX[1], n + 1};
    in.SectionY = {&s.SectionY[1], n + 1};
    in.SurfaceV = {&s.SurfaceV[1], n};
    in.N = s.PointCount;
    in.Alpha = s.Alpha;
    in.re = s.re;
    in.PolarSolution = s.PolarSolution;
    const DragResult r = ComputeDrag(in);
    if (!r.ok || !std::isfinite(r.Cd)) return CommandResult::failure(BlErrorMessage);

    s.StagPoint = r.StagPoint;
    s.TransitionPoint = r.TransitionPoint;
    s.TransitionXUpper = SecondStationX(r, r.TransitionPoint);
    s.TransitionXLower = FirstStationX(r, r.Transition1);
    s.Cd = r.Cd;
    s.EffectiveAlpha = r.EffectiveAlpha;
    s.StallFlag = r.StallFlag;
    s.Texts.DragText = FormatNumber(r.Cd, "##0.000000");
    s.Texts.Stalled = r.StallFlag == 1;
    return {};
}

} // namespace ribcraft
