// SPDX-License-Identifier: MIT
#pragma once
// The "Recent files" list of the File menu: the coordinate files read last,
// newest first, each once.

#include <string>
#include <vector>

namespace ribcraft {

inline constexpr std::size_t MaxRecentFiles = 8;

// The list after `path` was read: moved (or added) to the front, the oldest
// dropped beyond MaxRecentFiles, empty entries removed.
std::vector<std::string> RecentFilesAfterReading(std::vector<std::string> list, const std::string& path);

// The list without `path` (a file that could no longer be read).
std::vector<std::string> RecentFilesWithout(std::vector<std::string> list, const std::string& path);

} // namespace ribcraft
