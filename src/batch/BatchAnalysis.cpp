// SPDX-License-Identifier: MIT
// The batch tool's analysis commands: sweep, polar and polars. None of them
// draws; each reports its numbers as comma-separated tables.

#include <charconv>
#include <cmath>
#include <ostream>

#include "app/AngleSweep.h"
#include "app/FolderPolars.h"
#include "app/PolarFile.h"
#include "app/PolarSweep.h"
#include "batch/BatchRunner.h"

namespace ribcraft {

namespace {

bool number(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    return r.ec == std::errc() && r.ptr == end && std::isfinite(value);
}

} // namespace

CommandResult BatchRunner::sweepCommand(const std::vector<std::string>& w) {
    SweepRequest q;
    if (!number(w[1], q.from) || !number(w[2], q.to) || !number(w[3], q.step))
        return CommandResult::failure("sweep takes FROM TO STEP [inviscid]");
    if (w.size() == 5) {
        if (w[4] != "inviscid") return CommandResult::failure("sweep takes FROM TO STEP [inviscid]: " + w[4]);
        q.viscous = false;
    }
    const auto table = RunSweep(m_state, q);
    if (!table) return CommandResult::from(table.status());
    m_out << SweepTableText(*table);
    CommandResult r;
    r.warning = table->warning;
    return r;
}

CommandResult BatchRunner::polarCommand(const std::string& path) {
    // What the polar view shows: the stored polars, the current one computed when missing.
    const PolarOutcome o = Polar(m_state);
    if (!o.result.ok() && o.polar == 0) return o.result;
    const Status written = WritePolarFile(m_state, path);
    if (!written.ok()) return CommandResult::from(written);
    CommandResult r;
    r.warning = o.result.ok() ? o.result.warning : o.result.message();
    return r;
}

CommandResult BatchRunner::polarsCommand(const std::vector<std::string>& w) {
    FolderPolarsRequest q;
    q.folder = w[1];
    q.outFolder = w[2];
    q.jobs = m_jobs;
    for (size_t i = 3; i < w.size(); ++i) {
        double re = 0;
        if (!number(w[i], re)) return CommandResult::failure("polars takes FOLDER OUT and Reynolds numbers: " + w[i]);
        q.reynolds.push_back(re);
    }
    const auto report = RunFolderPolars(m_state, q);
    if (!report) return CommandResult::from(report.status());
    CommandResult r;
    for (const SectionPolars& s : report->sections)
        if (!s.status.ok()) r.warning += (r.warning.empty() ? "" : "; ") + s.file + ": " + s.status.message();
    m_out << "polars: " << report->sections.size() - size_t(report->failures()) << " of " << report->sections.size()
          << " files done on " << report->jobs << (report->jobs == 1 ? " thread" : " threads") << ", summary in "
          << q.outFolder << "/summary.csv\n";
    return r;
}

} // namespace ribcraft
