// SPDX-License-Identifier: MIT
#pragma once
// Rules of the Print Templates dialog: root chord, tip chord, skin thickness
// and number of sections as typed (read as numbers only when printing), the
// unit of all four ("in" or "cm"), and the Tip Chord box, which is disabled
// while one section is asked for (a single rib has no tip).

#include <string>
#include <string_view>

#include "app/SharedState.h"

namespace ribcraft {

// What the print routine needs from the dialog: the four values as numbers
// and the unit.
struct TemplateJob {
    double RootChord = 6;
    double TipChord = 6;
    double SkinThickness = 0;
    double Sections = 1; // as typed; the print routine rounds it to a whole count
    bool Centimetres = false;
};

class TemplatesModel {
public:
    explicit TemplatesModel(const SharedState& state);

    // The window caption: "Print NACA " + section name + " Template".
    const std::string& caption() const { return m_caption; }

    const std::string& rootText() const { return m_rootText; }         // Text5
    const std::string& tipText() const { return m_tipText; }           // Text1
    const std::string& skinText() const { return m_skinText; }         // Text3
    const std::string& sectionsText() const { return m_sectionsText; } // Text2
    bool centimetres() const { return m_centimetres; }                 // Option3 ("cm") selected
    bool tipEnabled() const { return m_tipEnabled; }

    void rootTextChanged(std::string_view text) { m_rootText = text; }
    void tipTextChanged(std::string_view text) { m_tipText = text; }
    void skinTextChanged(std::string_view text) { m_skinText = text; }
    // A count of exactly 1 disables the Tip Chord box; any other entry enables it.
    void sectionsTextChanged(std::string_view text);
    void setCentimetres(bool centimetres) { m_centimetres = centimetres; }

    // The typed texts read with the lenient numeric conversion.
    TemplateJob job() const;

private:
    std::string m_caption;
    std::string m_rootText = "6";
    std::string m_tipText = "6";
    std::string m_skinText = "0";
    std::string m_sectionsText = "1";
    bool m_centimetres = false;
    bool m_tipEnabled = false;
};

} // namespace ribcraft
