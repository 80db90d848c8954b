// The flow-field views, drawn from what ComputeFlowField and ComputeContours
// left in the store.

#include "plot/FlowFieldViews.h"

#include <algorithm>
#include <cmath>

#include "app/FlowFieldDriver.h"
#include "base/ViewCodes.h"
#include "io/NumberFormat.h"
#include "plot/AnalysisViews.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {

namespace {

constexpr int StreamlineCount = 51;
constexpr int PressureCount = 33;

// The store's contour segments of view vflag into the work arrays; false
// when the store holds none for that view.
bool TakeContours(const FlowFieldStore& f, int vflag, ContourWork& w) {
    const ContourSegments& c = f.Contours;
    if (f.ContourView != vflag || int(c.Counts.size()) != w.NC) return false;
    std::copy(c.Counts.begin(), c.Counts.end(), w.counts.begin());
    w.X1 = c.X1, w.Y1 = c.Y1, w.X2 = c.X2, w.Y2 = c.Y2;
    return true;
}

// The section: ring 1 of the store's grid, in the fore colour.
void DrawSectionRing(Surface& target, const FlowFieldStore& f) {
    for (int k = 1; k < f.MX; ++k)
        target.Line(f.gridX(k, 1), f.gridY(k, 1), f.gridX(k + 1, 1), f.gridY(k + 1, 1));
}

// Whether a text line whose top is at y still starts inside the area.
bool LineInsideArea(const Surface& target, double y) {
    return (y - target.ScaleTop()) / target.ScaleHeight() <= 1.0;
}

void DrawPressureLegend(Surface& target, const ContourWork& w) {
    const double th = target.TextHeight("X");
    std::vector<std::string> texts;
    double widest = target.TextWidth("XXXXXXXXXXXXXXX");
    for (int k = 1; k <= PressureCount; k += 3)
        texts.push_back("          Cp = " + FormatNumber(w.levels[size_t(k - 1)], "##0.0000"));
    for (const std::string& t : texts)
        widest = std::max(widest, target.TextWidth(t));
    widest = std::max(widest, target.TextWidth("Pressure Coefficient"));
    // At the top right, on a panel cleared to the background and as wide as
    // the longest text (measured), so that no contour runs through the texts.
    const double right = target.ScaleLeft() + target.ScaleWidth();
    const double pad = target.TextWidth("X") / 2;
    const double xl = right - target.TextWidth("XXXXXXXXXXXXXXX");
    double y = target.ScaleTop() + th;
    double bottom = y + (double(texts.size()) + 1.5) * th;
    if (!LineInsideArea(target, bottom)) bottom = target.ScaleTop() + target.ScaleHeight();
    target.Box(xl - pad, target.ScaleTop() + th / 2, std::max(right, xl + widest + pad), bottom, target.BackColor(),
               true);
    target.SetCurrentX(xl);
    target.SetCurrentY(y);
    target.Print("Pressure Coefficient");
    for (int k = 1; k <= PressureCount; k += 3) {
        y += th;
        const double yc = y + target.TextHeight("X") / 2;
        if (LineInsideArea(target, y)) {
            target.SetCurrentX(xl);
            target.SetCurrentY(y);
            target.Print(texts[size_t(k - 1) / 3]);
        }
        target.Line(xl, yc, xl + target.TextWidth("XXX"), yc, w.colours[size_t(k - 1)]);
    }
}

} // namespace

FlowWindow SetUndistortedWindow(Surface& target, double xmin, double xmax, double ymin, double ymax) {
    target.SetDrawWidth(1);
    target.SetDrawStyle(DrawSolid);
    target.SetScaleMode(ScalePixels);
    const double w = target.ScaleWidth(), h = target.ScaleHeight();
    // An area without size (a minimised window) keeps the requested y range.
    const double half = w > 0 && h > 0 ? ((xmax - xmin) / w) * h / 2 : (ymax - ymin) / 2;
    const double yc = (ymax + ymin) / 2;
    const FlowWindow win{xmin, xmax, yc - half, yc + half};
    target.Scale(win.xmin, win.ymax, win.xmax, win.ymin);
    return win;
}

ContourWork::ContourWork(int nc)
    : NC(std::clamp(nc, 0, cap::Levels)), levels(size_t(cap::Levels)), colours(size_t(cap::Levels)),
      counts(size_t(cap::Levels)), X1(size_t(cap::Segments) * cap::Levels), Y1(X1.size()), X2(X1.size()),
      Y2(X1.size()) {}

ContourWork StreamlineLevels(float dividingPsi, bool whiteBackground) {
    ContourWork w(StreamlineCount);
    const std::vector<float> levels = StreamlineLevelValues(dividingPsi);
    for (int k = 1; k < StreamlineCount; ++k) {
        const float level = levels[size_t(k - 1)];
        w.levels[size_t(k - 1)] = level;
        w.colours[size_t(k - 1)] = QBColor(level > dividingPsi ? 9 : level == dividingPsi ? 0 : 12);
    }
    // The dividing streamline, which wets the section.
    w.levels[StreamlineCount - 1] = dividingPsi;
    w.colours[StreamlineCount - 1] = QBColor(whiteBackground ? 0 : 15);
    return w;
}

ContourWork PressureLevels(double cpHigh, double cpLow) {
    ContourWork w(PressureCount);
    const std::vector<Rgb> palette = BuildRainbow(21);
    const std::vector<float> levels = PressureLevelValues(cpHigh, cpLow);
    for (int k = 1; k <= PressureCount; ++k) {
        w.levels[size_t(k - 1)] = levels[size_t(k - 1)];
        // Entry e - 1 with e = k / 33 * 84 rounded: red for the highest level, blue for the lowest.
        const long e = std::lround(k / 33.0 * 84.0);
        w.colours[size_t(k - 1)] = palette[size_t(e - 1)];
    }
    return w;
}

void DrawMesh(Surface& target, std::span<const float> meshX, std::span<const float> meshY, int MX, int MY, double xmin,
              double xmax, double ymin, double ymax) {
    SetUndistortedWindow(target, xmin, xmax, ymin, ymax);
    const size_t have = std::min(meshX.size(), meshY.size());
    MX = std::clamp(MX, 0, cap::MeshI);
    MY = std::clamp(MY, 0, static_cast<int>(have / cap::MeshI));
    auto x = [&](int k, int j) { return double(meshX[size_t(cap::At2(k, j, cap::MeshI))]); };
    auto y = [&](int k, int j) { return double(meshY[size_t(cap::At2(k, j, cap::MeshI))]); };
    for (int j = 1; j <= MY; ++j)
        for (int k = 1; k < MX; ++k)
            target.Line(x(k, j), y(k, j), x(k + 1, j), y(k + 1, j));
    for (int k = 1; k <= MX; ++k)
        for (int j = 1; j < MY; ++j)
            target.Line(x(k, j), y(k, j), x(k, j + 1), y(k, j + 1));
}

void DrawContourSegments(Surface& target, const ContourWork& w, int /*MX*/, int /*MY*/, double xmin, double xmax,
                         double ymin, double ymax) {
    SetUndistortedWindow(target, xmin, xmax, ymin, ymax);
    for (int l = 1; l <= w.NC; ++l) {
        const int n = std::clamp(w.counts[size_t(l - 1)], 0, cap::Segments);
        for (int s = 1; s <= n; ++s) {
            const size_t at = size_t(cap::At2(s, l, cap::Segments));
            target.Line(w.X1[at], w.Y1[at], w.X2[at], w.Y2[at], w.colours[size_t(l - 1)]);
        }
    }
    target.SetDrawWidth(1);
    target.SetDrawStyle(DrawSolid);
}

void DrawStreamlines(Surface& target, const SharedState& s) {
    const FlowFieldStore& f = s.Flow;
    if (f.PsiField.empty()) return;
    ContourWork w = StreamlineLevels(f.psi(1, 1), target.BackColor() == QBColor(15));
    if (!TakeContours(f, 4, w)) return;
    DrawContourSegments(target, w, f.MX, f.MY, s.ContMinX, s.ContMaxX, s.ContMinY, s.ContMaxY);
    DrawSectionRing(target, f);
}

void DrawPressureContours(Surface& target, const SharedState& s) {
    const FlowFieldStore& f = s.Flow;
    ContourWork w = PressureLevels(s.CpHigh, s.CpLow);
    if (!TakeContours(f, 5, w)) return;
    DrawContourSegments(target, w, f.MX, f.MY, s.ContMinX, s.ContMaxX, s.ContMinY, s.ContMaxY);
    DrawSectionRing(target, f);
    DrawPressureLegend(target, w);
}

void FlowFieldView(Surface& target, const SharedState& state) {
    target.Cls();
    const ResultStamps& made = state.Inputs.Stamps;
    if (state.VFlag == ViewCode::Mesh) {
        if (!made.UserMesh.Made) return;
        DrawMesh(target, state.MeshGridX, state.MeshGridY, state.Flow.KeptMX, state.Flow.KeptMY, state.MeshMin,
                 state.MeshMax, state.MeshMinY, state.MeshMaxY);
    } else if (made.FlowField.Made) {
        if (state.VFlag == ViewCode::Streamlines)
            DrawStreamlines(target, state);
        else
            DrawPressureContours(target, state);
    }
}

} // namespace ribcraft
