// SPDX-License-Identifier: MIT
#pragma once
// Files of wing ribs for laser and CNC cutters: every rib as closed outlines
// in true units, in DXF (release 12: layers "outline", "inset" and "labels",
// closed polylines, text entities) or SVG (width and height in real units, so
// one drawing unit is one inch, centimetre or millimetre on the cutter).

#include <string>
#include <vector>

#include "base/Loop.h"
#include "base/Status.h"

namespace ribcraft {

enum class RibUnit { Inches, Centimetres, Millimetres };

// Laid-out ribs in drawing units, with y upward and the drawing between
// (0, 0) and (width, height).
struct RibDrawing {
    struct Label {
        std::string text;
        double x = 0, y = 0; // left end of the base line
        double height = 0;   // of the capital letters
    };
    struct Rib {
        std::vector<Loop> outline; // the cut outline (one loop)
        std::vector<Loop> inset;   // the inner outline a skin inside (none without skin)
        Label label;
    };
    RibUnit unit = RibUnit::Inches;
    double width = 0, height = 0;
    std::vector<Rib> ribs;
};

// The unit's name in files: "in", "cm", "mm".
const char* RibUnitName(RibUnit unit);

// The whole file as text.
std::string RibDxfText(const RibDrawing& drawing);
std::string RibSvgText(const RibDrawing& drawing);

} // namespace ribcraft
