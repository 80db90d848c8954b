// SPDX-License-Identifier: MIT
#include "app/dialogs/RibExportModel.h"

#include <cmath>

namespace ribcraft {

RibExportModel::RibExportModel(const SharedState& state)
    : m_caption("Export NACA " + state.Texts.SectionName + " Ribs") {
    ribsTextChanged(m_ribsText);
}

void RibExportModel::ribsTextChanged(std::string_view text) {
    m_ribsText = text;
    double n = 0;
    m_tipEnabled = !(ReadNumber(m_ribsText, n) && n == 1);
}

std::string RibExportModel::fileTitle() const {
    return m_caption.substr(0, m_caption.size() - 5) + (svg ? " Ribs SVG File" : " Ribs DXF File");
}

std::string RibExportModel::fileFilter() const {
    return svg ? "SVG File (*.svg)" : "AutoCad DXF File (*.dxf)";
}

Result<RibJob> RibExportModel::job() const {
    auto number = [](const std::string& text, const char* box, double& value) -> Status {
        if (!ReadNumber(text, value))
            return Status::Error(ErrorKind::InvalidInput, std::string(box) + " is not a number: \"" + text + "\"");
        return Status::Ok();
    };
    RibJob job;
    double ribs = 0;
    for (const Status& s :
         {number(rootText, "Root Chord", job.RootChord), number(skinText, "Skin Thickness", job.SkinThickness),
          number(m_ribsText, "Number of Ribs", ribs)})
        if (!s.ok()) return s;
    if (ribs != std::floor(ribs) || ribs < 1 || ribs > MaxRibs)
        return Status::Error(ErrorKind::InvalidInput,
                             "Number of Ribs must be a whole number from 1 to " + std::to_string(MaxRibs) + ".");
    job.Ribs = static_cast<int>(ribs);
    job.TipChord = job.RootChord;
    if (m_tipEnabled)
        if (Status s = number(tipText, "Tip Chord", job.TipChord); !s.ok()) return s;
    job.Unit = unit;
    job.Svg = svg;
    for (const NotchRow& row : notches) {
        if (!row.enabled) continue;
        RibNotch n;
        for (const Status& s :
             {number(row.positionText, "Notch position", n.PercentChord), number(row.widthText, "Notch width", n.Width),
              number(row.depthText, "Notch depth", n.Depth)})
            if (!s.ok()) return s;
        n.Top = row.side != Bottom;
        n.Bottom = row.side != Top;
        job.Notches.push_back(n);
    }
    return job;
}

} // namespace ribcraft
