// SPDX-License-Identifier: MIT
#include "analysis/Drag.h"

#include <algorithm>
#include <cmath>

#include "analysis/SurfaceBoundaryLayer.h"

namespace ribcraft {

namespace {

bool inputsUsable(const DragInputs& in) {
    const int n = in.N;
    if (n < 4 || n % 2 != 0) return false;
    return std::isfinite(in.Alpha) && std::isfinite(in.re) && in.re > 0;
}

// The integral layer of one surface; the station arrays get the one entry
// past the last that the layer writes.
struct SurfaceLayer {
    std::vector<double> ue, s, delta1, theta, shear, spare;
    double cd = 0;
    int last = 0, transition = 0;
};

bool solveSurface(const SurfaceStations& st, const DragInputs& in, SurfaceLayer& layer) {
    const int n = st.count;
    if (n < 2 || !(st.s[static_cast<std::size_t>(n)] > 0)) return false; // a surface without length
    const auto size = static_cast<std::size_t>(n) + 2;
    layer.ue.assign(st.ue.begin(), st.ue.begin() + n + 1);
    layer.ue.resize(size, 0.0);
    layer.s.assign(st.s.begin(), st.s.begin() + n + 1);
    for (auto* v : {&layer.delta1, &layer.theta, &layer.shear, &layer.spare})
        v->assign(size, 0.0);
    const auto tail = [](std::vector<double>& v) { return std::span<double>(v).subspan(1); };
    const IntegralLayerSettings settings{in.re, in.PolarSolution};
    return SurfaceBoundaryLayer(tail(layer.ue), std::span<const double>(layer.s).subspan(1), tail(layer.delta1),
                                tail(layer.theta), tail(layer.shear), tail(layer.spare), n, layer.cd, layer.last,
                                settings, layer.transition) &&
           std::isfinite(layer.cd) && layer.last >= 1 && layer.last <= n && layer.transition >= 1 &&
           layer.transition <= n;
}

// Arc length behind the last attached station, when the layer separated
// before the station ahead of the trailing edge.
double separatedArc(const SurfaceStations& st, int last) {
    return last < st.count - 1
               ? std::abs(st.s[static_cast<std::size_t>(st.count)] - st.s[static_cast<std::size_t>(last)])
               : 0.0;
}

Status failed() {
    return Status::Error(ErrorKind::BoundaryLayerFailed, BlErrorMessage);
}

} // namespace

Result<DragResult> ComputeDrag(const DragInputs& in) {
    if (!inputsUsable(in)) return failed();
    const SurfaceDistribution d{in.SectionX, in.SectionY, in.SurfaceV, in.N};
    DragResult r;
    if (!BuildStations(d, r.Stations)) return failed();
    r.StagPoint = r.Stations.StagPoint;
    const SurfaceStations& first = r.Stations.first;
    const SurfaceStations& second = r.Stations.second;

    SurfaceLayer lower, upper;
    if (!solveSurface(first, in, lower) || !solveSurface(second, in, upper)) return failed();
    r.K1 = first.count;
    r.K2 = second.count;
    r.Cd1 = lower.cd;
    r.Cd2 = upper.cd;
    r.last1 = lower.last;
    r.last2 = upper.last;
    r.Transition1 = lower.transition;
    r.TransitionPoint = upper.transition;

    // The simple flow-separation model: the separated arc of the surface on
    // the suction side turns the flow back by half of it times the angle
    // and the trailing-edge slope.
    r.EffectiveAlpha = in.Alpha;
    if (in.Alpha < 0 && (r.SeparatedArc1 = separatedArc(first, lower.last)) > 0) {
        r.EffectiveAlpha += 0.5 * r.SeparatedArc1 * (std::abs(in.Alpha) + TrailingEdgeSlope(d, false));
    }
    if (in.Alpha > 0 && (r.SeparatedArc2 = separatedArc(second, upper.last)) > 0) {
        r.EffectiveAlpha += -0.5 * r.SeparatedArc2 * (in.Alpha + TrailingEdgeSlope(d, true));
    }
    r.Cd = r.Cd1 + r.Cd2;
    // Stall: the suction side separated over more than half the chord. The
    // lift's sign names that side; the angle's sign does only without a flap
    // (a deflected flap gives lift against the angle, and the layer on its
    // pressure side stops in the hinge's concave corner without the section
    // stalling). At zero lift either side counts.
    if (std::isfinite(in.Lift)) {
        const double arc1 = separatedArc(first, lower.last), arc2 = separatedArc(second, upper.last);
        r.SuctionArc = in.Lift > 0 ? arc2 : in.Lift < 0 ? arc1 : std::max(arc1, arc2);
    } else {
        r.SuctionArc = std::max(r.SeparatedArc1, r.SeparatedArc2);
    }
    r.StallFlag = r.SuctionArc > 0.5 ? 1 : 0;
    if (!std::isfinite(r.Cd) || !std::isfinite(r.EffectiveAlpha)) return failed();
    return r;
}

} // namespace ribcraft
