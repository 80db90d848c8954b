// SPDX-License-Identifier: MIT
#pragma once
// The flow-field views: streamlines (VFlag 4), pressure contours (5) and the
// O-grid mesh (6), drawn from what ComputeFlowField left in the store. Each
// view sets its own window with undistorted aspect: the x range is kept and
// the y range centred on the requested one. The window values are taken by
// value, so the shared window settings are never changed by drawing.

#include <span>
#include <vector>

#include "app/SharedState.h"
#include "plot/Surface.h"

namespace ribcraft {

// The window as set: x as requested, y widened or narrowed about its centre
// so that a unit is as long in y as in x on the device.
struct FlowWindow {
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
};

// Drawing width 1, solid lines, and the user scale of the undistorted window.
FlowWindow SetUndistortedWindow(Surface& target, double xmin, double xmax, double ymin, double ymax);

// Contour work arrays of one view: segment s of level l at (s - 1) + (l - 1) * cap::Segments.
struct ContourWork {
    int NC = 0;
    std::vector<float> levels;
    std::vector<Rgb> colours;
    std::vector<int32_t> counts;
    std::vector<float> X1, Y1, X2, Y2;
    explicit ContourWork(int nc);
};

// Levels and colours of the two contour views.
ContourWork StreamlineLevels(float dividingPsi, bool whiteBackground);
ContourWork PressureLevels(double cpHigh, double cpLow);

// Ring lines, then radial lines, in the fore colour. Mesh arrays with leading
// dimension cap::MeshI; MX, MY are clamped to what the arrays hold.
void DrawMesh(Surface& target, std::span<const float> meshX, std::span<const float> meshY, int MX, int MY, double xmin,
              double xmax, double ymin, double ymax);

// Every segment of every level in the level's colour.
void DrawContourSegments(Surface& target, const ContourWork& work, int MX, int MY, double xmin, double xmax,
                         double ymin, double ymax);

// The contour views on the store's grid and fields (after ComputeFlowField, mode 0).
void DrawStreamlines(Surface& target, const SharedState& state);
void DrawPressureContours(Surface& target, const SharedState& state);

} // namespace ribcraft
