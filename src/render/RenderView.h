#pragma once
// Drawing the current view into a picture file (the batch tool's png command,
// tests, screenshots).

#include <string>

#include "app/SharedState.h"
#include "base/Status.h"

namespace ribcraft {

// Draws the view selected by state.VFlag (DrawView) on a width x height
// picture with the background the state selects (white: black on white,
// otherwise white on black) and writes it as PNG; a failure says why. The results must be up to date
// (RecomputeForRedraw).
Status RenderViewToPng(const SharedState& state, int width, int height, const std::string& path);

} // namespace ribcraft
