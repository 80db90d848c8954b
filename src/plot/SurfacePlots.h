// SPDX-License-Identifier: MIT
#pragma once
// The views of the section and its surface solution: the airfoil view
// (VFlag 1 with the sub-views of XChoice), the surface Cp and velocity plots
// (VFlag 2 and 3) and the Fourier listing (VFlag 9), their drawing helpers
// and the one drawing entry DrawView.
//
// Arrays passed as spans hold point 1 at element 0.

#include <span>
#include <string>
#include <vector>

#include "app/Recompute.h"
#include "app/SharedState.h"
#include "plot/Surface.h"

namespace ribcraft {

// ---- drawing helpers

// What DrawOutline reads from the shared state.
struct OutlineContext {
    double PointRadius = 0; // marker radius in x units, 0 = no markers
    int ShowStagPoint = 0;  // 1 = mark point StagPoint
    int StagPoint = 0;      // 1-based point index
    static OutlineContext FromState(const SharedState& s) { return {s.PointRadius, s.ShowStagPoint, s.StagPoint}; }
};

// Lines through points 1..n in palette colour `colour`. On a picture area it
// sets the scale (xmin, ymax)-(xmax, ymin), draws markers and the stagnation
// marker; on the printer it leaves the scale to the caller, draws neither and
// adds the offsets to every point.
void DrawOutline(Surface& target, std::span<const double> X, std::span<const double> Y, int n, int colour,
                 int lineWidth, int lineStyle, double xmin, double xmax, double ymin, double ymax, double xOffset,
                 double yOffset, const OutlineContext& context);

// Dotted chord grid from 0 to 1 by -0.2 to 0.2 with the labels 0% to 100%.
void DrawChordGrid(Surface& target);

// Palette of 4m + 1 colours, red at entry 0 through yellow, green and cyan to
// blue at entry 4m. Empty for m < 1.
std::vector<Rgb> BuildRainbow(int m);

// Colour bar of 11 boxes at y0 (x0 is ignored: the bar always starts at
// 0.05), entry 11 at the left, entry 1 at the right, each labelled with its
// value. values and colours hold entry 1 at element 0; missing entries are
// not drawn.
void FunColor(Surface& target, double x0, double y0, std::span<const double> values, std::span<const Rgb> colours);

// ---- views

void DrawAirfoilView(Surface& target, const SharedState& state);         // VFlag 1
void DrawSurfaceDistribution(Surface& target, const SharedState& state); // VFlag 2 (Cp) and 3 (velocity)
void DrawFourierListing(Surface& target, const SharedState& state);      // VFlag 9

// Draws the view state.VFlag selects from the state as it is: the titles,
// the legend and every result were brought up to date before (the recompute
// step of app/Recompute.h). Views without a drawing routine here are cleared.
void DrawView(Surface& target, const SharedState& state);

} // namespace ribcraft
