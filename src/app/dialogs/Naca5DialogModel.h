// SPDX-License-Identifier: MIT
#pragma once
// Rules of the NACA 5-digit dialog: design-lift digit L (0..9, stops at its
// ends), camber position PQ (10, 20, .. 50, wraps) and thickness TT (1..30,
// wraps). Same shape as the 4-digit dialog.

#include <string>
#include <string_view>

#include "app/SharedState.h"

namespace ribcraft {

// "23012" from L = 2, PQ = 30, TT = 12; TT below 10 gets a leading "0".
std::string Naca5Designation(int lift, int position, int thickness);

class Naca5DialogModel {
public:
    explicit Naca5DialogModel(SharedState& state);

    int lift() const { return m_state.Naca5Lift; }
    int position() const { return m_state.Naca5Position; }
    int thickness() const { return m_state.Naca5Thickness; }
    const std::string& liftText() const { return m_liftText; }           // Text1
    const std::string& positionText() const { return m_positionText; }   // Text2
    const std::string& thicknessText() const { return m_thicknessText; } // Text3
    std::string designation() const;
    std::string caption() const { return "NACA " + designation(); }

    void liftDown();
    void liftUp();
    void positionDown();
    void positionUp();
    void thicknessDown();
    void thicknessUp();

    void liftTextChanged(std::string_view text);
    void positionTextChanged(std::string_view text);
    void thicknessTextChanged(std::string_view text);

    // OK: the section name box takes the digits, AirfoilType becomes 5.
    void ok();
    // Cancel: the values at opening come back, DialogCancelled becomes 1.
    void cancel();

private:
    void rewriteTexts();

    SharedState& m_state;
    int m_savedLift, m_savedPosition, m_savedThickness;
    std::string m_liftText, m_positionText, m_thicknessText;
};

} // namespace ribcraft
