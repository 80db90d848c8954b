// SPDX-License-Identifier: MIT
#include "io/ReportText.h"

#include <cmath>

#include "io/NumberFormat.h"

namespace ribcraft {
namespace {

ReportLine plain(std::string text, int fontSize = ReportFontSize) {
    ReportLine line;
    line.fontSize = fontSize;
    line.fields = {text};
    line.text = std::move(text);
    return line;
}

ReportLine zoned(std::vector<std::string> fields) {
    ReportLine line;
    line.zoned = true;
    for (size_t k = 0; k < fields.size(); ++k) {
        if (k > 0) {
            // Next zone strictly after the current end, as the print zones of a drawing surface.
            const size_t next = (line.text.size() / ReportZoneWidth + 1) * ReportZoneWidth;
            line.text.append(next - line.text.size(), ' ');
        }
        line.text += fields[k];
    }
    line.text.erase(line.text.find_last_not_of(' ') + 1);
    line.fields = std::move(fields);
    return line;
}

} // namespace

ReportDerived ReportDerivedCells(double cl, double cmLe, double cmC4Value) {
    // The centre of pressure -Cm(LE) / Cl is only meaningful with some lift: as in the
    // result panel, a lift of 0.01 or less leaves it empty (a symmetric section at 0
    // degrees would otherwise show the ratio of two rounding errors).
    const std::string cmC4 = FormatNumber(cmC4Value, "0.0###");
    if (!(std::fabs(cl) > 0.01)) return {cmC4, std::string()};
    return {cmC4, FormatNumber(-cmLe / cl * 100.0, "00") + "%c"};
}

std::vector<ReportLine> ReportLines(const ReportInputs& in) {
    std::vector<ReportLine> lines;
    lines.push_back(plain(" Zephyrin Report", ReportTitleFontSize));
    lines.push_back(plain("    Angle of Attack:  " + in.angleDisplay + ",   Flap Defl.: " + in.flapDeflection +
                          ",   Flap Length: " + in.flapLength));
    lines.push_back(plain(""));
    ReportDerived panel, corrected;
    if (in.HaveBl && in.ClB != 0.0) {
        panel = ReportDerivedCells(in.ClP, in.CmP, in.CmC4P);
        corrected = ReportDerivedCells(in.ClB, in.CmB, in.CmC4B);
    }
    lines.push_back(zoned({"", "Thin Airfoil", "Panel ", "Panel/B. Layer"}));
    lines.push_back(zoned({"", std::string(17, '-'), std::string(13, '-'), std::string(24, '-')}));
    // Without a boundary layer of these inputs its column says so rather than show another's.
    const auto bl = [&in](double v, const char* picture) {
        return in.HaveBl ? FormatNumber(v, picture) : std::string("N/A");
    };
    lines.push_back(zoned({"    Lift Coeff", in.liftText, FormatNumber(in.ClP, "0.0###"), bl(in.ClB, "0.0###")}));
    lines.push_back(zoned({"    Cm (L.E.)", in.cmLeText, FormatNumber(in.CmP, "0.0###"), bl(in.CmB, "0.0###")}));
    lines.push_back(zoned({"    Cm (c/4)", in.cmC4Text, panel.cmC4, corrected.cmC4}));
    lines.push_back(zoned({"    Angle (Cl=0)", in.alphaCl0Text, "Not Comp.", "Not Comp."}));
    lines.push_back(zoned({"    Cent. of Pres", in.xcpText, panel.xcp, corrected.xcp}));
    lines.push_back(zoned({"    Drag Coefficient", "N/A", in.dragText, bl(in.CdB, "0.0#####")}));
    lines.push_back(plain(""));
    lines.push_back(plain(""));
    return lines;
}

} // namespace ribcraft
