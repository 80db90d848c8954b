// SPDX-License-Identifier: MIT
#include "io/DxfExport.h"

#include <algorithm>

#include "io/AsciiExport.h"
#include "io/NumberFormat.h"

namespace ribcraft {

std::vector<std::string> DxfLines(std::span<const float> x, std::span<const float> y) {
    std::vector<std::string> lines;
    auto code = [&](int group, std::string value) {
        lines.push_back(PrintItem(group));
        lines.push_back(std::move(value));
    };
    code(0, "SECTION");
    code(2, "ENTITIES");
    auto line = [&](size_t from, size_t to) {
        code(0, "LINE");
        code(8, "0");
        code(10, PrintItemSingle(x[from]));
        code(20, PrintItemSingle(y[from]));
        code(30, PrintItem(0));
        code(11, PrintItemSingle(x[to]));
        code(21, PrintItemSingle(y[to]));
        code(31, PrintItem(0));
    };
    const size_t n = std::min(x.size(), y.size());
    for (size_t i = 1; i < n; ++i)
        line(i - 1, i);
    // The closing entity from the last point back to the first, so that CAD and
    // CAM programs see a closed contour.
    if (n >= 3 && (x[n - 1] != x[0] || y[n - 1] != y[0])) line(n - 1, 0);
    code(0, "ENDSEC");
    code(0, "EOF");
    return lines;
}

Status WriteDxfFile(const std::string& path, std::span<const float> x, std::span<const float> y) {
    return WriteTextFile(path, JoinCrLf(DxfLines(x, y)));
}

std::string DxfDialogTitle(std::string_view sectionName) {
    return "Export NACA " + std::string(sectionName) + " DXF File";
}

} // namespace ribcraft
