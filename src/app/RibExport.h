// SPDX-License-Identifier: MIT
#pragma once
// Export Ribs: every rib of a straight-tapered wing, from root to tip, as
// closed outlines in true units for a laser or CNC cutter: the outer outline,
// the inner outline a skin thickness inside it, optional rectangular spar
// notches cut into both, and a label per rib. The ribs are laid out one under
// the other without overlapping and written as DXF or SVG.

#include <string>
#include <vector>

#include "app/SharedState.h"
#include "base/Status.h"
#include "io/RibFiles.h"

namespace ribcraft {

// No file holds more ribs than this.
inline constexpr int MaxRibs = 500;

// A spar notch: centre at a per cent of the chord, width and depth in the
// job's unit, cut from the top, the bottom or both.
struct RibNotch {
    double PercentChord = 25;
    double Width = 0.25;
    double Depth = 0.25;
    bool Top = true;
    bool Bottom = false;
};

struct RibJob {
    double RootChord = 6;
    double TipChord = 6;
    double SkinThickness = 0;
    int Ribs = 1;
    RibUnit Unit = RibUnit::Inches;
    bool Svg = false; // DXF otherwise
    std::vector<RibNotch> Notches;
};

// Chord of rib k (1..ribs) for a straight taper.
double RibChord(const RibJob& job, int k);

// The ribs laid out in drawing units, or the reason they cannot be made:
// values out of range, no section, a skin too thick for a rib, a notch that
// does not fit.
Result<RibDrawing> LayOutRibs(const SharedState& state, const RibJob& job);

// Lays out and writes the file; on any failure no file is written.
Status ExportRibs(const SharedState& state, const RibJob& job, const std::string& path);

// The batch command's words: ribs FILE ROOT TIP SECTIONS SKIN [in|cm|mm]
// [dxf|svg] [notch PERCENT WIDTH DEPTH top|bottom|both]... Without a format
// word a FILE ending in ".svg" gives SVG, any other DXF.
Result<RibJob> ParseRibsCommand(const std::vector<std::string>& words);

// A typed number: the whole text must be one (blanks around it allowed).
bool ReadNumber(const std::string& text, double& value);

} // namespace ribcraft
