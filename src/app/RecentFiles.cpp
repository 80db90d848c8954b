// SPDX-License-Identifier: MIT
#include "app/RecentFiles.h"

#include <algorithm>

namespace ribcraft {

std::vector<std::string> RecentFilesWithout(std::vector<std::string> list, const std::string& path) {
    std::erase_if(list, [&path](const std::string& p) { return p == path || p.empty(); });
    return list;
}

std::vector<std::string> RecentFilesAfterReading(std::vector<std::string> list, const std::string& path) {
    list = RecentFilesWithout(std::move(list), path);
    if (!path.empty()) list.insert(list.begin(), path);
    if (list.size() > MaxRecentFiles) list.resize(MaxRecentFiles);
    return list;
}

} // namespace ribcraft
