// SPDX-License-Identifier: MIT
// The library solver behind BoundaryLayer.

#include "app/BoundaryLayer.h"
#include "extlib/blayer/Blayer2.h"

namespace ribcraft {

CommandResult BoundaryLayer(SharedState& s) {
    static const BlSolver library = Blayer2;
    return BoundaryLayer(s, library);
}

} // namespace ribcraft
