// Plot titles, the surface Cp and velocity plots, the Fourier listing and the
// view dispatch.
#include "plot/SurfacePlots.h"

#include <algorithm>

#include "io/AsciiExport.h"
#include "io/NumberFormat.h"
#include "plot/GraphFrame.h"
#include "plot/ReportView.h"

namespace ribcraft {

std::string PlotTitle(int vflag, const std::string& T) {
    switch (vflag) {
    case 1:
        return T + " Distribution";
    case 2:
        return T + ":  Cp v.s. Chord Position";
    case 3:
        return " NACA " + T + ":  Velocity v.s. Chord Position";
    case 4:
        return T + ":  Streamlines";
    case 5:
        return T + ":  Pressure (Red - High; Blue - Low) ";
    case 6:
        return T + ":  O-Grid";
    case 7:
        return T + ":  Boundary Layer Solution";
    case 8:
    case 9:
        return T + ":  Report";
    case 10:
        return " Current Airfoil: " + T;
    default:
        return T;
    }
}

void SetPlotTitle(SharedState& state) {
    state.Texts.PlotTitle = PlotTitle(state.VFlag, state.Texts.SectionName);
}

bool LegendVisible(int vflag) {
    return vflag == 2 || vflag == 3;
}

void DrawSurfaceDistribution(Surface& target, SharedState& st) {
    target.Cls();
    st.ShowStagPoint = 0;
    st.Texts.LegendVisible = true;
    const bool cp = st.VFlag == 2;
    const int n = std::clamp(st.PointCount, 0, cap::Outline);
    const int h = n / 2;
    const auto& value = cp ? st.SurfaceCp : st.SurfaceV;
    std::vector<double> lowerX, lowerY, upperX, upperY;
    for (int i = 1; i <= h; ++i) {
        lowerX.push_back(st.DistX[i]);
        lowerY.push_back(value[i]);
    }
    for (int i = h + 1; i <= n; ++i) {
        upperX.push_back(st.DistX[i]);
        upperY.push_back(value[i]);
    }
    const double ymin = cp ? st.CpLow : st.Vmin, ymax = cp ? st.CpHigh : st.Vmax;
    const GraphContext context = GraphContext::FromState(st);
    // Points 1..h run along the lower surface, h+1..n along the upper one: each
    // half is drawn in the colour of its own legend label.
    DrawCurveGraph(target, lowerX, lowerY, h, st.LowerColor, 1, 0, 0, 1, ymin, ymax, 5, 5, "", "", context);
    DrawCurveGraph(target, upperX, upperY, n - h, st.UpperColor, 1, 0, 0, 1, ymin, ymax, 5, 5, "Chord Position",
                   cp ? "Cp" : "Velocity Ratio", context);
    SetPlotTitle(st);
}

void DrawFourierListing(Surface& target, SharedState& st) {
    target.Cls();
    target.SetCurrentY(target.ScaleTop());
    auto line = [&target](const std::string& text) {
        target.SetCurrentX(target.ScaleLeft());
        target.Print(text);
    };
    for (const std::string& text : FourierListingLines(std::span<const float, 9>(st.A, 9)))
        line(text);
    SetPlotTitle(st);
}

void DrawView(Surface& target, SharedState& state) {
    state.Texts.LegendVisible = LegendVisible(state.VFlag);
    switch (state.VFlag) {
    case 1:
        DrawAirfoilView(target, state);
        break;
    case 2:
    case 3:
        DrawSurfaceDistribution(target, state);
        break;
    case 8:
        Report(target, state);
        SetPlotTitle(state);
        break;
    case 9:
        DrawFourierListing(target, state);
        break;
    default:
        target.Cls();
        SetPlotTitle(state);
        break;
    }
}

} // namespace ribcraft
