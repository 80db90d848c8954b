// SPDX-License-Identifier: MIT
#include "io/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace ribcraft {
namespace {

// A non-negative value as its 15 significant decimal digits: value = 0.digits * 10^point.
// Working on these digits (rather than on the binary value) makes 1.005 round to 1.01
// with two decimals, as a user reading the number expects.
struct Decimal {
    std::string digits; // exactly 15 digits, first one non-zero unless the value is 0
    int point = 0;      // position of the decimal point relative to the first digit
};

Decimal toDecimal(double magnitude, int significant = 15) {
    Decimal d;
    if (magnitude == 0.0) {
        d.digits = std::string(static_cast<size_t>(significant), '0');
        d.point = 1;
        return d;
    }
    // to_chars ignores the C locale, so a desktop with a decimal comma changes nothing here.
    char buf[48];
    auto res = std::to_chars(buf, buf + sizeof buf - 1, magnitude, std::chars_format::scientific, significant - 1);
    *res.ptr = '\0';
    // buf = "d.ddd...de+XX" (no point when significant is 1)
    d.digits.push_back(buf[0]);
    if (significant > 1) d.digits.append(buf + 2, static_cast<size_t>(significant - 1));
    const char* e = std::strchr(buf, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exponent);
    d.point = exponent + 1;
    return d;
}

// Rounds the digit string half away from zero so that `keep` digits remain (keep may be
// zero or negative: the number then rounds to zero or to one unit of the next place).
// Returns the kept digits; `point` grows by one when the rounding carries into a new place.
std::string roundDigits(const std::string& digits, int keep, int& point) {
    if (keep < 0) return std::string();
    std::string kept = digits.substr(0, static_cast<size_t>(std::min<int>(keep, static_cast<int>(digits.size()))));
    bool roundUp = keep < static_cast<int>(digits.size()) && digits[static_cast<size_t>(keep)] >= '5';
    if (!roundUp) return kept;
    int i = static_cast<int>(kept.size()) - 1;
    for (; i >= 0; --i) {
        if (kept[static_cast<size_t>(i)] == '9') {
            kept[static_cast<size_t>(i)] = '0';
        } else {
            ++kept[static_cast<size_t>(i)];
            break;
        }
    }
    if (i < 0) {
        kept.insert(kept.begin(), '1');
        ++point;
    }
    return kept;
}

struct Picture {
    int minInt = 0;      // '0' placeholders before the decimal point
    int intPlaces = 0;   // all placeholders before the decimal point
    int reqDec = 0;      // '0' placeholders after the point
    int optDec = 0;      // '#' placeholders after the point
    bool hasExp = false; // exponent part present
    char expChar = 'e';
    bool expPlus = false; // "+": always show the exponent's sign
    int expDigits = 0;    // minimum digits of the exponent
};

Picture parsePicture(std::string_view pic) {
    Picture p;
    size_t e = pic.find_first_of("eE");
    std::string_view mant = pic.substr(0, e);
    size_t dot = mant.find('.');
    std::string_view ip = mant.substr(0, dot);
    for (char c : ip) {
        if (c == '0') ++p.minInt;
        if (c == '0' || c == '#') ++p.intPlaces;
    }
    if (dot != std::string_view::npos) {
        for (char c : mant.substr(dot + 1)) {
            if (c == '0') ++p.reqDec;
            if (c == '#') ++p.optDec;
        }
    }
    if (e != std::string_view::npos) {
        p.hasExp = true;
        p.expChar = pic[e];
        std::string_view rest = pic.substr(e + 1);
        if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
            p.expPlus = rest[0] == '+';
            rest.remove_prefix(1);
        }
        for (char c : rest)
            if (c == '0') ++p.expDigits;
    }
    return p;
}

// Integer digits and decimals to text: pads the integer part to the picture's minimum,
// drops optional trailing zeros of the decimals.
std::string assemble(std::string intPart, std::string frac, const Picture& p) {
    size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? std::string() : intPart.substr(nz);
    while (static_cast<int>(intPart.size()) < p.minInt)
        intPart.insert(intPart.begin(), '0');
    while (static_cast<int>(frac.size()) > p.reqDec && frac.back() == '0')
        frac.pop_back();
    return frac.empty() ? intPart : intPart + "." + frac;
}

std::string formatFixed(double magnitude, const Picture& p) {
    const int decimals = p.reqDec + p.optDec;
    Decimal d = toDecimal(magnitude);
    int point = d.point;
    std::string kept = roundDigits(d.digits, d.point + decimals, point);
    // Lay the kept digits out around the decimal point.
    std::string all = kept;
    int lead = point; // digits before the point
    if (lead < 0) {
        all.insert(0, static_cast<size_t>(-lead), '0');
        lead = 0;
    }
    while (static_cast<int>(all.size()) < lead + decimals)
        all.push_back('0');
    return assemble(all.substr(0, static_cast<size_t>(lead)), all.substr(static_cast<size_t>(lead), decimals), p);
}

std::string formatExponent(double magnitude, const Picture& p) {
    const int intDigits = std::max(1, p.intPlaces);
    const int decimals = p.reqDec + p.optDec;
    Decimal d = toDecimal(magnitude);
    int exponent = 0;
    std::string kept(static_cast<size_t>(intDigits + decimals), '0');
    if (magnitude != 0.0) {
        int point = d.point;
        kept = roundDigits(d.digits, intDigits + decimals, point);
        kept.resize(static_cast<size_t>(intDigits + decimals)); // a carry adds a digit; the extra one is a zero
        exponent = point - intDigits;
    }
    std::string text =
        assemble(kept.substr(0, static_cast<size_t>(intDigits)), kept.substr(static_cast<size_t>(intDigits)), p);
    if (text.empty() || text[0] == '.') text.insert(text.begin(), '0');
    std::string exp = std::to_string(std::abs(exponent));
    while (static_cast<int>(exp.size()) < p.expDigits)
        exp.insert(exp.begin(), '0');
    text.push_back(p.expChar);
    if (exponent < 0)
        text.push_back('-');
    else if (p.expPlus)
        text.push_back('+');
    return text + exp;
}

// General number text with `significant` digits; exponent form when the decimal exponent
// reaches `maxExponent` or falls to -5 and below.
std::string freeForm(double value, int significant, int maxExponent) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    if (value == 0.0) return "0";
    Decimal d = toDecimal(std::fabs(value), significant);
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = d.point - 1; // value = d.ddd * 10^exponent
    std::string text = value < 0 ? "-" : "";
    if (exponent >= maxExponent || exponent <= -5) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) text += "." + digits.substr(1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return text + exp;
    }
    if (exponent < 0) return text + "." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    const size_t lead = static_cast<size_t>(exponent + 1);
    if (digits.size() <= lead) return text + digits + std::string(lead - digits.size(), '0');
    return text + digits.substr(0, lead) + "." + digits.substr(lead);
}

} // namespace

std::string FreeForm(double value) {
    return freeForm(value, 15, 15);
}

std::string FreeFormSingle(float value) {
    return freeForm(static_cast<double>(value), 7, 7);
}

std::string FormatNumber(double value, std::string_view picture) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    Picture p = parsePicture(picture);
    std::string text = p.hasExp ? formatExponent(std::fabs(value), p) : formatFixed(std::fabs(value), p);
    // A value that rounds to zero is shown without a sign: "0.000", never "-0.000".
    const std::string mantissa = p.hasExp ? text.substr(0, text.find(p.expChar)) : text;
    const bool shownAsZero = mantissa.find_first_of("123456789") == std::string::npos;
    if (value < 0 && !shownAsZero) text.insert(text.begin(), '-');
    return text;
}

namespace {
std::string asPrintItem(const std::string& text) {
    return (text[0] == '-' ? "" : " ") + text + " ";
}
} // namespace

std::string PrintItem(double value) {
    return asPrintItem(FreeForm(value));
}

std::string PrintItemSingle(float value) {
    return asPrintItem(FreeFormSingle(value));
}

double Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.push_back(text[i++]);
    size_t mantissaDigits = 0;
    auto takeDigits = [&](size_t& count) {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            number.push_back(text[i++]);
            ++count;
        }
    };
    takeDigits(mantissaDigits);
    if (i < text.size() && text[i] == '.') {
        number.push_back(text[i++]);
        takeDigits(mantissaDigits);
    }
    if (mantissaDigits == 0) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string mantissa = number;
        size_t save = i;
        number.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.push_back(text[i++]);
        size_t expDigits = 0;
        takeDigits(expDigits);
        if (expDigits == 0) {
            number = mantissa;
            i = save;
        }
    }
    if (number[0] == '+') number.erase(0, 1);
    double v = 0.0;
    auto res = std::from_chars(number.data(), number.data() + number.size(), v);
    // A number too large for a double is not a number the program can use.
    if (res.ec != std::errc() || !std::isfinite(v)) return 0.0;
    return v;
}

PrintLine& PrintLine::join(std::string_view item) {
    m_text.append(item);
    return *this;
}

PrintLine& PrintLine::zone(std::string_view item) {
    const size_t next = (m_text.size() / ZoneWidth + 1) * ZoneWidth;
    m_text.append(next - m_text.size(), ' ');
    m_text.append(item);
    return *this;
}

} // namespace ribcraft
