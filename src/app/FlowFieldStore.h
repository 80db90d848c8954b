#pragma once
// What the flow-field views keep between redraws: the last O-grid and the
// flow on it.

namespace ribcraft {

struct FlowFieldStore {};

} // namespace ribcraft
