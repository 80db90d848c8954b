// SPDX-License-Identifier: MIT
#pragma once
// The lines of the aerodynamic-coefficients report: thin-airfoil theory (the result panel's texts)
// beside the inviscid panel solution and the panel solution corrected by the boundary layer.
//
// Each line carries its font size and its fields. Table lines have four fields that start at
// print zones of ReportZoneWidth columns: 0, 24, 48, 72. The zone is wider than the program's
// 14-column file zones because the row captions ("    Drag Coefficient") and the rule under
// "Thin Airfoil" are wider than 14 columns; with 24 every field of every row starts in its own
// zone, so the columns line up. A drawing surface places field k at zone k; `text` is the same
// line for a fixed-width font (trailing blanks removed).

#include <string>
#include <vector>

namespace ribcraft {

inline constexpr int ReportZoneWidth = 24;
inline constexpr int ReportTitleFontSize = 14;
inline constexpr int ReportFontSize = 8;

struct ReportInputs {
    std::string angleDisplay;         // "0.0 Deg."
    std::string flapDeflection;       // as displayed
    std::string flapLength;           // as displayed
    std::string liftText;             // thin-airfoil Cl
    std::string cmLeText;             // thin-airfoil Cm about the leading edge
    std::string cmC4Text;             // thin-airfoil Cm about c/4
    std::string alphaCl0Text;         // angle for Cl = 0
    std::string xcpText;              // centre of pressure
    std::string dragText;             // drag coefficient of the result panel
    double ClP = 0, CmP = 0;          // panel solution
    double ClB = 0, CmB = 0, CdB = 0; // corrected by the boundary layer
    double CmC4P = 0, CmC4B = 0;      // moment about the quarter chord of the two columns
    bool HaveBl = true;               // false: no boundary layer for these inputs, its column shows "N/A"
};

struct ReportLine {
    int fontSize = ReportFontSize;
    bool zoned = false;              // a table line: fields start at print zones
    std::vector<std::string> fields; // a plain line has one field
    std::string text;
};

// The report from top to bottom: title, angle line, empty line, eight table lines, two empty lines.
std::vector<ReportLine> ReportLines(const ReportInputs& in);

// Derived cells of one column: Cm(c/4) and the centre of pressure ("27%c"); empty when undefined.
// cmC4 is the column's moment about the quarter chord.
struct ReportDerived {
    std::string cmC4;
    std::string xcp;
};
ReportDerived ReportDerivedCells(double cl, double cmLe, double cmC4);

} // namespace ribcraft
