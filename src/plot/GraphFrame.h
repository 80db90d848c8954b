// SPDX-License-Identifier: MIT
#pragma once
// The graph frame shared by every x-y plot: DrawCurveGraph (curve, markers,
// ticks, labels, captions, frame) and DrawGridGraph (the same with a dotted
// grid, a title and an optional wide right margin), plus the two small
// drawing helpers PrintRotated and PaintButtonGlyph.
//
// Curve arrays hold point 1 at element 0; n is the number of points drawn
// (limited to the shorter array). The target keeps the user scale of the
// graph when a routine returns, so callers can add items in the same units.

#include <span>
#include <string>
#include <vector>

#include "app/SharedState.h"
#include "plot/Surface.h"

namespace ribcraft {

// What the graph routines read from the shared state: the marker radius in x
// units (0 = markers hidden) and ScaleGraph (1 = wide right margin of
// DrawGridGraph).
struct GraphContext {
    double PointRadius = 0;
    int ScaleGraph = 0;
    static GraphContext FromState(const SharedState& state) { return {state.PointRadius, state.ScaleGraph}; }
};

// colour: palette number of the curve (15 = the target's fore colour for the
// curve, palette 15 for its markers); lineWidth in pixels; lineStyle as
// DrawStyle; nx, ny divisions of the axes. Ranges must be non-empty and nx,
// ny at least 1, otherwise nothing is drawn.
void DrawCurveGraph(Surface& target, std::span<const double> X, std::span<const double> Y, int n, int colour,
                    int lineWidth, int lineStyle, double xmin, double xmax, double ymin, double ymax, int nx, int ny,
                    const std::string& xCaption, const std::string& yCaption, const GraphContext& context);

void DrawGridGraph(Surface& target, std::span<const double> X, std::span<const double> Y, int n, int colour,
                   int lineWidth, int lineStyle, double xmin, double xmax, double ymin, double ymax, int nx, int ny,
                   const std::string& xCaption, const std::string& yCaption, const std::string& title,
                   const GraphContext& context);

// Prints text at (x, y) (current units, the text's top-left) turned by angle
// degrees counter-clockwise, in the device's default face: size in points on
// the printer, in pixels (cell height) on any other target.
void PrintRotated(Surface& target, const std::string& text, double x, double y, double size, double angle);

// A small picture for the tool-bar buttons, pixel by pixel, row by row.
struct Glyph {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // width * height entries; (i, j) at j * width + i
    Rgb at(int i, int j) const { return pixels[static_cast<size_t>(j) * width + i]; }
};

// Paints glyph with its top-left at device pixel (x, y): look 1 black symbol,
// look 3 engraved (gray with a white shadow to the right and below), look 4
// every pixel that differs from keyColour in its own colour; other looks draw
// nothing. Refreshes the target when it keeps its picture.
void PaintButtonGlyph(int look, Surface& target, const Glyph& glyph, int x, int y, Rgb keyColour);

} // namespace ribcraft
