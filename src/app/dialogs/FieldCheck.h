// SPDX-License-Identifier: MIT
#pragma once
// Checking what was typed into a dialog before OK applies it. A value that
// makes no sense (text in a number box, an empty box, a count or length of
// zero or less) refuses OK with a message and the dialog stays open. A value
// outside what the program can use is pulled to the nearest end of its range;
// the box is rewritten and a short note says why, and the dialog stays open
// so that the user sees it before confirming again.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Status.h"

namespace ribcraft {

// A box whose value was pulled into range: the text it shows now and why.
struct PulledField {
    std::string field;
    std::string text;
    std::string note;
};

class DialogCheck {
public:
    // The first refusal wins; later ones are ignored.
    void refuse(std::string field, std::string message);
    void pull(std::string field, std::string text, std::string note);

    bool refused() const { return !m_refusal.ok(); }
    const std::string& message() const { return m_refusal.message(); }
    // The first refusal as an InvalidInput status; Ok when nothing was refused.
    const Status& status() const { return m_refusal; }
    const std::string& refusedField() const { return m_refusedField; }
    const std::vector<PulledField>& pulled() const { return m_pulled; }
    // Nothing refused and nothing pulled: OK may go on.
    bool clean() const { return !refused() && m_pulled.empty(); }
    // The pulled fields' notes, one a line.
    std::string notes() const;

private:
    Status m_refusal;
    std::string m_refusedField;
    std::vector<PulledField> m_pulled;
};

// The value of a typed number: the whole text, blanks around it allowed,
// must be one finite number ("12", "-.5", "1e5"); anything else is no value.
std::optional<double> TypedNumber(std::string_view text);

// The rules of one number box.
struct NumberRule {
    double lo = 0, hi = 0; // the usable range
    bool positive = true;  // zero or less makes no sense: refused
    bool whole = false;    // a count: the pulled text has no decimals
};

// Checks the box `field` (shown to the user as `caption`) holding `text`:
// refuses it when it is no number (or not positive where that is asked for),
// pulls it into [lo, hi] with a note otherwise. Returns the value to use
// (the pulled one; nullopt when refused).
std::optional<double> CheckNumber(DialogCheck& check, std::string_view field, std::string_view caption,
                                  std::string_view text, const NumberRule& rule);

} // namespace ribcraft
