// SPDX-License-Identifier: MIT
#pragma once
// Rules of the flap dialog: flap length 0..50 % chord (Text1, Slider1) and
// deflection -30..30 degrees (Text2, Slider2). Out-of-range entries are
// pulled to the nearest end and the box is rewritten; the shared values
// follow every change and Cancel restores the copy taken at opening.

#include <string>
#include <string_view>

#include "app/SharedState.h"
#include "app/dialogs/FieldCheck.h"

namespace ribcraft {

class FlapDialogModel {
public:
    static constexpr int LengthMin = 0;
    static constexpr int LengthMax = 50;
    static constexpr int DeflectionMin = -30;
    static constexpr int DeflectionMax = 30;

    explicit FlapDialogModel(SharedState& state);

    double flapLength() const { return m_state.FlapLength; }
    double flapDeflection() const { return m_state.FlapDeflection; }
    const std::string& lengthText() const { return m_lengthText; }         // Text1
    const std::string& deflectionText() const { return m_deflectionText; } // Text2
    int lengthSlider() const { return m_lengthSlider; }                    // Slider1
    int deflectionSlider() const { return m_deflectionSlider; }            // Slider2

    void lengthTextChanged(std::string_view text);
    void deflectionTextChanged(std::string_view text);
    void lengthSliderMoved(int position);
    void deflectionSliderMoved(int position);

    // Both boxes must hold numbers (fields FlapLength, FlapDeflection); their
    // ranges are kept as they are typed.
    DialogCheck check() const;

    // OK: the values from the boxes; the main window's flap displays are the
    // typed texts followed by " Deg." and " %c".
    void ok();
    // Cancel: the values at opening come back, DialogCancelled becomes 1.
    void cancel();

private:
    SharedState& m_state;
    double m_savedLength, m_savedDeflection;
    std::string m_lengthText, m_deflectionText;
    int m_lengthSlider = 0, m_deflectionSlider = 0;
};

} // namespace ribcraft
