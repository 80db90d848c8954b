#include "io/AirfoilReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

namespace ribcraft {
namespace {

struct Field {
    std::string text;
    int line = 0; // 0 = first line after the name
};

// Splits the text after the name line into fields; blanks, tabs, commas and line ends separate them.
std::vector<Field> splitFields(std::string_view body) {
    std::vector<Field> fields;
    int line = 0;
    std::string current;
    auto flush = [&] {
        if (!current.empty()) fields.push_back({current, line});
        current.clear();
    };
    for (char c : body) {
        if (c == '\n') {
            flush();
            ++line;
        } else if (c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\f' || c == '\v') {
            flush();
        } else {
            current.push_back(c);
        }
    }
    flush();
    return fields;
}

// The whole field as a number, or nothing ("0.5x", "abc", "nan", "inf" are not numbers).
std::optional<double> number(const std::string& text) {
    if (text.empty()) return std::nullopt;
    for (char c : text)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            return std::nullopt;
    if (text[0] == '+' && (text.size() < 2 || text[1] == '-' || text[1] == '+')) return std::nullopt;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    const char* last = text.data() + text.size();
    double v = 0.0;
    auto res = std::from_chars(first, last, v); // independent of the C locale
    if (res.ec != std::errc() || res.ptr != last || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool isIntegerText(const std::string& text) {
    size_t i = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    return i < text.size() && std::all_of(text.begin() + static_cast<long>(i), text.end(),
                                          [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

AirfoilFileData fail(std::string detail) {
    AirfoilFileData d;
    d.message = std::string(AirfoilReadError);
    d.detail = std::move(detail);
    return d;
}

bool countInRange(double v) {
    return v == std::floor(v) && v >= 2 && v <= 200;
}

// Reads `count` pairs starting at fields[pos] into xs and ys; false with a reason on failure.
bool readPairs(const std::vector<Field>& fields, size_t& pos, int count, std::vector<double>& xs,
               std::vector<double>& ys, std::string& why) {
    for (int i = 0; i < count; ++i) {
        if (pos + 2 > fields.size()) {
            why = "list cut short";
            return false;
        }
        auto x = number(fields[pos].text);
        auto y = number(fields[pos + 1].text);
        if (!x || !y) {
            why = "not a number: " + fields[x ? pos + 1 : pos].text;
            return false;
        }
        xs.push_back(*x);
        ys.push_back(*y);
        pos += 2;
    }
    return true;
}

bool readCount(const std::vector<Field>& fields, size_t& pos, int& count, std::string& why) {
    if (pos >= fields.size()) {
        why = "count missing";
        return false;
    }
    auto v = number(fields[pos].text);
    if (!v || !countInRange(*v)) {
        why = "bad count: " + fields[pos].text;
        return false;
    }
    count = static_cast<int>(*v);
    ++pos;
    return true;
}

// Counted layout: count, pairs, count, pairs. Fields after the lower list are ignored.
AirfoilFileData readCounted(const std::vector<Field>& fields) {
    AirfoilFileData d;
    d.layout = AirfoilFileLayout::Counted;
    size_t pos = 0;
    std::string why;
    if (!readCount(fields, pos, d.NUpper, why) || !readPairs(fields, pos, d.NUpper, d.XUpper, d.YUpper, why) ||
        !readCount(fields, pos, d.NLower, why) || !readPairs(fields, pos, d.NLower, d.XLower, d.YLower, why))
        return fail("counted layout: " + why);
    d.ok = true;
    return d;
}

// Lednicer layout: the two counts on the first data line, then both lists; nothing may follow.
AirfoilFileData readLednicer(const std::vector<Field>& fields) {
    AirfoilFileData d;
    d.layout = AirfoilFileLayout::Lednicer;
    size_t pos = 0;
    std::string why;
    if (!readCount(fields, pos, d.NUpper, why) || !readCount(fields, pos, d.NLower, why) ||
        !readPairs(fields, pos, d.NUpper, d.XUpper, d.YUpper, why) ||
        !readPairs(fields, pos, d.NLower, d.XLower, d.YLower, why))
        return fail("Lednicer layout: " + why);
    if (pos != fields.size()) return fail("Lednicer layout: data after the lower surface");
    d.ok = true;
    return d;
}

// Selig layout: one loop from the trailing edge over the upper surface and back along the lower.
AirfoilFileData readSelig(const std::vector<Field>& fields) {
    for (size_t i = 0; i < fields.size(); i += 2)
        if (i + 1 >= fields.size() || fields[i].line != fields[i + 1].line ||
            (i + 2 < fields.size() && fields[i + 2].line == fields[i].line))
            return fail("Selig layout: a line that is not one x y pair");
    std::vector<double> xs, ys;
    size_t pos = 0;
    std::string why;
    if (!readPairs(fields, pos, static_cast<int>(fields.size() / 2), xs, ys, why)) return fail("Selig layout: " + why);
    if (xs.size() < 3) return fail("Selig layout: fewer than three points");
    const size_t le = static_cast<size_t>(std::min_element(xs.begin(), xs.end()) - xs.begin());
    AirfoilFileData d;
    d.layout = AirfoilFileLayout::Selig;
    for (size_t i = le + 1; i-- > 0;) {
        d.XUpper.push_back(xs[i]);
        d.YUpper.push_back(ys[i]);
    }
    d.XLower.assign(xs.begin() + static_cast<long>(le), xs.end());
    d.YLower.assign(ys.begin() + static_cast<long>(le), ys.end());
    d.NUpper = static_cast<int>(d.XUpper.size());
    d.NLower = static_cast<int>(d.XLower.size());
    if (d.NUpper < 2 || d.NLower < 2) return fail("Selig layout: the leading edge is an end of the loop");
    if (d.NUpper > 200 || d.NLower > 200) return fail("Selig layout: more than 200 points on a surface");
    // The loop starts and ends at the trailing edge (open or closed).
    const double span = *std::max_element(xs.begin(), xs.end()) - xs[le];
    const double te = xs[le] + 0.99 * span;
    if (!(xs.front() >= te && xs.back() >= te))
        return fail("Selig layout: the loop does not start and end at the trailing edge");
    d.ok = true;
    return d;
}

// A surface must span some x range and start and end at its extremes.
std::string checkSurface(const std::vector<double>& xs, const std::vector<double>& ys, bool fromLeadingEdge) {
    for (size_t i = 0; i < xs.size(); ++i)
        if (std::fabs(xs[i]) > MaxAirfoilCoordinate || std::fabs(ys[i]) > MaxAirfoilCoordinate)
            return "coordinate out of range";
    auto [lo, hi] = std::minmax_element(xs.begin(), xs.end());
    const double span = *hi - *lo;
    if (!(span > 0)) return "all x equal";
    const double tol = 1e-9 * span;
    const bool forward = xs.front() <= *lo + tol && xs.back() >= *hi - tol;
    const bool backward = xs.front() >= *hi - tol && xs.back() <= *lo + tol;
    if (!forward && !(backward && !fromLeadingEdge)) return "surface does not run from one end to the other";
    return {};
}

AirfoilFileData validated(AirfoilFileData d) {
    if (!d.ok) return d;
    const bool fromLe = d.layout != AirfoilFileLayout::Counted;
    std::string why = checkSurface(d.XUpper, d.YUpper, fromLe);
    if (why.empty()) why = checkSurface(d.XLower, d.YLower, fromLe);
    if (!why.empty()) return fail("upper or lower surface: " + why);
    return d;
}

bool looksLikeLednicerCounts(const std::vector<Field>& fields) {
    if (fields.size() < 2 || fields[0].line != fields[1].line) return false;
    if (fields.size() > 2 && fields[2].line == fields[0].line) return false;
    auto a = number(fields[0].text);
    auto b = number(fields[1].text);
    return a && b && countInRange(*a) && countInRange(*b);
}

} // namespace

AirfoilFileData ParseAirfoilText(std::string_view text) {
    if (text.size() > static_cast<size_t>(MaxAirfoilFileBytes)) return fail("file too large");
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (text.empty()) return fail("empty file");
    const size_t eol = text.find('\n');
    std::string name(text.substr(0, eol));
    if (!name.empty() && name.back() == '\r') name.pop_back();
    const std::vector<Field> fields =
        splitFields(eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1));
    if (fields.empty()) return fail("no coordinates");

    AirfoilFileData result = fail("no layout fits");
    if (isIntegerText(fields[0].text)) result = validated(readCounted(fields));
    if (!result.ok && looksLikeLednicerCounts(fields)) result = validated(readLednicer(fields));
    if (!result.ok) result = validated(readSelig(fields));
    if (result.ok) result.name = name;
    return result;
}

AirfoilFileData ReadAirfoilFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail("cannot open " + path);
    std::string text;
    text.resize(static_cast<size_t>(MaxAirfoilFileBytes) + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) return fail("cannot read " + path);
    return ParseAirfoilText(text);
}

} // namespace ribcraft
