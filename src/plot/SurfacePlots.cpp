// Plot titles, the surface Cp and velocity plots, the Fourier listing and the
// view dispatch.
#include "plot/SurfacePlots.h"

#include <algorithm>

#include "base/ViewCodes.h"
#include "io/AsciiExport.h"
#include "io/NumberFormat.h"
#include "plot/AnalysisViews.h"
#include "plot/GraphFrame.h"
#include "plot/ReportView.h"

namespace ribcraft {

void DrawSurfaceDistribution(Surface& target, const SharedState& st) {
    target.Cls();
    const bool cp = st.VFlag == ViewCode::SurfaceCp;
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
}

void DrawFourierListing(Surface& target, const SharedState& st) {
    target.Cls();
    target.SetCurrentY(target.ScaleTop());
    auto line = [&target](const std::string& text) {
        target.SetCurrentX(target.ScaleLeft());
        target.Print(text);
    };
    for (const std::string& text : FourierListingLines(std::span<const float, 9>(st.A, 9)))
        line(text);
}

void DrawView(Surface& target, const SharedState& state) {
    switch (state.VFlag) {
    case ViewCode::Airfoil:
        DrawAirfoilView(target, state);
        break;
    case ViewCode::SurfaceCp:
    case ViewCode::SurfaceVelocity:
        DrawSurfaceDistribution(target, state);
        break;
    case ViewCode::Streamlines:
    case ViewCode::PressureContours:
    case ViewCode::Mesh:
        FlowFieldView(target, state);
        break;
    case ViewCode::BoundaryLayer:
        BoundaryLayerView(target, state);
        break;
    case ViewCode::Report:
        Report(target, state);
        break;
    case ViewCode::Fourier:
        DrawFourierListing(target, state);
        break;
    case ViewCode::Polar:
        PolarView(target, state);
        break;
    default:
        target.Cls();
        break;
    }
}

} // namespace ribcraft
