// SPDX-License-Identifier: MIT
#include "batch/ScriptJobs.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string_view>
#include <thread>

#include "batch/BatchRunner.h"

namespace ribcraft {

Result<BatchArguments> ParseBatchArguments(int argc, char** argv) {
    BatchArguments a;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--jobs") {
            const std::string_view value = i + 1 < argc ? std::string_view(argv[++i]) : std::string_view();
            const auto r = std::from_chars(value.data(), value.data() + value.size(), a.jobs);
            if (value.empty() || r.ec != std::errc() || r.ptr != value.data() + value.size() || a.jobs < 1 ||
                a.jobs > 1024) {
                return Status::Error(ErrorKind::InvalidInput, "--jobs takes a number of threads from 1 to 1024");
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Status::Error(ErrorKind::InvalidInput, "unknown option " + std::string(arg));
        } else {
            a.scripts.emplace_back(arg);
        }
    }
    return a;
}

namespace {

struct ScriptRun {
    std::ostringstream out, err;
    int status = 0;
};

// Whether the script at path has a command that paints (false when it cannot be read).
bool ScriptDraws(const std::string& path) {
    std::ifstream script(path);
    for (std::string line; std::getline(script, line);)
        if (BatchRunner::drawsPicture(line)) return true;
    return false;
}

void RunOne(const std::string& path, int polarJobs, const PictureSource& pictures, ScriptRun& run) {
    std::ifstream script(path);
    if (!script) {
        run.err << "cannot open " << path << '\n';
        run.status = 1;
        return;
    }
    BatchRunner runner(run.out);
    runner.setJobs(polarJobs);
    runner.setPictures(pictures);
    run.status = runner.runScript(script, run.err);
}

} // namespace

int RunScripts(const std::vector<std::string>& scripts, int jobs, std::ostream& out, std::ostream& err,
               const PictureSource& pictures) {
    if (scripts.size() == 1) {
        // One script: its polars command may use every thread, and its output is not held back.
        std::ifstream script(scripts[0]);
        if (!script) {
            err << "cannot open " << scripts[0] << '\n';
            return 1;
        }
        BatchRunner runner(out);
        runner.setJobs(jobs);
        runner.setPictures(pictures);
        return runner.runScript(script, err);
    }
    // The GUI application object belongs to this thread: made here, before any script paints.
    // When it cannot be made, the painting command itself reports why.
    if (pictures && std::any_of(scripts.begin(), scripts.end(), ScriptDraws))
        if (const Result<PictureCommands*> p = pictures(); p) (void)(*p)->prepare();
    std::vector<ScriptRun> runs(scripts.size());
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t threads = std::min(scripts.size(), jobs > 0 ? size_t(jobs) : size_t(cores));
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i; (i = next.fetch_add(1)) < scripts.size();)
            RunOne(scripts[i], 1, pictures, runs[i]);
    };
    std::vector<std::thread> pool;
    for (size_t t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& t : pool)
        t.join();
    int status = 0;
    for (size_t i = 0; i < runs.size(); ++i) {
        out << runs[i].out.str();
        const std::string messages = runs[i].err.str();
        // Messages name their script, as "line N" alone would not say which.
        std::istringstream lines(messages);
        for (std::string line; std::getline(lines, line);)
            err << scripts[i] << ": " << line << '\n';
        status = std::max(status, runs[i].status);
    }
    return status;
}

} // namespace ribcraft
