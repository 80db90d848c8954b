// SPDX-License-Identifier: MIT
#pragma once
// Polars for every coordinate file of a folder at a list of Reynolds numbers,
// on several threads at once. Each section starts from the same settings
// (points, flap, boundary-layer options) and is solved exactly as a single
// run would solve it; the threads share nothing but a queue of file indices,
// so the result files do not depend on the number of threads.
//
// For each readable file FILE the polars go to OUT/FILE.polar.csv in the
// polar table layout (io/PolarTable.h); OUT/summary.csv has one line per file
// and Reynolds number:
//   file,section,re,points,cl_max,alpha_cl_max,cd_min,max_cl_cd,alpha_max_cl_cd,error
// A file that cannot be read, or a polar that could not be completed, is named
// with its reason in the error column (a broken polar keeps the angles solved
// before the fault); the other files are not affected.

#include <string>
#include <vector>

#include "app/SharedState.h"
#include "base/Status.h"
#include "io/PolarTable.h"

namespace ribcraft {

struct FolderPolarsRequest {
    std::string folder;           // the coordinate files: every regular file whose name does not start with '.'
    std::string outFolder;        // made when missing
    std::vector<double> reynolds; // 1 to PolarStore::MaxPolars numbers from 1000 to 1e9
    int jobs = 0;                 // threads; 0 = one per processor core
};

struct SectionPolars {
    std::string file;    // the file's name within the folder
    std::string section; // its name line
    std::vector<PolarTable> polars;
    Status status; // the first fault of the file or one of its polars; Ok when none failed
    bool readable = false;
};

struct FolderPolarsReport {
    std::vector<SectionPolars> sections; // in file-name order
    int jobs = 1;                        // threads used
    int failures() const;                // sections with an error
};

// Runs the request; an error only for a request that cannot start (no such
// folder, an output folder that cannot be made, Reynolds numbers out of
// range). Faults of single files are in the report.
Result<FolderPolarsReport> RunFolderPolars(const SharedState& settings, const FolderPolarsRequest& request);

// The text of summary.csv.
std::string FolderSummaryText(const FolderPolarsReport& report);

} // namespace ribcraft
