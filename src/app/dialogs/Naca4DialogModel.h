// SPDX-License-Identifier: MIT
#pragma once
// Rules of the NACA 4-digit dialog: camber M (0..9), position of maximum
// camber P (0..9, 0 only without camber) and thickness T (1..30). The values
// live in the shared state while the dialog edits them; the model keeps the
// copy taken at opening for Cancel and the texts its three boxes show.

#include <string>
#include <string_view>

#include "app/SharedState.h"

namespace ribcraft {

// "2412" from M = 2, P = 4, T = 12; T below 10 gets a leading "0" ("0009").
std::string Naca4Designation(int camber, int position, int thickness);

class Naca4DialogModel {
public:
    // Opening: takes the private copy and fills the boxes.
    explicit Naca4DialogModel(SharedState& state);

    int camber() const { return m_state.Naca4Camber; }
    int position() const { return m_state.Naca4Position; }
    int thickness() const { return m_state.Naca4Thickness; }
    const std::string& camberText() const { return m_camberText; }       // Text1
    const std::string& positionText() const { return m_positionText; }   // Text2
    const std::string& thicknessText() const { return m_thicknessText; } // Text3
    std::string designation() const;
    std::string caption() const { return "NACA " + designation(); }

    // Spin buttons: one step, the wrap rule, then every box is rewritten.
    void camberDown();
    void camberUp();
    void positionDown();
    void positionUp();
    void thicknessDown();
    void thicknessUp();

    // Typed texts: the value is taken from the first character(s), forced
    // into range, and the box shows the normalised value.
    void camberTextChanged(std::string_view text);
    void positionTextChanged(std::string_view text);
    void thicknessTextChanged(std::string_view text);

    // OK: the section name box takes the digits, AirfoilType becomes 4.
    void ok();
    // Cancel: the values at opening come back, DialogCancelled becomes 1.
    void cancel();

private:
    void afterCamberChange();
    void rewriteTexts();

    SharedState& m_state;
    int m_savedCamber, m_savedPosition, m_savedThickness;
    std::string m_camberText, m_positionText, m_thicknessText;
};

} // namespace ribcraft
