// The boundary-layer views (VFlag 7): velocity profiles, thickness and skin
// friction of either surface, chosen by BlDisplayOpt, each headed by the
// result line of the solution.

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/SharedState.h"
#include "base/ViewCodes.h"
#include "io/NumberFormat.h"
#include "plot/AnalysisViews.h"
#include "plot/BoundaryLayerViews.h"
#include "plot/GraphFrame.h"
#include "plot/Surface.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {

namespace {

constexpr int CurveWidth = 2;
constexpr int ProfileColours[] = {9, 10, 11, 12, 13, 14};
constexpr int BlasiusColour = 12;

struct Curve {
    std::vector<double> x, y;
};

struct GraphSpec {
    double xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    int nx = 6, ny = 5;
    std::string xCaption, yCaption;
};

// Upper end of an axis: the next of 1, 2, 2.5, 5 times a power of ten at or above v.
double niceCeil(double v) {
    if (!(v > 0) || !std::isfinite(v)) return 1;
    const double p = std::pow(10.0, std::floor(std::log10(v)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * p >= v * (1 - 1e-12)) return m * p;
    return 10 * p;
}

// The y axis from ymin (0 or below) up to at least top. Tick labels show at
// most two decimals, so small ranges get one tick per hundredth.
void yAxis(double ymin, double top, GraphSpec& g) {
    const double range = top - ymin;
    if (range > 0.1 || !std::isfinite(range)) {
        g.ymin = ymin;
        g.ymax = niceCeil(top);
        g.ny = 5;
        return;
    }
    const int below = int(std::ceil(-ymin / 0.01 - 1e-9));
    const int above = std::max(1, int(std::ceil(top / 0.01 - 1e-9)));
    g.ymin = -0.01 * below;
    g.ymax = 0.01 * above;
    g.ny = std::max(2, below + above);
    if (below + above < 2) g.ymax = g.ymin + 0.02;
}

// A further curve in the graph's units, with the graph's rule: a segment is
// drawn only when both its ends lie inside the range.
void addCurve(Surface& target, const Curve& c, int colour, const GraphSpec& g) {
    const auto inside = [&g](double x, double y) { return x >= g.xmin && x <= g.xmax && y >= g.ymin && y <= g.ymax; };
    const Rgb rgb = colour == 15 ? target.ForeColor() : QBColor(colour);
    target.SetDrawWidth(CurveWidth);
    for (size_t i = 0; i + 1 < c.x.size(); ++i)
        if (inside(c.x[i], c.y[i]) && inside(c.x[i + 1], c.y[i + 1]))
            target.Line(c.x[i], c.y[i], c.x[i + 1], c.y[i + 1], rgb);
    target.SetDrawWidth(1);
}

// The frame with the first curve, then the others.
void drawCurves(Surface& target, const SharedState& st, const std::vector<Curve>& curves,
                const std::vector<int>& colours, const GraphSpec& g, bool wideRight) {
    GraphContext context = GraphContext::FromState(st);
    context.ScaleGraph = wideRight ? 1 : 0;
    const Curve none;
    const Curve& first = curves.empty() ? none : curves.front();
    DrawGridGraph(target, first.x, first.y, int(first.x.size()), curves.empty() ? 15 : colours.front(), CurveWidth,
                  DrawSolid, g.xmin, g.xmax, g.ymin, g.ymax, g.nx, g.ny, g.xCaption, g.yCaption, st.Bl.ResultLine,
                  context);
    for (size_t k = 1; k < curves.size(); ++k)
        addCurve(target, curves[k], colours[k], g);
}

// Profile p = 1..BlVelView at station floor(SolvedCount * p / BlVelView).
std::vector<int> profileStations(const BlSurfaceSolution& w, int count) {
    std::vector<int> stations;
    for (int p = 1; p <= count; ++p) {
        const int i = int((long long)w.SolvedCount * p / count);
        if (i >= 1 && i <= w.SolvedCount) stations.push_back(i);
    }
    return stations;
}

// "Profile Station" and one "x= ..." line per profile in the wide right
// margin, each with a short stroke of the profile's colour.
void profileLegend(Surface& target, const BlSurfaceSolution& w, const std::vector<int>& stations,
                   const std::vector<int>& colours, const GraphSpec& g) {
    const double x0 = g.xmax + target.TextWidth("-");
    const double line = target.TextHeight("|");
    double y = g.ymax;
    target.SetCurrentX(x0);
    target.SetCurrentY(y);
    target.Print("Profile Station");
    for (size_t k = 0; k < stations.size(); ++k) {
        y += line;
        const double mid = y + line / 2;
        target.Line(x0, mid, x0 + target.TextWidth("      "), mid, QBColor(colours[k]));
        target.SetCurrentX(x0);
        target.SetCurrentY(y);
        target.Print("       x= " + FormatNumber(w.StationX[stations[k]], "0.00"));
    }
}

void drawProfiles(Surface& target, const SharedState& st, const BlSurfaceSolution& w, bool upper) {
    const std::vector<int> stations = profileStations(w, st.BlVelView);
    std::vector<Curve> curves;
    std::vector<int> colours;
    double umax = 1, ytop = 0;
    for (size_t k = 0; k < stations.size(); ++k) {
        const int i = stations[k];
        Curve c;
        for (int j = 1; j <= w.ProfilePoints; ++j) {
            c.x.push_back(w.profileU(i, j));
            c.y.push_back(w.profileY(i, j));
            umax = std::max(umax, w.profileU(i, j));
        }
        const int edge = i < int(w.EdgeIndex.size()) && w.EdgeIndex[i] > 0 ? w.EdgeIndex[i] : w.ProfilePoints;
        ytop = std::max(ytop, w.profileY(i, edge));
        curves.push_back(std::move(c));
        colours.push_back(ProfileColours[k % 6]);
    }
    GraphSpec g;
    g.xmax = std::ceil(umax * 1.05 * 5) / 5;
    g.nx = std::max(1, int(std::lround(g.xmax / 0.2)));
    yAxis(0, 1.25 * ytop, g);
    g.xCaption = upper ? "U/Uinf (Upper Surface)" : "U/Uinf (Lower Surface)";
    g.yCaption = "Distance Above Surface";
    drawCurves(target, st, curves, colours, g, true);
    profileLegend(target, w, stations, colours, g);
}

void drawThickness(Surface& target, const SharedState& st, const BlSurfaceSolution& w, bool upper) {
    Curve blasius, delta;
    double top = 0;
    for (int i = 2; i <= w.SolvedCount; ++i) {
        blasius.x.push_back(w.ArcLength[i]);
        blasius.y.push_back(w.Blasius[i]);
        delta.x.push_back(w.ArcLength[i]);
        delta.y.push_back(w.thickness(i, 1));
        top = std::max({top, w.thickness(i, 1), st.DisplayBlasius == 1 ? w.Blasius[i] : 0.0});
    }
    GraphSpec g;
    g.xmax = 1.2;
    yAxis(0, 1.1 * top, g);
    g.xCaption = upper ? "Arc Length (%c, Upper Surface)" : "Arc Length (%c, Lower Surface)";
    g.yCaption = "Distance (Normal from Airfoil)";
    if (st.DisplayBlasius == 1)
        drawCurves(target, st, {blasius, delta}, {BlasiusColour, 15}, g, false);
    else
        drawCurves(target, st, {delta}, {15}, g, false);
}

void drawFriction(Surface& target, const SharedState& st, const BlSurfaceSolution& w, bool upper) {
    Curve cf;
    for (int i = 2; i <= w.SolvedCount; ++i) {
        cf.x.push_back(w.ArcLength[i]);
        cf.y.push_back(w.friction(i));
    }
    // Near the stagnation point the edge speed vanishes and the ratio grows
    // without bound; the range follows the rest of the surface.
    std::vector<double> sorted = cf.y;
    std::sort(sorted.begin(), sorted.end());
    const double hi = sorted.empty() ? 1 : sorted[size_t(0.9 * double(sorted.size() - 1))];
    const double lo = sorted.empty() ? 0 : sorted.front();
    GraphSpec g;
    g.xmax = 1.2;
    yAxis(std::min(0.0, lo), 2 * hi, g);
    g.xCaption = upper ? "Arc Length (%c, Upper Surface)" : "Arc Length (%c, Lower Surface)";
    g.yCaption = "Friction Coefficient";
    drawCurves(target, st, {cf}, {15}, g, false);
}

} // namespace

// BlDisplayOpt: odd = upper surface, even = lower; 1-2 profiles, 3-4 thickness, 5-6 friction.
void DrawBoundaryLayerGraph(Surface& target, const SharedState& st) {
    const bool upper = st.BlDisplayOpt % 2 == 1;
    const BlSurfaceSolution& w = upper ? st.Bl.Upper : st.Bl.Lower;
    if (!st.Bl.Solved || w.SolvedCount < 2) return;
    switch (st.BlDisplayOpt) {
    case BlSubView::UpperProfiles:
    case BlSubView::LowerProfiles:
        drawProfiles(target, st, w, upper);
        break;
    case BlSubView::UpperThickness:
    case BlSubView::LowerThickness:
        drawThickness(target, st, w, upper);
        break;
    case BlSubView::UpperFriction:
    case BlSubView::LowerFriction:
        drawFriction(target, st, w, upper);
        break;
    default:
        break;
    }
}

void BoundaryLayerView(Surface& target, const SharedState& state) {
    target.Cls();
    DrawBoundaryLayerGraph(target, state);
}

} // namespace ribcraft
