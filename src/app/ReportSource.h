// SPDX-License-Identifier: MIT
#pragma once
// What the coefficients report reads from the main window: the displayed
// texts and the panel and boundary-layer coefficients.

#include "app/SharedState.h"
#include "io/ReportText.h"

namespace ribcraft {

ReportInputs ReportInputsFor(const SharedState& s);

} // namespace ribcraft
