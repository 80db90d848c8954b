// SPDX-License-Identifier: MIT
#pragma once
// The program's number texts, independent of the locale: number pictures,
// the free number form and 14-column print zones. Every file writer and every
// caption uses these; nothing else formats numbers by hand.

#include <string>
#include <string_view>

namespace ribcraft {

// Fixed-point text by a number picture: "##0.000", "0.0###", "#0.000000", "00",
// "##0.0#", "#0.0", "##0", "0.00", "0.000" ... '0' is a digit always shown,
// '#' a digit shown only when significant; decimals marked '#' are dropped when
// they are trailing zeros. A leading minus for negative values, no padding.
// Exponent pictures such as "0.00e+" give mantissa and signed exponent.
std::string FormatNumber(double value, std::string_view picture);

// Free number form: up to 15 significant digits, no trailing zeros, no leading
// zero before the decimal point (".5", "-.25", "60"), exponent form for very
// large or very small magnitudes.
// Limits: 15 significant digits; exponent form ("1E+15", "1.5E-05") when the decimal
// exponent is 15 or more or -5 or less. Not-a-number and infinities print as "NaN", "Inf", "-Inf".
std::string FreeForm(double value);

// Free number form of a single-precision value (the kernels' outline and mesh arrays): 7
// significant digits, so 0.1f prints ".1"; exponent form from 1E+07 and from 1E-05.
std::string FreeFormSingle(float value);

// A number standing alone as a print item: a blank before a non-negative value
// and one blank after (" .5 ", "-.25 ").
std::string PrintItem(double value);
std::string PrintItemSingle(float value);

// Lenient numeric conversion of a typed text: the value of the leading number
// (blanks skipped, optional sign, digits, decimal point, exponent); 0 when the
// text does not start with a number.
double Val(std::string_view text);

// One output line built from items: join() appends directly; zone() first
// pads with blanks to the next multiple of 14 columns strictly after the
// current end (so an empty line's first zoned item starts at column 14 and an
// item reaching past a boundary pushes the next one to the following zone).
class PrintLine {
public:
    static constexpr int ZoneWidth = 14;
    PrintLine& join(std::string_view item);
    PrintLine& zone(std::string_view item); // pad to the next zone, then append
    const std::string& str() const { return m_text; }

private:
    std::string m_text;
};

} // namespace ribcraft
