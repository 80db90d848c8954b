// The polar views (VFlag 10): every stored polar as the lift/drag polar
// (PolarView 1), lift and moment against the angle of attack (2) or the
// transition points against lift (3), each polar in its own colour, with a
// legend in the wide right margin of the graph.

#include <algorithm>
#include <string>
#include <vector>

#include "app/PolarSweep.h"
#include "app/SharedState.h"
#include "base/ViewCodes.h"
#include "io/NumberFormat.h"
#include "plot/AnalysisViews.h"
#include "plot/GraphFrame.h"
#include "plot/Surface.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {

namespace {

// One curve of a polar view: the columns drawn and the graph around them.
struct PolarCurve {
    int xColumn, yColumn;
    double xmin, xmax;
    int nx;
    double ymin, ymax;
    int ny;
    int lineStyle;
    const char* xCaption;
    const char* yCaption;
    const char* title;
};

// The curves of a view; a view number other than 2 or 3 shows the lift/drag polar.
std::vector<PolarCurve> curvesOf(int polarView, double maxCd) {
    const char* transitionTitle = "Transition Pt. (--- Lower Surf.)";
    switch (polarView) {
    case PolarSubView::ClCmAlpha:
        return {{PolarAngle, PolarCl, -20, 20, 8, -2, 2, 8, DrawSolid, "Angle of Attack (Deg.)", "Cl and Cm about c/4",
                 "Cl/Cm vs AOA"},
                {PolarAngle, PolarCm, -20, 20, 8, -2, 2, 8, DrawSolid, "Angle of Attack (Deg.)", "Cl and Cm about c/4",
                 "Cl/Cm vs AOA"}};
    case PolarSubView::Transition:
        return {{PolarCl, PolarUpperTransition, -1.6, 2.4, 10, 0, 1, 5, DrawSolid, "Lift Coefficient",
                 "Transition Location %c", transitionTitle},
                {PolarCl, PolarLowerTransition, -1.6, 2.4, 10, 0, 1, 5, DrawDot, "Lift Coefficient",
                 "Transition Location %c", transitionTitle}};
    default:
        return {{PolarCl, PolarCd, -1.6, 2.4, 10, 0, maxCd, 8, DrawSolid, "Lift Coefficient", "Cd X 1000",
                 "Lift/Drag Polar"}};
    }
}

// Colour of the next polar: from 9 to 14 and round again on black, from 1 to
// 9 and round again on any other background.
int nextPolarColour(int colour, bool black) {
    ++colour;
    if (black && colour > 14) colour = 9;
    if (!black && colour > 9) colour = 1;
    return colour;
}

std::vector<double> column(const StoredPolar& polar, int c) {
    std::vector<double> values;
    values.reserve(polar.PolarData.size());
    for (const PolarRow& row : polar.PolarData)
        values.push_back(row[size_t(c)]);
    return values;
}

// The cross that marks a point whose stall flag is set, in graph units.
void stallMark(Surface& target, const PolarCurve& c, double x, double y, Rgb colour) {
    const double dx = (c.xmax - c.xmin) / 90, dy = (c.ymax - c.ymin) / 60;
    target.Line(x - dx, y - dy, x + dx, y + dy, colour);
    target.Line(x - dx, y + dy, x + dx, y - dy, colour);
}

void drawPolarCurves(Surface& target, const SharedState& state, const StoredPolar& polar, int colour) {
    // The polar graphs keep a wide right margin for their legend.
    GraphContext context = GraphContext::FromState(state);
    context.ScaleGraph = 1;
    for (const PolarCurve& c : curvesOf(state.PolarView, state.MaxCdSetting)) {
        const std::vector<double> x = column(polar, c.xColumn), y = column(polar, c.yColumn);
        DrawGridGraph(target, x, y, polar.PolarPoints(), colour, 1, c.lineStyle, c.xmin, c.xmax, c.ymin, c.ymax, c.nx,
                      c.ny, c.xCaption, c.yCaption, c.title, context);
        // The graph keeps its scale: the stalled points are crossed on the curve,
        // where the curve is inside the frame.
        target.SetDrawStyle(DrawSolid);
        for (size_t k = 0; k < x.size(); ++k)
            if (polar.stalled(k) && x[k] >= c.xmin && x[k] <= c.xmax && y[k] >= c.ymin && y[k] <= c.ymax)
                stallMark(target, c, x[k], y[k], QBColor(colour));
    }
}

void printAt(Surface& target, double x, double y, const std::string& text, Rgb colour) {
    const Rgb fore = target.ForeColor();
    target.SetForeColor(colour);
    target.SetCurrentX(x);
    target.SetCurrentY(y);
    target.PrintNoNewline(text);
    target.SetForeColor(fore);
}

// text shortened with ".." until it is at most width wide.
std::string fitted(const Surface& target, std::string text, double width) {
    if (target.TextWidth(text) <= width) return text;
    while (text.size() > 1 && target.TextWidth(text + "..") > width)
        text.pop_back();
    return text + "..";
}

std::string padded(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// The legend in the graph's units, to the right of the frame from its top: a
// header, then per polar a sample line and its section name, flap setting
// (" (length,deflection)") and Reynolds number, each under its heading. Each
// column is as wide as its widest text (measured), so long section names do
// not run into the flap column.
void drawLegend(Surface& target, const std::vector<const StoredPolar*>& polars, const std::vector<int>& colours,
                const PolarCurve& curve) {
    const double xmax = curve.xmax, ymax = curve.ymax;
    const double mx = (target.ScaleLeft() + target.ScaleWidth() - xmax) / 3.5; // the margin unit of the graph
    const double x0 = xmax + mx / 4;
    const double lineHeight = target.TextHeight("|");
    const std::string header = "       Airfoil  Flap     Re";
    // The header's own spacing is the narrowest layout; wider texts widen their column.
    const double atName = x0 + target.TextWidth("       ");
    const double headerFlap = x0 + target.TextWidth("       Airfoil  ");
    const double headerRe = x0 + target.TextWidth("       Airfoil  Flap     ");
    const double gap = target.TextWidth("  ");
    std::vector<std::string> names, flaps, res;
    double nameWidth = headerFlap - atName - gap, flapWidth = headerRe - headerFlap - gap;
    for (const StoredPolar* p : polars) {
        const PolarKey& key = p->Key;
        names.push_back(padded(key.SectionName, 5));
        flaps.push_back(" (" + FreeForm(key.FlapLength) + "," + FreeForm(key.FlapDeflection) + ")");
        res.push_back(FormatNumber(key.re, "0.00e+"));
        nameWidth = std::max(nameWidth, target.TextWidth(names.back()));
        flapWidth = std::max(flapWidth, target.TextWidth(flaps.back()));
    }
    double reWidth = target.TextWidth("Re");
    for (const std::string& re : res)
        reWidth = std::max(reWidth, target.TextWidth(re));
    // One line per polar when the three columns fit beside the graph; in a
    // narrow picture the flap and Re columns go on a second line under the name.
    const double right = target.ScaleLeft() + target.ScaleWidth();
    const bool oneLine = atName + nameWidth + gap + flapWidth + gap + reWidth <= right;
    const double atFlap = oneLine ? atName + nameWidth + gap : atName;
    const double atRe = atFlap + flapWidth + gap;
    const double flapRow = oneLine ? 0 : 1; // the line of the flap and Re columns within a polar's lines
    if (!oneLine)
        for (std::string& name : names)
            name = fitted(target, name, right - atName);
    const double rows = flapRow + 1;
    const Rgb fore = target.ForeColor();
    if (oneLine && atFlap == headerFlap && atRe == headerRe) {
        printAt(target, x0, ymax, header, fore);
    } else {
        printAt(target, atName, ymax, "Airfoil", fore);
        printAt(target, atFlap, ymax + flapRow * lineHeight, "Flap", fore);
        printAt(target, atRe, ymax + flapRow * lineHeight, "Re", fore);
    }
    for (size_t j = 0; j < polars.size(); ++j) {
        const Rgb colour = QBColor(colours[j]);
        const double y = ymax + (double(j) + 1) * rows * lineHeight;
        target.Line(x0, y + lineHeight / 2, x0 + target.TextWidth("     "), y + lineHeight / 2, colour);
        printAt(target, atName, y, names[j], colour);
        printAt(target, atFlap, y + flapRow * lineHeight, flaps[j], colour);
        printAt(target, atRe, y + flapRow * lineHeight, res[j], colour);
    }
    // Below the polars: the separation model(s) the sweeps used and the stall mark.
    double y = ymax + (double(polars.size()) + 1) * rows * lineHeight;
    for (int model : {0, 1})
        if (std::any_of(polars.begin(), polars.end(),
                        [&](const StoredPolar* p) { return p->Key.FlowSeperationModel == model; }))
            printAt(target, x0, y += lineHeight, PolarModelLegend(model), target.ForeColor());
    const double markY = y + lineHeight * 1.5;
    const double dy = (curve.ymax - curve.ymin) / 60;
    stallMark(target, curve, x0 + target.TextWidth("   "), markY - dy, target.ForeColor());
    printAt(target, atName, markY - lineHeight / 2, PolarStallLegend, target.ForeColor());
}

void drawPolars(Surface& target, const SharedState& state) {
    const bool black = target.BackColor() == QBColor(0);
    int colour = black ? 8 : 0;
    std::vector<const StoredPolar*> drawn;
    std::vector<int> colours;
    for (const StoredPolar& polar : ActivePolars(state)) {
        colour = nextPolarColour(colour, black);
        drawPolarCurves(target, state, polar, colour);
        drawn.push_back(&polar);
        colours.push_back(colour);
    }
    if (drawn.empty()) return;
    const PolarCurve last = curvesOf(state.PolarView, state.MaxCdSetting).back(); // a copy: the list is a temporary
    target.SetDrawStyle(DrawSolid);
    drawLegend(target, drawn, colours, last);
}

} // namespace

std::string PolarModelLegend(int flowSeperationModel) {
    return flowSeperationModel == 1 ? "Employ Simple Flow Seperation Model" : "No Flow Seperation Model";
}

void PolarView(Surface& target, const SharedState& state) {
    target.Cls();
    // The stored polars are shown with the current section's, when it has any points.
    const int current = FindPolar(state, CurrentPolarKey(state));
    if (current == 0 || ActivePolars(state)[size_t(current - 1)].PolarData.empty()) return;
    drawPolars(target, state);
}

} // namespace ribcraft
