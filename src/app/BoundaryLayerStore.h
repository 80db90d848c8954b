#pragma once
// The detailed boundary-layer solution of both surfaces, kept until the next
// solve: what the boundary-layer views and exports read.

namespace ribcraft {

struct BoundaryLayerStore {};

} // namespace ribcraft
