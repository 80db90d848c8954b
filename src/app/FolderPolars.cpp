// SPDX-License-Identifier: MIT
#include "app/FolderPolars.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <thread>

#include "app/FileCommands.h"
#include "app/PolarFile.h"
#include "app/PolarSweep.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace fs = std::filesystem;

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, static_cast<unsigned char>(c) < 0x20 ? ' ' : c);
    return out + '"';
}

// The folder's coordinate files, by name.
Result<std::vector<std::string>> ListFiles(const std::string& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return Status::Error(ErrorKind::InvalidInput, "no folder " + folder);
    std::vector<std::string> names;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!name.empty() && name[0] != '.' && it->is_regular_file(typeError)) names.push_back(name);
    }
    if (ec) return Status::Error(ErrorKind::InvalidInput, "cannot list " + folder + ": " + ec.message());
    std::sort(names.begin(), names.end());
    return names;
}

// One section: read, one polar per Reynolds number, its result file.
SectionPolars SolveSection(const SharedState& settings, const FolderPolarsRequest& q, const std::string& name) {
    SectionPolars out;
    out.file = name;
    const std::string path = (fs::path(q.folder) / name).string();
    SharedState s = settings;
    s.Polars.Polars.clear();
    s.PolarCount = 0;
    if (const CommandResult r = ReadAirfoil(s, path); !r.ok()) {
        std::string text = r.message(); // one line: the reader's reason follows on a line of its own
        std::replace(text.begin(), text.end(), '\n', ' ');
        out.status = Status::Error(r.kind(), std::move(text));
        return out;
    }
    out.readable = true;
    out.section = s.Texts.SectionName;
    for (double re : q.reynolds) {
        s.re = re;
        const PolarOutcome o = Polar(s);
        if (!o.result.ok() && out.status.ok())
            out.status = Status::Error(o.result.kind(), "Re " + FreeForm(re) + ": " + o.result.message());
    }
    out.polars = PolarTablesOf(ActivePolars(s));
    const Status written =
        WriteTextFile((fs::path(q.outFolder) / (name + ".polar.csv")).string(), PolarTableText(out.polars));
    if (!written.ok() && out.status.ok()) out.status = written;
    return out;
}

struct Extremes {
    double clMax = NAN, alphaClMax = NAN, cdMin = NAN, ratioMax = NAN, alphaRatioMax = NAN;
};

Extremes ExtremesOf(const PolarTable& t) {
    Extremes e;
    for (const PolarTableRow& r : t.rows) {
        if (!(r.cl <= e.clMax)) e.clMax = r.cl, e.alphaClMax = r.alpha;
        if (!(r.cd >= e.cdMin)) e.cdMin = r.cd;
        if (r.cd > 0 && !(r.cl / r.cd <= e.ratioMax)) e.ratioMax = r.cl / r.cd, e.alphaRatioMax = r.alpha;
    }
    return e;
}

std::string Number(double v) {
    return std::isfinite(v) ? ShortestNumber(v) : std::string();
}

} // namespace

int FolderPolarsReport::failures() const {
    return int(std::count_if(sections.begin(), sections.end(), [](const SectionPolars& s) { return !s.status.ok(); }));
}

Result<FolderPolarsReport> RunFolderPolars(const SharedState& settings, const FolderPolarsRequest& q) {
    if (q.reynolds.empty() || q.reynolds.size() > size_t(PolarStore::MaxPolars))
        return Status::Error(ErrorKind::InvalidInput,
                             "polars takes 1 to " + std::to_string(PolarStore::MaxPolars) + " Reynolds numbers");
    for (double re : q.reynolds)
        if (!(re >= 1e3 && re <= 1e9))
            return Status::Error(ErrorKind::InvalidInput, "Reynolds numbers go from 1000 to 1e9: " + FreeForm(re));
    if (q.jobs < 0) return Status::Error(ErrorKind::InvalidInput, "the number of jobs must not be negative");
    auto files = ListFiles(q.folder);
    if (!files) return files.status();
    std::error_code ec;
    fs::create_directories(q.outFolder, ec);
    if (!fs::is_directory(q.outFolder, ec))
        return Status::Error(ErrorKind::WriteFailed, "cannot make the folder " + q.outFolder);

    FolderPolarsReport report;
    report.sections.resize(files->size());
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t wanted = q.jobs > 0 ? size_t(q.jobs) : size_t(cores);
    report.jobs = int(std::max<size_t>(1, std::min(wanted, files->size())));
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i; (i = next.fetch_add(1)) < files->size();)
            report.sections[i] = SolveSection(settings, q, (*files)[i]);
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < report.jobs; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();

    const Status summary = WriteTextFile((fs::path(q.outFolder) / "summary.csv").string(), FolderSummaryText(report));
    if (!summary.ok()) return summary;
    return report;
}

std::string FolderSummaryText(const FolderPolarsReport& report) {
    std::string text = "file,section,re,points,cl_max,alpha_cl_max,cd_min,max_cl_cd,alpha_max_cl_cd,error\n";
    for (const SectionPolars& s : report.sections) {
        if (s.polars.empty()) {
            text += Quoted(s.file) + ',' + Quoted(s.section) + ",,0,,,,,," + Quoted(s.status.message()) + '\n';
            continue;
        }
        for (const PolarTable& t : s.polars) {
            const Extremes e = ExtremesOf(t);
            text += Quoted(s.file) + ',' + Quoted(s.section) + ',' + ShortestNumber(t.re) + ',' +
                    std::to_string(t.rows.size()) + ',' + Number(e.clMax) + ',' + Number(e.alphaClMax) + ',' +
                    Number(e.cdMin) + ',' + Number(e.ratioMax) + ',' + Number(e.alphaRatioMax) + ',' +
                    Quoted(s.status.message()) + '\n';
        }
    }
    return text;
}

} // namespace ribcraft
