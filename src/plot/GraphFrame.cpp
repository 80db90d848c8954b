// SPDX-License-Identifier: MIT
#include "plot/GraphFrame.h"

#include <algorithm>
#include <cmath>

#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

struct Range {
    double xmin, xmax, ymin, ymax;
    bool contains(double x, double y) const { return x >= xmin && x <= xmax && y >= ymin && y <= ymax; }
};

// The y caption, running upward along the left edge and centred on the height
// of the surface, in a 12-pixel (screen) or 12-point (printer) Arial.
void drawYCaption(Surface& target, const std::string& caption) {
    target.SetScaleMode(ScalePixels);
    const double yc = std::round((target.ScaleHeight() + target.TextWidth(caption)) / 2);
    FontSpec font;
    font.name = "Arial";
    font.angle = 90;
    font.pixelHeight = target.IsPrinter() ? -(12.0 * 20.0) / target.TwipsPerPixelY() : 12.0;
    target.SetCurrentX(1);
    target.SetCurrentY(yc);
    target.PrintInFont(caption, font);
}

// Margins from the current font and the user scale of the graph.
void setGraphScale(Surface& target, const Range& r, bool wideRight) {
    const double mx = 20 * (r.xmax - r.xmin) * target.TextWidth("-") / target.ScaleWidth();
    const double my = 15 * (r.ymax - r.ymin) * target.TextHeight("-") / (3 * target.ScaleHeight());
    const double right = wideRight ? r.xmax + 7 * mx / 2 : r.xmax + mx / 2;
    target.Scale(r.xmin - mx, r.ymax + my / 2, right, r.ymin - my);
}

// Segments with both end points inside the range, then the point markers.
void drawCurve(Surface& target, std::span<const double> X, std::span<const double> Y, int n, int colour, const Range& r,
               const GraphContext& context) {
    const Rgb curveColour = colour == 15 ? target.ForeColor() : QBColor(colour);
    for (int i = 0; i + 1 < n; ++i) {
        if (r.contains(X[i], Y[i]) && r.contains(X[i + 1], Y[i + 1]))
            target.Line(X[i], Y[i], X[i + 1], Y[i + 1], curveColour);
    }
    target.SetDrawWidth(1);
    if (target.IsPrinter() || context.PointRadius == 0) return;
    for (int i = 0; i < n; ++i)
        target.Circle(X[i], Y[i], context.PointRadius, QBColor(colour));
}

void printAt(Surface& target, double x, double y, const std::string& text) {
    target.SetCurrentY(y);
    target.SetCurrentX(x);
    target.Print(text);
}

void drawXAxis(Surface& target, const Range& r, int nx, double th) {
    const double dx = (r.xmax - r.xmin) / nx;
    for (int k = 0; k <= nx; ++k) {
        const double x = r.xmin + k * dx;
        target.Line(x, r.ymin, x, r.ymin + th);
        const std::string label = FormatNumber(r.xmin + k * dx, "##0.0#");
        printAt(target, x - target.TextWidth(label) / 2, r.ymin + 2 * th, label);
    }
}

void drawGrid(Surface& target, const Range& r, int nx, int ny, int lineStyle, double tw) {
    target.SetDrawStyle(DrawDot);
    const Rgb gridColour = target.BackColor() == QBColor(15) ? QBColor(8) : QBColor(7);
    const double dx = (r.xmax - r.xmin) / nx, dy = (r.ymax - r.ymin) / ny;
    for (int k = 0; k <= nx; ++k) {
        const double x = r.xmin + k * dx;
        target.Line(x, r.ymin, x, r.ymax, gridColour);
    }
    for (int k = 0; k <= ny; ++k) {
        const double y = r.ymin + k * dy;
        target.Line(r.xmin - tw, y, r.xmax, y, gridColour);
    }
    target.SetDrawStyle(lineStyle);
}

void drawYAxis(Surface& target, const Range& r, int ny, double tw) {
    const double dy = (r.ymax - r.ymin) / ny;
    for (int k = 0; k <= ny; ++k) {
        const double y = r.ymin + k * dy;
        target.Line(r.xmin - tw, y, r.xmin, y);
        const double value = (r.ymax - std::abs(r.ymax - r.ymin)) + std::abs(k * dy);
        const std::string label = FormatNumber(value, "##0.0#");
        printAt(target, (r.xmin - tw) - target.TextWidth(label), y - target.TextHeight(label) / 2, label);
    }
}

void drawFrame(Surface& target, const Range& r) {
    target.Line(r.xmax, r.ymax, r.xmax, r.ymin);
    target.Line(r.xmax, r.ymin, r.xmin, r.ymin);
    target.Line(r.xmin, r.ymin, r.xmin, r.ymax);
    target.Line(r.xmin, r.ymax, r.xmax, r.ymax);
}

bool validGraph(double xmin, double xmax, double ymin, double ymax, int nx, int ny) {
    return nx >= 1 && ny >= 1 && xmax > xmin && ymax > ymin && std::isfinite(xmax - xmin) && std::isfinite(ymax - ymin);
}

// Both graph routines; title == nullptr for DrawCurveGraph.
void drawGraph(Surface& target, std::span<const double> X, std::span<const double> Y, int n, int colour, int lineWidth,
               int lineStyle, const Range& r, int nx, int ny, const std::string& xCaption, const std::string& yCaption,
               const std::string* title, const GraphContext& context) {
    n = std::clamp(n, 0, static_cast<int>(std::min(X.size(), Y.size())));
    drawYCaption(target, yCaption);
    setGraphScale(target, r, title != nullptr && context.ScaleGraph == 1);
    target.SetDrawWidth(lineWidth);
    target.SetDrawStyle(lineStyle);
    drawCurve(target, X, Y, n, colour, r, context);

    const double tw = target.TextWidth("-");
    const double th = target.TextHeight("-") / 3;
    drawXAxis(target, r, nx, th);
    if (title) drawGrid(target, r, nx, ny, lineStyle, tw);
    printAt(target, r.xmin + ((r.xmax - r.xmin) - target.TextWidth(xCaption)) / 2, r.ymin + 6 * th, xCaption);
    if (title)
        printAt(target, r.xmin + ((r.xmax - r.xmin) - target.TextWidth(*title)) / 2,
                target.ScaleTop() + target.TextHeight("|") / 2, *title);
    drawYAxis(target, r, ny, tw);
    drawFrame(target, r);
}

} // namespace

void DrawCurveGraph(Surface& target, std::span<const double> X, std::span<const double> Y, int n, int colour,
                    int lineWidth, int lineStyle, double xmin, double xmax, double ymin, double ymax, int nx, int ny,
                    const std::string& xCaption, const std::string& yCaption, const GraphContext& context) {
    if (!validGraph(xmin, xmax, ymin, ymax, nx, ny)) return;
    drawGraph(target, X, Y, n, colour, lineWidth, lineStyle, {xmin, xmax, ymin, ymax}, nx, ny, xCaption, yCaption,
              nullptr, context);
}

void DrawGridGraph(Surface& target, std::span<const double> X, std::span<const double> Y, int n, int colour,
                   int lineWidth, int lineStyle, double xmin, double xmax, double ymin, double ymax, int nx, int ny,
                   const std::string& xCaption, const std::string& yCaption, const std::string& title,
                   const GraphContext& context) {
    if (!validGraph(xmin, xmax, ymin, ymax, nx, ny)) return;
    drawGraph(target, X, Y, n, colour, lineWidth, lineStyle, {xmin, xmax, ymin, ymax}, nx, ny, xCaption, yCaption,
              &title, context);
}

void PrintRotated(Surface& target, const std::string& text, double x, double y, double size, double angle) {
    FontSpec font;
    font.name.clear(); // the device's default face
    font.angle = angle;
    font.pixelHeight = target.IsPrinter() ? -(size * 20.0) / target.TwipsPerPixelY() : size;
    target.SetCurrentX(x);
    target.SetCurrentY(y);
    target.PrintInFont(text, font);
}

void PaintButtonGlyph(int look, Surface& target, const Glyph& glyph, int x, int y, Rgb keyColour) {
    const int w = std::max(0, glyph.width), h = std::max(0, glyph.height);
    if (glyph.pixels.size() < static_cast<size_t>(w) * h) return;
    const Rgb black{0, 0, 0}, gray{128, 128, 128}, white{255, 255, 255};
    for (int i = 0; i < w; ++i) {
        for (int j = 0; j < h; ++j) {
            const Rgb c = glyph.at(i, j);
            if (look == 1 && c == black) {
                target.SetPixel(x + i, y + j, black);
            } else if (look == 3 && c == black) {
                target.SetPixel(x + i, y + j, gray);
                target.SetPixel(x + i + 1, y + j + 1, white);
                target.SetPixel(x + i + 1, y + j, white);
            } else if (look == 4 && !(c == keyColour)) {
                target.SetPixel(x + i, y + j, c);
            }
        }
    }
    if (target.AutoRedraw()) target.Refresh();
}

} // namespace ribcraft
