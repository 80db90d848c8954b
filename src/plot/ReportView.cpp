// SPDX-License-Identifier: MIT
#include "plot/ReportView.h"

#include "app/ReportSource.h"
#include "plot/Surface.h"

namespace ribcraft {

void Report(Surface& target, const SharedState& state) {
    target.SetScaleMode(ScalePixels);
    target.Cls();
    target.SetCurrentY(target.ScaleTop());
    target.SetCurrentX(target.ScaleLeft());
    const double savedSize = target.FontSize();
    for (const ReportLine& line : ReportLines(ReportInputsFor(state))) {
        target.SetFontSize(line.fontSize);
        target.SetCurrentX(target.ScaleLeft());
        if (!line.zoned) {
            target.Print(line.fields.empty() ? std::string() : line.fields.front());
            continue;
        }
        // Fields start at fixed print zones, measured in the width of a digit.
        const double zone = ReportZoneWidth * target.TextWidth("0");
        for (size_t k = 0; k < line.fields.size(); ++k) {
            target.SetCurrentX(target.ScaleLeft() + double(k) * zone);
            target.PrintNoNewline(line.fields[k]);
        }
        target.Print("");
    }
    target.SetCurrentX(target.ScaleLeft());
    target.SetFontSize(savedSize);
}

} // namespace ribcraft
