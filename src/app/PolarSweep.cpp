// SPDX-License-Identifier: MIT
#include "app/PolarSweep.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "analysis/AeroCoefficients.h"
#include "analysis/Drag.h"
#include "analysis/SurfaceStations.h"
#include "app/DragDriver.h"
#include "app/Kernels.h"
#include "app/PanelDriver.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

// One Airfoil call with the state's section, flap and file lists into the
// arrays given. False when the kernel refused (it then wrote nothing).
bool solvePanels(SharedState& s, float* y, float* cp, float* v, int32_t mode) {
    const Result<PanelCoefficients> r =
        CallAirfoil(s, s.SectionNumber, s.Alpha, {&s.SectionX[1], &s.DistX[1], &y[1], &cp[1], &v[1]}, mode);
    if (!r) return false;
    s.PanelCl = r->Cl;
    s.PanelCmLE = r->CmLE;
    return std::isfinite(s.PanelCl) && std::isfinite(s.PanelCmLE);
}

bool finiteSolution(const SharedState& s) {
    for (int i = 1; i <= s.PointCount + 1; ++i)
        if (!std::isfinite(s.SectionX[i]) || !std::isfinite(s.SectionY[i])) return false;
    for (int i = 1; i <= s.PointCount; ++i)
        if (!std::isfinite(s.SurfaceV[i])) return false;
    return true;
}

// Displacement thickness per station: Blasius up to the end of the laminar
// part, then a turbulent flat plate started there. Written as
// 1.7208 sqrt(s / re) and 0.05353 run^0.8 / re^0.2 so that a station at no
// distance gives no thickness instead of 0 / 0.
std::vector<double> displacementThickness(const SurfaceStations& st, int transition, double re) {
    std::vector<double> d(size_t(st.count) + 1, 0.0);
    const int t = std::clamp(transition, 1, st.count);
    for (int i = 2; i <= st.count; ++i) {
        if (i <= t) {
            d[size_t(i)] = 1.7208 * std::sqrt(std::max(st.s[size_t(i)], 0.0) / re);
        } else {
            const double run = std::max(st.s[size_t(i)] - st.s[size_t(t)], 0.0);
            d[size_t(i)] = d[size_t(t)] + 0.05353 * std::pow(run, 0.8) / std::pow(re, 0.2);
        }
    }
    return d;
}

// The integral layers of one angle on the plain solution.
bool solveLayers(SharedState& s, double alpha, DragResult& layers) {
    if (!solvePanels(s, s.SectionY.data(), s.SurfaceCp.data(), s.SurfaceV.data(), s.PanelMode)) return false;
    s.SectionX[s.PointCount + 1] = s.SectionX[1];
    s.SectionY[s.PointCount + 1] = s.SectionY[1];
    if (!finiteSolution(s)) return false;
    Result<DragResult> drag = ComputeDrag(DragInputsOf(s, alpha));
    if (!drag) return false;
    layers = std::move(drag).value();
    s.StagPoint = layers.StagPoint;
    s.TransitionPoint = layers.TransitionPoint;
    return true;
}

// The outline moved out by the estimated displacement thickness of each
// surface. Each side of the trailing edge moves out by its own surface's
// thickness, so the displaced contour is open there by the thickness of the
// wake: pulling one side onto the other would bend the last panel like a
// deflected flap and give a symmetric section lift at 0 degrees.
bool buildDisplacedOutline(SharedState& s, const DragResult& layers) {
    const StationLayout& st = layers.Stations;
    const size_t n = size_t(s.PointCount);
    const SurfaceDistribution d{{&s.SectionX[1], n + 1}, {&s.SectionY[1], n + 1}, {&s.SurfaceV[1], n}, s.PointCount};
    const std::vector<double> offset = OutlineOffsets(d, st, displacementThickness(st.first, layers.Transition1, s.re),
                                                      displacementThickness(st.second, layers.TransitionPoint, s.re));
    for (int i = 1; i <= s.PointCount + 1; ++i) {
        const double value = s.SectionY[i] + offset[size_t(i)];
        if (!std::isfinite(value)) return false;
        s.DisplacedY[i] = float(value);
    }
    return true;
}

// One angle of the sweep; false on a fault.
bool sweepAngle(SharedState& s, double alpha, StoredPolar& polar) {
    s.Alpha = float(alpha);
    DragResult layers;
    if (!solveLayers(s, alpha, layers) || !buildDisplacedOutline(s, layers)) return false;
    if (s.FlowSeperationModel == 1) s.Alpha = float(layers.EffectiveAlpha);
    if (!solvePanels(s, s.DisplacedY.data(), s.ScratchCp.data(), s.ScratchV.data(), 1)) return false;
    const double cd = layers.Cd1 + layers.Cd2;
    const double cm = QuarterChordMoment(s.PanelCl, s.PanelCmLE, s.Alpha, cd);
    s.Polars.CmQuarter = cm;
    // The separation model leaves out the angles where a surface it corrects
    // has half a chord or more of separated arc. Points are flagged stalled
    // where the suction side has (the side the plain solution's lift names).
    if (s.FlowSeperationModel == 1 && (layers.SeparatedArc1 >= 0.5 || layers.SeparatedArc2 >= 0.5)) return true;
    const bool stalled = layers.SuctionArc >= 0.5;
    const StationLayout& st = layers.Stations;
    const PolarRow row{alpha,
                       s.PanelCl,
                       cd * 1000,
                       cm,
                       st.second.x[size_t(layers.TransitionPoint)],
                       st.first.x[size_t(layers.Transition1)]};
    if (!std::all_of(row.begin(), row.end(), [](double v) { return std::isfinite(v); })) return false;
    polar.PolarData.push_back(row);
    polar.Stalled.push_back(stalled);
    return true;
}

} // namespace

PolarKey CurrentPolarKey(const SharedState& s) {
    PolarKey key;
    key.SectionName = s.Texts.SectionName;
    key.FlapDeflection = Val(s.Texts.FlapDeflectionText);
    key.FlapLength = Val(s.Texts.FlapLengthText);
    key.re = s.re;
    key.RawAirfoilFlag = s.RawAirfoilFlag;
    if (s.RawAirfoilFlag == 1) {
        for (const auto* list : {&s.XUpper, &s.YUpper})
            key.FilePoints.insert(key.FilePoints.end(), list->begin() + 1, list->begin() + 1 + s.NUpper);
        for (const auto* list : {&s.XLower, &s.YLower})
            key.FilePoints.insert(key.FilePoints.end(), list->begin() + 1, list->begin() + 1 + s.NLower);
    }
    key.SurfacePoints = s.SurfacePoints;
    key.PolarSolution = s.PolarSolution;
    key.FlowSeperationModel = s.FlowSeperationModel;
    return key;
}

std::span<const StoredPolar> ActivePolars(const SharedState& s) {
    const size_t count = size_t(std::clamp(s.PolarCount, 0, int(s.Polars.Polars.size())));
    return std::span<const StoredPolar>(s.Polars.Polars).first(count);
}

int FindPolar(const SharedState& s, const PolarKey& key) {
    const auto polars = ActivePolars(s);
    for (size_t j = 0; j < polars.size(); ++j)
        if (polars[j].Key == key) return int(j) + 1;
    return 0;
}

PolarOutcome Polar(SharedState& s) {
    PolarOutcome out;
    auto& store = s.Polars.Polars;
    store.resize(ActivePolars(s).size()); // forget the polars a reset dropped
    s.PolarCount = int(store.size());
    const PolarKey key = CurrentPolarKey(s);
    if ((out.polar = FindPolar(s, key)) != 0) return out;

    const int32_t sectionNumber = SectionNumberOf(s.Texts.SectionName);
    if (CommandResult check = CheckSection(s, sectionNumber); !check.ok()) {
        out.result = check;
        return out;
    }
    if (s.PolarCount >= PolarStore::MaxPolars) {
        out.result.notice = "There is room for " + std::to_string(PolarStore::MaxPolars) +
                            " polars only: reset the polars to compute another one.";
        return out;
    }
    store.push_back({key, {}});
    store.back().PolarData.reserve(PolarStore::SweepSize);
    s.PolarCount = int(store.size());
    out.polar = s.PolarCount;
    out.computed = true;

    s.SectionNumber = sectionNumber;
    const float remembered = s.Alpha;
    const int K = PolarStore::SweepSize;
    bool ok = true;
    for (int k = 1; k <= K && ok; ++k)
        ok = sweepAngle(s, -20 + double(k - 1) / (K - 1) * 40, store.back());
    s.Alpha = remembered;
    s.NewFlag = 1; // the arrays hold the last angle: the next redraw solves the current one again
    if (!ok) out.result = CommandResult::failure(ErrorKind::BoundaryLayerFailed, BlErrorMessage);
    return out;
}

} // namespace ribcraft
