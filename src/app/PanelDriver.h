// SPDX-License-Identifier: MIT
#pragma once
// The program's side of the section and panel solution: what is handed to
// the Airfoil kernel, what comes back and where it is kept.

#include "app/CommandResult.h"
#include "app/SharedState.h"
#include "base/Status.h"

namespace ribcraft {

// Whether the section the state names can be built: a valid NACA number when
// RawAirfoilFlag is 0, usable file lists when it is 1.
CommandResult CheckSection(const SharedState& s, int32_t sectionNumber);

// The plain solution of the redraw: SectionNumber and Alpha from the two
// boxes, the Airfoil call, ClPanel/CmLePanel, the extrema (CpHigh, CpLow,
// YMax, YMin, Vmax, Vmin) and StagPoint. A section that cannot be built or an
// angle that is not a finite number leaves every result as it was.
CommandResult PlainSolution(SharedState& s);

// The displaced-contour solution (outline DisplacedY): ClBl, CmLeBl. On a
// refusal nothing changes and the reason is returned.
Status newCLCm(SharedState& s);

} // namespace ribcraft
