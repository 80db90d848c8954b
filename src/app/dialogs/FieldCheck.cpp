// SPDX-License-Identifier: MIT
#include "app/dialogs/FieldCheck.h"

#include <charconv>
#include <cmath>

#include "app/dialogs/DialogText.h"

namespace ribcraft {

void DialogCheck::refuse(std::string field, std::string message) {
    if (refused()) return;
    m_refusedField = std::move(field);
    m_refusal = Status::Error(ErrorKind::InvalidInput, std::move(message));
}

void DialogCheck::pull(std::string field, std::string text, std::string note) {
    m_pulled.push_back({std::move(field), std::move(text), std::move(note)});
}

std::string DialogCheck::notes() const {
    std::string all;
    for (const PulledField& p : m_pulled) {
        if (!all.empty()) all += '\n';
        all += p.note;
    }
    return all;
}

std::optional<double> TypedNumber(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> CheckNumber(DialogCheck& check, std::string_view field, std::string_view caption,
                                  std::string_view text, const NumberRule& rule) {
    const std::string name(caption);
    const std::optional<double> value = TypedNumber(text);
    if (!value) {
        check.refuse(std::string(field), name + ": please enter a number.");
        return std::nullopt;
    }
    if (rule.positive && *value <= 0) {
        check.refuse(std::string(field), name + " must be greater than 0.");
        return std::nullopt;
    }
    const auto shown = [&rule](double v) { return rule.whole ? std::to_string(RoundHalfEven(v)) : DecimalText(v); };
    if (*value < rule.lo) {
        check.pull(std::string(field), shown(rule.lo),
                   name + ": " + std::string(text) + " is below " + shown(rule.lo) + ", the smallest allowed; set to " +
                       shown(rule.lo) + ".");
        return rule.lo;
    }
    if (*value > rule.hi) {
        check.pull(std::string(field), shown(rule.hi),
                   name + ": " + std::string(text) + " is above " + shown(rule.hi) + ", the largest allowed; set to " +
                       shown(rule.hi) + ".");
        return rule.hi;
    }
    return value;
}

} // namespace ribcraft
