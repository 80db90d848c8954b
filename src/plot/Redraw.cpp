// SPDX-License-Identifier: MIT
#include "plot/Redraw.h"

#include <utility>

#include "app/Recompute.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {

CommandResult RedrawView(SharedState& state, Surface& target) {
    // Every result the view shows is brought up to date first; the view is
    // then drawn from the state as it is and changes nothing in it.
    CommandResult r = RecomputeForRedraw(state);
    DrawView(target, std::as_const(state));
    return r;
}

} // namespace ribcraft
