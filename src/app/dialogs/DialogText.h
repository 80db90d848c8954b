// SPDX-License-Identifier: MIT
#pragma once
// Small text rules shared by the dialog models.

#include <string>
#include <string_view>

namespace ribcraft {

// A number as a dialog text box shows it: plain decimal, with a leading zero
// before the decimal point ("0.5", "-0.25", "12").
std::string DecimalText(double value);

// The numeric value of the first `count` characters of a typed text
// (0 when they do not start with a number).
double LeadingValue(std::string_view text, std::size_t count);

// Round half to even, as the dialogs do when a number becomes a whole count
// or a slider position. Values beyond the int range are saturated.
int RoundHalfEven(double value);

} // namespace ribcraft
