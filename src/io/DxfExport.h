// SPDX-License-Identifier: MIT
#pragma once
// Minimal DXF drawing of the section outline: one ENTITIES section holding a closed chain of
// LINE entities from point 1 to point N and back to point 1, in chord units on layer "0".
// Group codes and numbers are print items (" 0 ", " .5 ", "-.025 "), every line ends in CR LF.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Status.h"

namespace ribcraft {

// Lines of the drawing for outline points 1..N (element k - 1 of the spans is point k).
// N >= 3 points give N entities, 4 + 16 * N + 4 lines (N - 1 when point N already
// repeats point 1); two points give their one line.
std::vector<std::string> DxfLines(std::span<const float> x, std::span<const float> y);

// Writes the drawing (replacing the file), whole or not at all.
Status WriteDxfFile(const std::string& path, std::span<const float> x, std::span<const float> y);

// Title of the export dialog.
std::string DxfDialogTitle(std::string_view sectionName);

} // namespace ribcraft
