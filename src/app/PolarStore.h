#pragma once
// The stored polars: identity and points of every polar computed in this run.

namespace ribcraft {

struct PolarStore {};

} // namespace ribcraft
