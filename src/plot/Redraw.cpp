#include "plot/Redraw.h"

#include "app/Recompute.h"
#include "plot/AnalysisViews.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {

CommandResult RedrawView(SharedState& state, Surface& target) {
    // The polar view names the section before anything is solved.
    if (state.VFlag == 10) SetPlotTitle(state);
    CommandResult r = RecomputeForRedraw(state);
    CommandResult view;
    switch (state.VFlag) {
    case 4:
    case 5:
    case 6:
        view = FlowFieldView(target, state);
        break;
    case 7:
        view = BoundaryLayerView(target, state);
        break;
    case 10:
        view = PolarView(target, state);
        break;
    default:
        DrawView(target, state);
        break;
    }
    state.Texts.LegendVisible = state.VFlag == 2 || state.VFlag == 3;
    if (r.ok && !view.ok) return view;
    if (r.warning.empty()) r.warning = view.warning;
    if (r.notice.empty()) r.notice = view.notice;
    return r;
}

} // namespace ribcraft
