// SPDX-License-Identifier: MIT
#pragma once
// The rules behind the main window's own commands: zoom, the rubber-band box,
// the point markers, the surface colours, the backgrounds, the mouse read-out
// and the tool-bar tips. Each changes the shared state only; the window then
// redraws.

#include <string>

#include "app/SharedState.h"

namespace ribcraft {

// Views 4, 5 and 6 have a free window that zoom commands and the rubber band change.
bool HasFreeWindow(int VFlag);

// Zoom In: both limits move 0.5 inwards, the width never below 0.05.
void ZoomIn(SharedState& s);
// Zoom Out: both limits move 0.5 outwards.
void ZoomOut(SharedState& s);
// Reset: the view's window back to x -0.5..1.5, y -1..1.
void ZoomReset(SharedState& s);

// Rubber-band zoom with corners in user units. A box narrower than 0.01 is
// ignored (returns false); otherwise it becomes the new window of the mesh or
// flow-field view (returns true).
bool ApplyRubberBand(SharedState& s, double x1, double y1, double x2, double y2);

// "Show Points" / "Hide Points".
void ToggleShowPoints(SharedState& s);

// Left click on a legend label (0 upper, 1 lower): steps its colour down one.
void CycleLegendColor(SharedState& s, int index);

// The "Color" pop-up: its commands in menu order.
enum class ColorCommand { WhiteBlack, Yellow, Magenta, Red, Cyan, Green, Blue, Gray };
const char* ColorCommandCaption(ColorCommand c);
// Sets the colour of the surface ColorTarget points at.
void ApplyColorCommand(SharedState& s, ColorCommand c);

// "White Background" (white = true) or "Black Background".
void SelectBackground(SharedState& s, bool white);

// Mouse position in the drawing area: x "0.00", "  x   ", y "0.000".
std::string MouseReadout(double x, double y);

// Tool-bar tips: text for TipIndex 1..4 (empty otherwise) and where the tip box goes.
std::string TipText(int TipIndex);
struct TipPlacement {
    int Top = 660; // window units (twips)
    int Left = 0;
    int Width = 0;
    std::string Text;
};
TipPlacement ShowTip(int TipIndex, int buttonLeft);

} // namespace ribcraft
