#pragma once
// Drag estimate of the current panel solution: the integral boundary layer of
// SurfaceBoundaryLayer on both surfaces, marched from the stagnation point,
// the simple flow-separation model for an effective angle of attack, and the
// stall flag. Works on plain inputs; the caller keeps its previous results
// when the computation fails.

#include <span>
#include <string>
#include <vector>

namespace ribcraft {

// The one message for any fault of the boundary-layer routines.
inline constexpr const char* BlErrorMessage =
    "Redo your Boundary Layer Computation: An error occured in the BL Subroutine";

struct DragInputs {
    // Outline and surface velocity in outline order (trailing edge, lower
    // surface, leading edge at N/2 + 1, upper surface); element 0 of each span
    // is point 1. At least N entries each; the closing outline point N + 1 is
    // not read (it repeats point 1).
    std::span<const float> SectionX, SectionY, SurfaceV;
    int N = 0;        // PointCount, even
    double Alpha = 0; // angle of attack, degrees
    double re = 1000000;
    int PolarSolution = 1;
};

struct DragResult {
    bool ok = false;
    std::string error; // BlErrorMessage when !ok

    double Cd = 0;             // Cd1 + Cd2
    double Cd1 = 0, Cd2 = 0;   // first surface (before the stagnation point), second surface
    double EffectiveAlpha = 0; // degrees, Alpha corrected by the separation model
    int StallFlag = 0;         // 1 when either surface has more than 0.5 chord of separated arc
    int StagPoint = 0;
    int TransitionPoint = 0;                     // of the second surface
    int Transition1 = 0;                         // the same on the first surface
    int K1 = 0, K2 = 0;                          // stations of the two surfaces
    int last1 = 0, last2 = 0;                    // last attached turbulent station of each surface
    double SeparatedArc1 = 0, SeparatedArc2 = 0; // L1, L2 of the separation model (0 when not applied)

    // Driver arrays, 1-based (element 0 unused). The station arrays hold the
    // second surface; Delta1Dist and ThetaDist keep first-surface values past
    // the stations the second surface wrote.
    std::vector<double> ArcLength, EdgeVelocity, Delta1Dist, ThetaDist;
    int SurfaceStations = 0;
    // Compacted outline: the points without the duplicated leading-edge point,
    // plus the closing entry CompCount + 1 (point 1 again) in CompX, CompY.
    std::vector<double> CompX, CompY, CompV;
    int CompCount = 0;
};

DragResult ComputeDrag(const DragInputs& in);

} // namespace ribcraft
