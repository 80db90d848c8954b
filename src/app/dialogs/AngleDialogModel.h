// SPDX-License-Identifier: MIT
#pragma once
// Rules of the angle-of-attack dialog. The working value AoaDegrees follows
// the typed text, pulled into -20..20, and positions the slider; the text box
// keeps what was typed, and OK applies that text unchanged.

#include <string>
#include <string_view>

#include "app/SharedState.h"
#include "app/dialogs/FieldCheck.h"

namespace ribcraft {

class AngleDialogModel {
public:
    static constexpr int SliderMin = -20;
    static constexpr int SliderMax = 20;

    // Opening: AoaDegrees from the main window's angle box.
    explicit AngleDialogModel(SharedState& state);

    double aoaDegrees() const { return m_aoaDegrees; }
    const std::string& text() const { return m_text; } // Text1
    int sliderPosition() const { return m_slider; }    // Slider1

    void textChanged(std::string_view text);
    void sliderMoved(int position);

    // Angles the solution takes: -90..90 degrees.
    static constexpr double AngleLimit = 90;
    // The typed angle as OK would take it: refused when it is no number or
    // lies beyond +-90 degrees (field "Angle").
    DialogCheck check() const;
    // The same rule for any angle text (the main window's angle box uses it too).
    static DialogCheck checkAngle(std::string_view text);

    // OK: the angle box takes the typed text as it is.
    void ok();
    // Cancel: DialogCancelled becomes 1; the angle box is untouched.
    void cancel();

private:
    SharedState& m_state;
    double m_aoaDegrees = 0;
    std::string m_text;
    int m_slider = 0;
};

} // namespace ribcraft
