#include "app/MainCommands.h"

#include <algorithm>
#include <cmath>

#include "base/ViewCodes.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

// The x limits the zoom commands act on, or nulls for views without a free window.
struct XWindow {
    double* left = nullptr;
    double* right = nullptr;
};

XWindow windowOf(SharedState& s) {
    if (s.VFlag == ViewCode::Mesh) return {&s.MeshMin, &s.MeshMax};
    if (s.VFlag == ViewCode::Streamlines || s.VFlag == ViewCode::PressureContours) return {&s.ContMinX, &s.ContMaxX};
    return {};
}

} // namespace

bool HasFreeWindow(int VFlag) {
    return VFlag == ViewCode::Streamlines || VFlag == ViewCode::PressureContours || VFlag == ViewCode::Mesh;
}

void ZoomIn(SharedState& s) {
    XWindow w = windowOf(s);
    if (!w.left) return;
    *w.right -= 0.5;
    *w.left += 0.5;
    if (*w.right < *w.left + 0.05) *w.right = *w.left + 0.05;
}

void ZoomOut(SharedState& s) {
    XWindow w = windowOf(s);
    if (!w.left) return;
    *w.right += 0.5;
    *w.left -= 0.5;
}

void ZoomReset(SharedState& s) {
    if (s.VFlag == ViewCode::Mesh) {
        const SharedState start;
        s.MeshMax = start.MeshMax;
        s.MeshMin = start.MeshMin;
        s.MeshMinY = start.MeshMinY;
        s.MeshMaxY = start.MeshMaxY;
    } else if (s.VFlag == ViewCode::Streamlines || s.VFlag == ViewCode::PressureContours) {
        s.ContMaxX = s.ContMaxXDef;
        s.ContMinX = s.ContMinXDef;
        s.ContMinY = s.ContMinyDef;
        s.ContMaxY = s.ContMaxYDef;
    }
}

bool ApplyRubberBand(SharedState& s, double x1, double y1, double x2, double y2) {
    if (!HasFreeWindow(s.VFlag)) return false;
    if (!std::isfinite(x1) || !std::isfinite(x2) || !std::isfinite(y1) || !std::isfinite(y2)) return false;
    const double left = std::min(x1, x2), right = std::max(x1, x2);
    const double bottom = std::min(y1, y2), top = std::max(y1, y2);
    // A box typed as exactly 0.01 wide must count as wide enough despite rounding of the difference.
    if (right - left < 0.01 - 1e-12) return false;
    if (s.VFlag == ViewCode::Mesh) {
        s.MeshMin = left;
        s.MeshMax = right;
        s.MeshMinY = bottom;
        s.MeshMaxY = top;
    } else {
        s.ContMinX = left;
        s.ContMaxX = right;
        s.ContMinY = bottom;
        s.ContMaxY = top;
    }
    return true;
}

void ToggleShowPoints(SharedState& s) {
    if (s.PointRadius == 0) {
        s.PointRadius = 0.007;
        s.Texts.ShowPointsCaption = "Hide Points";
    } else {
        s.PointRadius = 0;
        s.Texts.ShowPointsCaption = "Show Points";
    }
}

void CycleLegendColor(SharedState& s, int index) {
    int& c = index == 0 ? s.UpperColor : s.LowerColor;
    int next = c - 1;
    if (s.BackgroundColor == 15) { // black background: 15, 14, ..., 8
        if (next < 8) next = 15;
    } else { // white background: 14, 13, ..., 8, 0
        if (next == 7)
            next = 0;
        else if (next == -1)
            next = 14;
    }
    c = next;
}

const char* ColorCommandCaption(ColorCommand c) {
    switch (c) {
    case ColorCommand::WhiteBlack:
        return "White/Black";
    case ColorCommand::Yellow:
        return "Yellow";
    case ColorCommand::Magenta:
        return "Magenta";
    case ColorCommand::Red:
        return "Red";
    case ColorCommand::Cyan:
        return "Cyan";
    case ColorCommand::Green:
        return "Green";
    case ColorCommand::Blue:
        return "Blue";
    case ColorCommand::Gray:
        return "Gray";
    }
    return "";
}

void ApplyColorCommand(SharedState& s, ColorCommand c) {
    int value = 0;
    switch (c) {
    case ColorCommand::WhiteBlack:
        value = s.BackgroundColor == 15 ? 15 : 0;
        break;
    case ColorCommand::Yellow:
        value = 14;
        break;
    case ColorCommand::Magenta:
        value = 5;
        break;
    case ColorCommand::Red:
        value = 4;
        break;
    case ColorCommand::Cyan:
        value = 3;
        break;
    case ColorCommand::Green:
        value = 2;
        break;
    case ColorCommand::Blue:
        value = 1;
        break;
    case ColorCommand::Gray:
        value = 8;
        break;
    }
    (s.ColorTarget == 0 ? s.UpperColor : s.LowerColor) = value;
}

void SelectBackground(SharedState& s, bool white) {
    if (white) {
        s.BackgroundColor = 0;
        if (s.UpperColor == 15) s.UpperColor = 0;
        if (s.LowerColor == 15) s.LowerColor = 0;
    } else {
        s.BackgroundColor = 15;
        if (s.UpperColor == 0) s.UpperColor = 15;
        if (s.LowerColor == 0) s.LowerColor = 15;
    }
}

std::string MouseReadout(double x, double y) {
    return FormatNumber(x, "0.00") + "  x   " + FormatNumber(y, "0.000");
}

std::string TipText(int TipIndex) {
    switch (TipIndex) {
    case 1:
        return "Select NACA 4 Digit Section";
    case 2:
        return "Select NACA 5 Digit Section";
    case 3:
        return "Print Templates";
    case 4:
        return "Help ";
    default:
        return "";
    }
}

TipPlacement ShowTip(int TipIndex, int buttonLeft) {
    TipPlacement t;
    t.Left = buttonLeft;
    t.Text = TipText(TipIndex);
    t.Width = (static_cast<int>(t.Text.size()) + 1) * 70;
    return t;
}

} // namespace ribcraft
