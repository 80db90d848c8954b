// SPDX-License-Identifier: MIT
// DrawOutline, DrawChordGrid, BuildRainbow and FunColor.
#include <algorithm>

#include "io/NumberFormat.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {

void DrawOutline(Surface& target, std::span<const double> X, std::span<const double> Y, int n, int colour,
                 int lineWidth, int lineStyle, double xmin, double xmax, double ymin, double ymax, double xOffset,
                 double yOffset, const OutlineContext& context) {
    n = std::clamp(n, 0, static_cast<int>(std::min(X.size(), Y.size())));
    const bool printer = target.IsPrinter();
    if (!printer) {
        target.Scale(xmin, ymax, xmax, ymin);
        xOffset = 0; // offsets apply on the printer only
        yOffset = 0;
    }
    target.SetDrawWidth(lineWidth);
    target.SetDrawStyle(lineStyle);
    const Rgb c = QBColor(colour);
    if (n > 0) {
        target.SetCurrentX(X[0] + xOffset);
        target.SetCurrentY(Y[0] + yOffset);
    }
    for (int i = 1; i < n; ++i)
        target.LineTo(X[i] + xOffset, Y[i] + yOffset, c);
    target.SetDrawWidth(1);
    if (!printer) {
        if (context.PointRadius != 0)
            for (int i = 0; i < n; ++i)
                target.Circle(X[i], Y[i], context.PointRadius, c);
        const int s = context.StagPoint;
        if (context.ShowStagPoint == 1 && s >= 1 && s <= static_cast<int>(std::min(X.size(), Y.size()))) {
            target.SetFillStyle(FillSolid);
            target.SetFillColor(QBColor(12));
            target.Circle(X[s - 1], Y[s - 1], 0.015, QBColor(12));
            target.SetFillStyle(FillTransparent);
        }
    }
    target.SetDrawWidth(lineWidth);
}

void DrawChordGrid(Surface& target) {
    const Rgb grid = target.BackColor() == QBColor(15) ? QBColor(8) : QBColor(7);
    const int oldStyle = target.DrawStyle(), oldWidth = target.DrawWidth();
    target.SetDrawStyle(DrawDot);
    target.SetDrawWidth(1);
    for (int k = 0; k <= 10; ++k)
        target.Line(k / 10.0, -0.2, k / 10.0, 0.2, grid);
    for (int k = -2; k <= 2; ++k)
        target.Line(0, k / 10.0, 1, k / 10.0, grid);
    for (int k = 0; k <= 100; k += 20) {
        const std::string label = FormatNumber(k, "##0") + "%";
        target.SetCurrentY(-0.2);
        target.SetCurrentX(k / 100.0 - target.TextWidth(label) / 2);
        target.Print(label);
    }
    target.SetDrawStyle(oldStyle);
    target.SetDrawWidth(oldWidth);
}

std::vector<Rgb> BuildRainbow(int m) {
    if (m < 1) return {};
    std::vector<Rgb> p(static_cast<size_t>(4 * m + 1));
    auto part = [m](int j) { return static_cast<int>(255.0 * j / m); }; // integer part
    for (int j = 0; j <= m; ++j)
        p[4 * m - j] = {0, part(j), 255}; // blue to cyan
    for (int j = 1; j <= m; ++j)
        p[3 * m - j] = {0, 255, part(m - j)}; // cyan to green
    for (int j = 1; j <= m; ++j)
        p[2 * m - j] = {part(j), 255, 0}; // green to yellow
    for (int j = 1; j <= m; ++j)
        p[m - j] = {255, part(m - j), 0}; // yellow to red
    return p;
}

void FunColor(Surface& target, double, double y0, std::span<const double> values, std::span<const Rgb> colours) {
    const double x0 = 0.05, w = 0.08, h = 0.1;
    for (int k = 0; k <= 10; ++k) {
        const size_t entry = static_cast<size_t>(10 - k); // entry 11 - k
        if (entry >= values.size() || entry >= colours.size()) continue;
        const double left = x0 + w * k, right = x0 + w * (k + 1);
        target.Box(left, y0, right, y0 + h, colours[entry], true);
        const std::string label = FormatNumber(values[entry], "#0.0");
        target.SetCurrentX((left + right) / 2 - target.TextWidth(label) / 2);
        target.SetCurrentY(y0 + h / 2 - target.TextHeight(label) / 2);
        target.Print(label);
    }
}

} // namespace ribcraft
