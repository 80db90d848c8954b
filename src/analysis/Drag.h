// SPDX-License-Identifier: MIT
#pragma once
// Drag estimate of the current panel solution: the integral boundary layer of
// SurfaceBoundaryLayer on both surfaces, marched from the stagnation point,
// the simple flow-separation model for an effective angle of attack, and the
// stall flag. Works on plain inputs; the caller keeps its previous results
// when the computation fails.

#include <limits>
#include <span>
#include <vector>

#include "analysis/SurfaceStations.h"
#include "base/Status.h"

namespace ribcraft {

// The one message for any fault of the boundary-layer routines.
inline constexpr const char* BlErrorMessage =
    "Redo your Boundary Layer Computation: An error occured in the BL Subroutine";

struct DragInputs {
    // Outline (N + 1 points, the last repeating the first) and the surface
    // velocity per panel (N entries) in outline order: trailing edge, lower
    // surface, leading edge at N/2 + 1, upper surface. Element 0 is point 1.
    std::span<const float> SectionX, SectionY, SurfaceV;
    int N = 0;        // PointCount, even
    double Alpha = 0; // angle of attack, degrees
    double re = 1000000;
    int PolarSolution = 1;
    // Lift of the panel solution: its sign names the suction side, whose
    // separated arc sets the stall flag. Not a number: the surfaces the
    // separation model corrects (by the angle's sign) set it.
    double Lift = std::numeric_limits<double>::quiet_NaN();
};

struct DragResult {
    double Cd = 0;                               // Cd1 + Cd2
    double Cd1 = 0, Cd2 = 0;                     // first surface (towards point 1), second surface
    double EffectiveAlpha = 0;                   // degrees, Alpha corrected by the separation model
    int StallFlag = 0;                           // 1 when the suction side has more than 0.5 chord separated
    int StagPoint = 0;                           // panel of least speed
    int TransitionPoint = 0;                     // station where the laminar part of the second surface ends
    int Transition1 = 0;                         // the same on the first surface
    int K1 = 0, K2 = 0;                          // stations of the two surfaces
    int last1 = 0, last2 = 0;                    // last attached turbulent station of each surface
    double SeparatedArc1 = 0, SeparatedArc2 = 0; // L1, L2 of the separation model (0 when not applied)
    double SuctionArc = 0;                       // separated arc of the suction side, chords

    StationLayout Stations; // the stations both layers were marched on
};

// A failure is BoundaryLayerFailed with BlErrorMessage.
Result<DragResult> ComputeDrag(const DragInputs& in);

} // namespace ribcraft
