// SPDX-License-Identifier: MIT
#pragma once
// The redraw Command1_Click without the window: recompute what the state asks
// for, then draw the current view on the target. The window and the batch
// tool both call this, so they show exactly the same thing.

#include "app/CommandResult.h"
#include "app/SharedState.h"

namespace ribcraft {

class Surface;

CommandResult RedrawView(SharedState& state, Surface& target);

} // namespace ribcraft
