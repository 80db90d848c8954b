#include "plot/AnalysisViews.h"

#include "app/SharedState.h"
#include "plot/Surface.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {

CommandResult FlowFieldView(Surface& target, SharedState& state) {
    // Not available yet: the area is cleared and titled.
    target.Cls();
    SetPlotTitle(state);
    return {};
}

} // namespace ribcraft
