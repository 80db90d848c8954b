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
    const size_t n = std::min(x.size(), y.size());
    for (size_t i = 1; i < n; ++i) {
        code(0, "LINE");
        code(8, "0");
        code(10, PrintItemSingle(x[i - 1]));
        code(20, PrintItemSingle(y[i - 1]));
        code(30, PrintItem(0));
        code(11, PrintItemSingle(x[i]));
        code(21, PrintItemSingle(y[i]));
        code(31, PrintItem(0));
    }
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
