#include "plot/Redraw.h"

#include "app/Recompute.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {

CommandResult RedrawView(SharedState& state, Surface& target) {
    // The polar view names the section before anything is solved.
    if (state.VFlag == 10) SetPlotTitle(state);
    const CommandResult r = RecomputeForRedraw(state);
    DrawView(target, state);
    return r;
}

} // namespace ribcraft
