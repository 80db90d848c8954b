// SPDX-License-Identifier: MIT
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

// Plausibility limits, as fractions of the chord (see docs/decisions.md).
constexpr double kMaxEndMismatch = 0.1;      // the two surfaces' ends differ in x by more: refused
constexpr double kCrossingTolerance = 0.002; // lower above upper by more: the surfaces cross
constexpr double kMaxTrailingEdgeGap = 0.25; // an open trailing edge wider than this: refused
constexpr double kThickTrailingEdge = 0.02;  // wider than this: a warning
constexpr double kSpikeCosine = 0.866;       // two legs meeting at less than 30 degrees ...
constexpr double kSpikeHeight = 0.005;       // ... both longer than this, tip not forward: a spike
constexpr int kFewPoints = 10;               // fewer points on a surface: a warning

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

Status fail(std::string_view detail) {
    return Status::Error(ErrorKind::BadFile, AirfoilReadMessage(detail));
}

bool countInRange(double v) {
    return v == std::floor(v) && v >= 2 && v <= 200;
}

// Reads `count` pairs starting at fields[pos] into xs and ys; false with a reason on failure.
bool readPairs(const std::vector<Field>& fields, size_t& pos, int count, std::vector<double>& xs,
               std::vector<double>& ys, std::string& why) {
    for (int i = 0; i < count; ++i) {
        if (pos + 2 > fields.size()) {
            why = "The file ends before the last point of a surface.";
            return false;
        }
        auto x = number(fields[pos].text);
        auto y = number(fields[pos + 1].text);
        if (!x || !y) {
            why = "\"" + fields[x ? pos + 1 : pos].text + "\" is not a number.";
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
        why = "A number of points is missing.";
        return false;
    }
    auto v = number(fields[pos].text);
    if (!v || !countInRange(*v)) {
        why = "\"" + fields[pos].text + "\" is not a number of points from 2 to 200.";
        return false;
    }
    count = static_cast<int>(*v);
    ++pos;
    return true;
}

// Counted layout: count, pairs, count, pairs. Text after the lower list is ignored (with a
// warning); numbers there are refused.
Result<AirfoilFileData> readCounted(const std::vector<Field>& fields) {
    AirfoilFileData d;
    d.layout = AirfoilFileLayout::Counted;
    size_t pos = 0;
    std::string why;
    if (!readCount(fields, pos, d.NUpper, why) || !readPairs(fields, pos, d.NUpper, d.XUpper, d.YUpper, why) ||
        !readCount(fields, pos, d.NLower, why) || !readPairs(fields, pos, d.NLower, d.XLower, d.YLower, why))
        return fail(why);
    // More numbers than the counts say mean a count is wrong: the section would be cut short.
    for (size_t i = pos; i < fields.size(); ++i)
        if (number(fields[i].text)) return fail("There are more points after the lower surface than its count says.");
    if (pos < fields.size()) d.warnings.push_back("The text after the lower surface is ignored.");
    return d;
}

// Lednicer layout: the two counts on the first data line, then both lists; nothing may follow.
Result<AirfoilFileData> readLednicer(const std::vector<Field>& fields) {
    AirfoilFileData d;
    d.layout = AirfoilFileLayout::Lednicer;
    size_t pos = 0;
    std::string why;
    if (!readCount(fields, pos, d.NUpper, why) || !readCount(fields, pos, d.NLower, why) ||
        !readPairs(fields, pos, d.NUpper, d.XUpper, d.YUpper, why) ||
        !readPairs(fields, pos, d.NLower, d.XLower, d.YLower, why))
        return fail(why);
    if (pos != fields.size()) return fail("There is data after the lower surface.");
    return d;
}

// Selig layout: one loop from the trailing edge over the upper surface and back along the lower.
Result<AirfoilFileData> readSelig(const std::vector<Field>& fields) {
    for (size_t i = 0; i < fields.size(); i += 2)
        if (i + 1 >= fields.size() || fields[i].line != fields[i + 1].line ||
            (i + 2 < fields.size() && fields[i + 2].line == fields[i].line))
            return fail("A line does not hold one x y pair.");
    std::vector<double> xs, ys;
    size_t pos = 0;
    std::string why;
    if (!readPairs(fields, pos, static_cast<int>(fields.size() / 2), xs, ys, why)) return fail(why);
    if (xs.size() < 3) return fail("The file holds fewer than three points.");
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
    if (d.NUpper < 2 || d.NLower < 2) return fail("The leading edge is an end of the list of points.");
    if (d.NUpper > 200 || d.NLower > 200) return fail("A surface has more than 200 points.");
    // The loop starts and ends at the trailing edge (open or closed).
    const double span = *std::max_element(xs.begin(), xs.end()) - xs[le];
    const double te = xs[le] + 0.99 * span;
    if (!(xs.front() >= te && xs.back() >= te))
        return fail("The list of points does not start and end at the trailing edge.");
    return d;
}

// A surface must span some x range and start and end at its extremes, in either order.
Status checkSurface(const std::vector<double>& xs, const std::vector<double>& ys, const char* surface) {
    for (size_t i = 0; i < xs.size(); ++i)
        if (std::fabs(xs[i]) > MaxAirfoilCoordinate || std::fabs(ys[i]) > MaxAirfoilCoordinate)
            return fail(std::string("A coordinate of the ") + surface + " surface is out of range.");
    auto [lo, hi] = std::minmax_element(xs.begin(), xs.end());
    const double span = *hi - *lo;
    if (!(span > 0)) return fail(std::string("All points of the ") + surface + " surface have the same x.");
    const double tol = 1e-9 * span;
    const bool forward = xs.front() <= *lo + tol && xs.back() >= *hi - tol;
    const bool backward = xs.front() >= *hi - tol && xs.back() <= *lo + tol;
    if (!forward && !backward)
        return fail(std::string("The ") + surface +
                    " surface does not run from the leading edge to the trailing edge.");
    return Status::Ok();
}

void reverseList(std::vector<double>& xs, std::vector<double>& ys) {
    std::reverse(xs.begin(), xs.end());
    std::reverse(ys.begin(), ys.end());
}

// y of a list running forward in x at x (clamped to the list's ends).
double yAt(const std::vector<double>& xs, const std::vector<double>& ys, double x) {
    if (x <= xs.front()) return ys.front();
    if (x >= xs.back()) return ys.back();
    const size_t k = static_cast<size_t>(std::upper_bound(xs.begin(), xs.end(), x) - xs.begin());
    const double x0 = xs[k - 1], x1 = xs[k];
    return x1 > x0 ? ys[k - 1] + (ys[k] - ys[k - 1]) * (x - x0) / (x1 - x0) : ys[k];
}

// Thickness (upper minus lower) at n + 1 even stations over the x range both lists share.
std::vector<double> thicknessSamples(const AirfoilFileData& d, int n) {
    const double a = std::max(d.XUpper.front(), d.XLower.front());
    const double b = std::min(d.XUpper.back(), d.XLower.back());
    std::vector<double> t;
    for (int k = 0; k <= n; ++k) {
        const double x = a + (b - a) * k / n;
        t.push_back(yAt(d.XUpper, d.YUpper, x) - yAt(d.XLower, d.YLower, x));
    }
    return t;
}

std::string format(double v) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(3);
    out << v;
    return out.str();
}

// A point the outline runs out to and straight back from, sideways: a point typed wrongly, not
// a shape any section has. Both legs are longer than kSpikeHeight chords and meet at less than
// 30 degrees; a sharp nose is no spike, because its tip points forward.
Status findSpike(const AirfoilFileData& d, double chord) {
    // The loop from the lower trailing edge round the nose to the upper trailing edge.
    std::vector<double> x(d.XLower.rbegin(), d.XLower.rend()), y(d.YLower.rbegin(), d.YLower.rend());
    const size_t from = (d.XUpper.front() == x.back() && d.YUpper.front() == y.back()) ? 1 : 0;
    x.insert(x.end(), d.XUpper.begin() + static_cast<long>(from), d.XUpper.end());
    y.insert(y.end(), d.YUpper.begin() + static_cast<long>(from), d.YUpper.end());
    for (size_t k = 1; k + 1 < x.size(); ++k) {
        const double ax = x[k - 1] - x[k], ay = y[k - 1] - y[k];
        const double bx = x[k + 1] - x[k], by = y[k + 1] - y[k];
        const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
        if (!(std::min(la, lb) > kSpikeHeight * chord)) continue;
        const double ux = ax / la + bx / lb, uy = ay / la + by / lb; // into the spike's base
        const double cosLegs = (ax * bx + ay * by) / (la * lb);
        const double tipX = -ux / std::max(std::hypot(ux, uy), 1e-300); // x share of the tip's direction
        if (cosLegs > kSpikeCosine && tipX > -0.5)
            return fail("The outline has a spike at x = " + format(x[k]) + ", y = " + format(y[k]) + ".");
    }
    return Status::Ok();
}

// Puts both lists from the leading edge to the trailing edge, the upper one above, and checks
// that they can describe a section at all. Adds warnings for shapes a real file may have.
Result<AirfoilFileData> validated(AirfoilFileData d) {
    if (Status upper = checkSurface(d.XUpper, d.YUpper, "upper"); !upper) return upper;
    if (Status lower = checkSurface(d.XLower, d.YLower, "lower"); !lower) return lower;

    // Lists from the trailing edge are turned round.
    if (d.XUpper.front() > d.XUpper.back()) reverseList(d.XUpper, d.YUpper);
    if (d.XLower.front() > d.XLower.back()) reverseList(d.XLower, d.YLower);
    for (const auto* list : {&d.XUpper, &d.XLower})
        for (size_t i = 1; i < list->size(); ++i)
            if ((*list)[i] < (*list)[i - 1])
                return fail(std::string("The ") + (list == &d.XUpper ? "upper" : "lower") +
                            " surface turns back at x = " + format((*list)[i - 1]) + ".");

    const double le = std::min(d.XUpper.front(), d.XLower.front());
    const double chord = std::max(d.XUpper.back(), d.XLower.back()) - le;
    if (std::fabs(d.XUpper.back() - d.XLower.back()) > kMaxEndMismatch * chord ||
        std::fabs(d.XUpper.front() - d.XLower.front()) > kMaxEndMismatch * chord)
        return fail("The upper and lower surfaces do not cover the same chord.");

    // The list that lies below is the lower surface, whichever came first in the file.
    std::vector<double> t = thicknessSamples(d, 200);
    double area = 0;
    for (double v : t)
        area += v;
    if (area < 0) {
        std::swap(d.XUpper, d.XLower);
        std::swap(d.YUpper, d.YLower);
        std::swap(d.NUpper, d.NLower);
        for (double& v : t)
            v = -v;
    }
    if (*std::min_element(t.begin(), t.end()) < -kCrossingTolerance * chord)
        return fail("The upper and lower surfaces cross.");

    if (Status spike = findSpike(d, chord); !spike) return spike;

    const double gap = std::hypot(d.XUpper.back() - d.XLower.back(), d.YUpper.back() - d.YLower.back()) / chord;
    if (gap > kMaxTrailingEdgeGap) return fail("The trailing edge is open by " + format(gap) + " chords.");
    if (gap > kThickTrailingEdge)
        d.warnings.push_back("The trailing edge is " + format(100 * gap) + "% of the chord thick.");
    if (std::min(d.NUpper, d.NLower) < kFewPoints)
        d.warnings.push_back("A surface has only " + std::to_string(std::min(d.NUpper, d.NLower)) +
                             " points; the section follows straight lines between them.");
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

Result<AirfoilFileData> ParseAirfoilText(std::string_view text) {
    if (text.size() > static_cast<size_t>(MaxAirfoilFileBytes)) return fail("The file is larger than 1 MiB.");
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (text.empty()) return fail("The file is empty.");
    const size_t eol = text.find('\n');
    std::string name(text.substr(0, eol));
    if (!name.empty() && name.back() == '\r') name.pop_back();
    const std::vector<Field> fields =
        splitFields(eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1));
    if (fields.empty()) return fail("The file holds no coordinates.");

    // When no layout fits, the reason given is that of a layout that read the lists whole but
    // found no section in them, else that of the first layout the file looked like.
    std::optional<Status> firstRead, firstShape;
    auto attempt = [&](Result<AirfoilFileData> read) {
        const bool whole = read.ok();
        Result<AirfoilFileData> d = whole ? validated(std::move(read).value()) : std::move(read);
        std::optional<Status>& keep = whole ? firstShape : firstRead;
        if (!d && !keep) keep = d.status();
        return d;
    };
    Result<AirfoilFileData> result = fail("No layout fits.");
    if (isIntegerText(fields[0].text)) result = attempt(readCounted(fields));
    if (!result && looksLikeLednicerCounts(fields)) result = attempt(readLednicer(fields));
    if (!result) result = attempt(readSelig(fields));
    if (!result) return firstShape ? *firstShape : firstRead ? *firstRead : result.status();
    AirfoilFileData d = std::move(result).value();
    d.name = name;
    return d;
}

std::string AirfoilReadMessage(std::string_view detail) {
    std::string text(AirfoilReadError);
    if (!detail.empty()) text += "\n" + std::string(detail);
    return text;
}

Result<AirfoilFileData> ReadAirfoilFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail("The file cannot be opened.");
    std::string text;
    text.resize(static_cast<size_t>(MaxAirfoilFileBytes) + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) return fail("The file cannot be read.");
    return ParseAirfoilText(text);
}

} // namespace ribcraft
