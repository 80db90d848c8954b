// SPDX-License-Identifier: MIT
#pragma once
// The stored polars as a polar table file (io/PolarTable.h).

#include <span>
#include <string>
#include <vector>

#include "app/PolarStore.h"
#include "app/SharedState.h"
#include "base/Status.h"
#include "io/PolarTable.h"

namespace ribcraft {

// The polars as tables: drag as Cd (the store keeps Cd x 1000).
std::vector<PolarTable> PolarTablesOf(std::span<const StoredPolar> polars);

// Writes the active polars of the state to path, whole or not at all.
// Writing with no stored polar is refused (there would be nothing to read).
Status WritePolarFile(const SharedState& s, const std::string& path);

// Writes text to path, whole or not at all.
Status WriteTextFile(const std::string& path, const std::string& text);

} // namespace ribcraft
