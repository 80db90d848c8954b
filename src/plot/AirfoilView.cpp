// The airfoil view (VFlag 1): outline, and by XChoice the chord grid (2), the
// velocity (0) or pressure (1) distribution drawn as coloured hairs normal to
// the outline with a colour bar, or the boundary-layer edge (3).
#include <algorithm>
#include <cmath>

#include "base/ViewCodes.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {

namespace {

constexpr int BandCount = 21;

std::vector<double> toDoubles(std::span<const float> values, int n) {
    n = std::clamp(n, 0, static_cast<int>(values.size()));
    return std::vector<double>(values.begin(), values.begin() + n);
}

// Offset point of panel i (1-based): the panel midpoint moved 0.2 * s to the
// left of the direction of travel along the outline.
void offsetPoint(const SharedState& st, int i, double s, double& ox, double& oy) {
    const double x0 = st.SectionX[i], y0 = st.SectionY[i], x1 = st.SectionX[i + 1], y1 = st.SectionY[i + 1];
    const double ds = std::hypot(x1 - x0, y1 - y0);
    // A zero-length panel has no direction: its offset point stays on the outline.
    const double tx = ds > 0 ? (x1 - x0) / ds : 0, ty = ds > 0 ? (y1 - y0) / ds : 0;
    const double xm = (x0 + x1) / 2, ym = (y0 + y1) / 2;
    ox = xm + ty * s * (-0.2);
    oy = ym - tx * s * (-0.2);
}

struct Bands {
    double level[BandCount + 1] = {}; // L(1..21)
    Rgb colour[BandCount + 1] = {};   // colour(1..21)
};

Bands buildBands(double top, double bottom) {
    Bands b;
    const std::vector<Rgb> palette = BuildRainbow(BandCount);
    for (int k = 1; k <= BandCount; ++k) {
        b.level[k] = top - ((k - 1) / 20.0) * (top - bottom);
        b.colour[k] = palette[static_cast<size_t>(4 * k - 1)];
    }
    return b;
}

// The colour of the last band (searched upward) whose range holds v; c is
// kept when no band holds it.
Rgb bandColour(const Bands& b, double v, Rgb c) {
    for (int k = 1; k < BandCount; ++k) {
        const double lo = std::min(b.level[k + 1], b.level[k]), hi = std::max(b.level[k + 1], b.level[k]);
        if (v >= lo && v <= hi) c = b.colour[k];
    }
    return c;
}

void printCaption(Surface& target, const std::string& caption) {
    target.SetCurrentX(target.ScaleLeft() + target.ScaleWidth() / 2 - target.TextWidth(caption) / 2);
    target.SetCurrentY(target.ScaleTop() + 1.5 * target.TextHeight(caption));
    target.Print(caption);
}

void drawLegend(Surface& target, const Bands& bands) {
    std::vector<double> values;
    std::vector<Rgb> colours;
    for (int k = 1; k <= BandCount; k += 2) {
        values.push_back(bands.level[k]);
        colours.push_back(bands.colour[k]);
    }
    FunColor(target, 0.2, -0.4, values, colours);
}

// Hairs from the outline to the offset curve and the offset curve itself.
void drawHairs(Surface& target, const SharedState& st, int n, const std::vector<double>& ox,
               const std::vector<double>& oy, const Bands* bands) {
    Rgb c{0, 0, 0};
    for (int i = 2; i <= n - 2; ++i) {
        const double mx = (ox[i] + ox[i - 1]) / 2, my = (oy[i] + oy[i - 1]) / 2;
        if (bands)
            c = bandColour(*bands,
                           st.XChoice == AirfoilSubView::VelocityDistribution ? st.SurfaceV[i] : st.SurfaceCp[i], c);
        target.Line(st.SectionX[i], st.SectionY[i], mx, my, c);
        target.Line(ox[i], oy[i], ox[i + 1], oy[i + 1], c);
    }
}

} // namespace

void DrawAirfoilView(Surface& target, const SharedState& st) {
    target.Cls();
    target.SetScaleMode(ScalePixels);
    const double W = target.ScaleWidth(), H = target.ScaleHeight();
    const double xmin = st.XChoice == AirfoilSubView::Coordinates ? -0.1 : -0.2,
                 xmax = st.XChoice == AirfoilSubView::Coordinates ? 1.1 : 1.05;
    const double h = ((xmax - xmin) / W) * H / 2;
    const int n = std::clamp(st.PointCount, 0, cap::Outline);
    const std::vector<double> X = toDoubles(std::span<const float>(st.SectionX).subspan(1), n + 1);
    const std::vector<double> Y = toDoubles(std::span<const float>(st.SectionY).subspan(1), n + 1);
    // The stagnation point is marked on the outline of this view only.
    OutlineContext outline = OutlineContext::FromState(st);
    outline.ShowStagPoint = 1;
    DrawOutline(target, X, Y, n, st.BackgroundColor, 2, 0, xmin, xmax, -h, h, 0, 0, outline);
    if (st.XChoice == AirfoilSubView::Coordinates) {
        DrawChordGrid(target);
        return;
    }
    if (st.XChoice != AirfoilSubView::VelocityDistribution && st.XChoice != AirfoilSubView::PressureDistribution &&
        st.XChoice != AirfoilSubView::BoundaryLayer)
        return;

    // Offset curve OX(1..n), OY(1..n).
    std::vector<double> ox(static_cast<size_t>(n) + 1, 0.0), oy(static_cast<size_t>(n) + 1, 0.0);
    const double cpScale = std::max(std::abs(st.CpHigh), std::abs(st.CpLow));
    for (int i = 1; i <= n; ++i) {
        if (st.XChoice == AirfoilSubView::BoundaryLayer) {
            ox[i] = st.SectionX[i];
            oy[i] = st.EdgeY[i];
            continue;
        }
        // A zero largest value (no solution yet) gives no offset rather than a division by zero.
        double s = 0;
        if (st.XChoice == AirfoilSubView::VelocityDistribution && st.Vmax != 0) s = st.SurfaceV[i] / st.Vmax;
        if (st.XChoice == AirfoilSubView::PressureDistribution && cpScale != 0) s = std::abs(st.SurfaceCp[i]) / cpScale;
        offsetPoint(st, i, s, ox[i], oy[i]);
    }
    if (n >= 1) {
        ox[n] = ox[1];
        oy[n] = oy[1];
    }
    target.SetDrawWidth(1);

    if (st.XChoice == AirfoilSubView::BoundaryLayer) {
        target.Print(""); // no caption
        // Without a boundary-layer solution of this outline there is no edge: the outline only.
        if (st.Bl.Solved) drawHairs(target, st, n, ox, oy, nullptr);
        return;
    }
    const Bands bands = st.XChoice == AirfoilSubView::VelocityDistribution ? buildBands(st.Vmax, st.Vmin)
                                                                           : buildBands(st.CpHigh, st.CpLow);
    printCaption(target, st.XChoice == AirfoilSubView::VelocityDistribution ? "Airfoil Surface Velocity Ratio"
                                                                            : "Airfoil Surface Pressure Coefficient");
    drawLegend(target, bands);
    drawHairs(target, st, n, ox, oy, &bands);
}

} // namespace ribcraft
