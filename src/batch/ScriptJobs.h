// SPDX-License-Identifier: MIT
#pragma once
// Several scripts at once: ribcraft-batch --jobs N SCRIPT... runs each script
// on its own state, N at a time on a queue of threads. Each script's output
// and messages are kept and printed whole, script after script in the order
// given, so the output does not depend on N. Within such a run the polars
// command of a script uses one thread. The picture commands are made ready on
// the calling thread before the threads start, and only when a script paints.

#include <iosfwd>
#include <string>
#include <vector>

#include "base/Status.h"
#include "batch/PictureCommands.h"

namespace ribcraft {

// The command line of ribcraft-batch: [--jobs N] [SCRIPT...].
struct BatchArguments {
    int jobs = 0; // 0 = one per processor core
    std::vector<std::string> scripts;
};

// InvalidInput with what is wrong when the command line cannot be run.
Result<BatchArguments> ParseBatchArguments(int argc, char** argv);

// Runs the scripts; returns the highest exit status of any script (a script
// that cannot be opened counts 1). Must be called on the main thread.
int RunScripts(const std::vector<std::string>& scripts, int jobs, std::ostream& out, std::ostream& err,
               const PictureSource& pictures = {});

} // namespace ribcraft
