// SPDX-License-Identifier: MIT
#include "app/AngleSweep.h"

#include <cmath>

#include "analysis/Drag.h"
#include "app/PanelDriver.h"
#include "app/Recompute.h"
#include "app/dialogs/DialogProtocol.h"
#include "io/NumberFormat.h"
#include "io/PolarTable.h"

namespace ribcraft {

namespace {

Status Refused(const std::string& text) {
    return Status::Error(ErrorKind::InvalidInput, text);
}

std::string Csv(const std::string& text) {
    // The result texts are numbers; a comma could only come from a name.
    return text.find_first_of(",\"") == std::string::npos ? text : "\"" + text + "\"";
}

// Solves the copy at one angle as the angle box would, and fills the row;
// false when the angle itself cannot be solved. A drag estimate that fails
// leaves the drag cells empty.
bool SolveRow(SharedState& s, const std::string& angle, bool viscous, SweepRow& row, std::string& dragFault) {
    s.Texts.AngleText = angle;
    AngleBoxEntered(s);
    row = {};
    row.alpha = angle;
    bool dragOk = false;
    if (viscous) {
        const CommandResult r = RecomputeForRedraw(s);
        // An angle the panel method refuses is put back to the solved one; a
        // failed drag estimate leaves this angle's panel solution in place.
        if (!r.ok() && (s.Texts.AngleText != angle || !s.HaveSolution)) return false;
        dragOk = r.ok();
        if (!r.ok()) dragFault = r.message();
    } else {
        if (!PlainSolution(s).ok()) return false;
        s.NewFlag = 1; // no drag for this solution: a later redraw solves it whole
        UpdateThinAirfoil(s, s.Alpha);
    }
    const PanelTexts& t = s.Texts;
    row.cl = t.LiftText;
    row.cmLe = t.CmLeText;
    row.cmC4 = t.CmC4Text;
    row.clPanel = FormatNumber(s.ClPanel, "0.0###");
    row.cmLePanel = FormatNumber(s.CmLePanel, "0.0###");
    if (dragOk) {
        row.cd = t.DragText;
        row.transitionUpper = FormatNumber(s.TransitionXUpper, "0.0###");
        row.transitionLower = FormatNumber(s.TransitionXLower, "0.0###");
        row.stalled = t.Stalled ? "1" : "0";
    }
    return true;
}

std::string Title(const SharedState& s, bool viscous) {
    std::string title = "# sweep of \"" + s.Texts.SectionName + "\", flap " + s.Texts.FlapLengthText + " at " +
                        s.Texts.FlapDeflectionText + ", Re " + FreeForm(s.re) + ", " + std::to_string(s.PointCount) +
                        " points, ";
    return title + (viscous ? "with the drag estimate" : "inviscid");
}

} // namespace

Result<std::vector<double>> SweepAngles(const SweepRequest& q) {
    if (!std::isfinite(q.from) || !std::isfinite(q.to) || !std::isfinite(q.step))
        return Refused("sweep takes three numbers: FROM TO STEP");
    if (q.step == 0 || (q.to - q.from) * q.step < 0)
        return Refused("the sweep's step must lead from " + FreeForm(q.from) + " to " + FreeForm(q.to));
    const double steps = std::floor((q.to - q.from) / q.step + 1e-6);
    if (!(steps + 1 <= MaxSweepAngles))
        return Refused("a sweep has at most " + std::to_string(MaxSweepAngles) + " angles");
    std::vector<double> angles;
    for (int k = 0; k <= int(steps); ++k) {
        double a = std::round((q.from + k * q.step) * 1e6) / 1e6;
        if (a == 0) a = 0; // no "-0"
        if (std::abs(a) > 90) return Refused("the sweep's angles must lie within -90 to 90 degrees");
        angles.push_back(a);
    }
    return angles;
}

Result<SweepTable> RunSweep(const SharedState& state, const SweepRequest& request) {
    const auto angles = SweepAngles(request);
    if (!angles) return angles.status();
    SharedState s = state;
    SweepTable table;
    table.rows.reserve(angles->size());
    for (double a : *angles) {
        std::string dragFault;
        SweepRow& row = table.rows.emplace_back();
        if (!SolveRow(s, ShortestNumber(a), request.viscous, row, dragFault))
            return Status::Error(ErrorKind::KernelRefused, "the sweep cannot solve " + ShortestNumber(a) + " degrees");
        if (!dragFault.empty()) table.warning += (table.warning.empty() ? "" : ", ") + row.alpha;
    }
    if (!table.warning.empty()) table.warning = "no drag at " + table.warning + " degrees: " + BlErrorMessage;
    table.title = Title(s, request.viscous);
    return table;
}

std::string SweepTableText(const SweepTable& table) {
    std::string text = table.title + '\n' + SweepColumns + '\n';
    for (const SweepRow& r : table.rows) {
        for (const std::string* cell :
             {&r.alpha, &r.cl, &r.cmLe, &r.cmC4, &r.cd, &r.transitionUpper, &r.transitionLower, &r.stalled, &r.clPanel})
            text += Csv(*cell) + ',';
        text += Csv(r.cmLePanel) + '\n';
    }
    return text;
}

} // namespace ribcraft
