// SPDX-License-Identifier: MIT
#pragma once
// A sweep over the angle of attack for the current section, flap, points and
// Reynolds number: each angle is solved as if it had been typed into the
// angle box, and its row holds what the result panel then shows. The sweep
// works on a copy, so the state itself is left as it was.

#include <string>
#include <vector>

#include "app/SharedState.h"
#include "base/Status.h"

namespace ribcraft {

struct SweepRequest {
    double from = 0, to = 0, step = 1;
    bool viscous = true; // false: panel and thin-airfoil results only, no drag estimate
};

// At most this many angles a sweep.
inline constexpr int MaxSweepAngles = 2001;

// The angles of a request: from, from + step, ... up to to (within a
// millionth of a step), each rounded to a millionth of a degree so that
// "0.1" steps give 0.3, not 0.30000000000000004. Refused when a bound is not
// finite, the step is zero, points away from to, or gives more than
// MaxSweepAngles angles, or an angle lies beyond +-90 degrees.
Result<std::vector<double>> SweepAngles(const SweepRequest& request);

// One row: the texts of the result panel for one angle, the chord positions
// where the drag estimate's layers turn turbulent (cd, the transition points
// and stalled are empty for an inviscid sweep), and the panel method's own
// lift and moment as the report writes them.
struct SweepRow {
    std::string alpha, cl, cmLe, cmC4, cd, transitionUpper, transitionLower, stalled, clPanel, cmLePanel;
};

struct SweepTable {
    std::string title; // "# ..." naming the section, flap, Reynolds number and points
    std::vector<SweepRow> rows;
    std::string warning; // the angles whose drag estimate failed, empty when none did
};

// Column names of a sweep table, in order.
inline constexpr const char* SweepColumns = "alpha,cl,cm_le,cm_c4,cd,xtr_upper,xtr_lower,stalled,cl_panel,cm_le_panel";

// Solves every angle of the request on a copy of s. Stops at the first angle
// that cannot be solved, with its angle in the message.
Result<SweepTable> RunSweep(const SharedState& s, const SweepRequest& request);

// The table as text: the title line, the column names and one line per row.
std::string SweepTableText(const SweepTable& table);

} // namespace ribcraft
