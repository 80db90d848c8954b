// SPDX-License-Identifier: MIT
#include "app/dialogs/DialogText.h"

#include <cmath>
#include <limits>

#include "io/NumberFormat.h"

namespace ribcraft {

std::string DecimalText(double value) {
    std::string text = FreeForm(value);
    // The free form drops the zero before the decimal point; a text box shows it.
    if (text.starts_with('.'))
        text.insert(0, 1, '0');
    else if (text.starts_with("-."))
        text.insert(1, 1, '0');
    return text;
}

double LeadingValue(std::string_view text, std::size_t count) {
    return Val(text.substr(0, std::min(count, text.size())));
}

int RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (value <= lo) return std::numeric_limits<int>::min();
    if (value >= hi) return std::numeric_limits<int>::max();
    // nearbyint follows the current rounding mode, which is to-nearest-even.
    return static_cast<int>(std::nearbyint(value));
}

} // namespace ribcraft
