// SPDX-License-Identifier: MIT
#pragma once
// Rules of the Export Ribs dialog: root chord, tip chord, skin thickness and
// number of ribs as typed, the unit (in, cm or mm) and the file kind (DXF or
// SVG), and up to two spar notches (each on or off, position in per cent of
// the chord, width, depth, and the side: top, bottom or both). The Tip Chord
// box is disabled while one rib is asked for. Unlike the print dialog, the
// texts must be numbers: a file for a cutter is not made from a guess.

#include <array>
#include <string>
#include <string_view>

#include "app/RibExport.h"
#include "app/SharedState.h"

namespace ribcraft {

class RibExportModel {
public:
    static constexpr int NotchRows = 2;
    enum Side { Top = 0, Bottom = 1, Both = 2 };
    struct NotchRow {
        bool enabled = false;
        std::string positionText = "25";
        std::string widthText = "0.25";
        std::string depthText = "0.25";
        int side = Top;
    };

    explicit RibExportModel(const SharedState& state);

    // The window caption: "Export NACA " + section name + " Ribs".
    const std::string& caption() const { return m_caption; }

    std::string rootText = "6";
    std::string tipText = "6";
    std::string skinText = "0";
    const std::string& ribsText() const { return m_ribsText; }
    void ribsTextChanged(std::string_view text);
    bool tipEnabled() const { return m_tipEnabled; }
    RibUnit unit = RibUnit::Inches;
    bool svg = false;
    std::array<NotchRow, NotchRows> notches;

    // The file dialog's title and filter for the chosen kind.
    std::string fileTitle() const;
    std::string fileFilter() const;

    // The typed values as a job, or which box holds what cannot be used.
    Result<RibJob> job() const;

private:
    std::string m_caption;
    std::string m_ribsText = "1";
    bool m_tipEnabled = false;
};

} // namespace ribcraft
