// SPDX-License-Identifier: MIT
#include "io/PolarTable.h"

#include <charconv>
#include <cmath>

namespace ribcraft {

namespace {

constexpr int kColumns = 11;

std::string QuotedName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += "\"\"";
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            out += ' ';
        else
            out += c;
    }
    return out + '"';
}

// Splits a line into fields; the first may be quoted. False when a quote is not closed.
bool SplitFields(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    size_t i = 0;
    std::string field;
    if (!line.empty() && line[0] == '"') {
        for (i = 1;; ++i) {
            if (i >= line.size()) return false;
            if (line[i] == '"') {
                if (i + 1 < line.size() && line[i + 1] == '"') {
                    field += '"';
                    ++i;
                    continue;
                }
                ++i;
                break;
            }
            field += line[i];
        }
        if (i < line.size() && line[i] != ',') return false;
        fields.push_back(field);
        if (i == line.size()) return true;
        ++i; // the comma
    }
    for (;;) {
        const size_t comma = line.find(',', i);
        fields.emplace_back(line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i));
        if (comma == std::string_view::npos) return true;
        i = comma + 1;
    }
}

bool ParseNumber(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    return r.ec == std::errc() && r.ptr == end && std::isfinite(value);
}

Status LineError(size_t line, const std::string& what) {
    return Status::Error(ErrorKind::BadFile, "line " + std::to_string(line) + ": " + what);
}

} // namespace

std::string ShortestNumber(double value) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

std::string PolarTableText(std::span<const PolarTable> polars) {
    std::string text(PolarTableHeader);
    text += '\n';
    for (const PolarTable& p : polars) {
        const std::string key = QuotedName(p.section) + ',' + ShortestNumber(p.flapDeflection) + ',' +
                                ShortestNumber(p.flapLength) + ',' + ShortestNumber(p.re) + ',';
        for (const PolarTableRow& r : p.rows) {
            text += key;
            for (double v : {r.alpha, r.cl, r.cd, r.cmQuarter, r.transitionUpper, r.transitionLower})
                text += ShortestNumber(v) + ',';
            text += r.stalled ? "1\n" : "0\n";
        }
    }
    return text;
}

Result<std::vector<PolarTable>> ReadPolarTable(std::string_view text) {
    std::vector<PolarTable> polars;
    std::vector<std::string> fields;
    size_t number = 0, start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (number == 1) {
            if (line != PolarTableHeader) return LineError(number, "not a polar table (the column names differ)");
            continue;
        }
        if (line.empty()) return LineError(number, "empty line");
        if (!SplitFields(line, fields)) return LineError(number, "the section name's quote is not closed");
        if (fields.size() != kColumns)
            return LineError(number, std::to_string(kColumns) + " fields expected, " + std::to_string(fields.size()) +
                                         " found");
        double v[kColumns - 2];
        for (int c = 1; c < kColumns - 1; ++c)
            if (!ParseNumber(fields[size_t(c)], v[c - 1]))
                return LineError(number, "\"" + fields[size_t(c)] + "\" is not a number");
        const std::string& stalled = fields[kColumns - 1];
        if (stalled != "0" && stalled != "1") return LineError(number, "stalled must be 0 or 1");
        const PolarTableRow row{v[3], v[4], v[5], v[6], v[7], v[8], stalled == "1"};
        if (polars.empty() || polars.back().section != fields[0] || polars.back().flapDeflection != v[0] ||
            polars.back().flapLength != v[1] || polars.back().re != v[2])
            polars.push_back({fields[0], v[0], v[1], v[2], {}});
        polars.back().rows.push_back(row);
    }
    if (number == 0) return LineError(1, "the file is empty");
    return polars;
}

} // namespace ribcraft
