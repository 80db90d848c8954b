// SPDX-License-Identifier: MIT
#pragma once
// The coefficients dialog shows the main window's six thin-airfoil result
// texts beside their captions.

#include <array>
#include <string>

#include "app/SharedState.h"

namespace ribcraft {

struct CoefficientsDialogModel {
    static constexpr int Count = 6;
    static const std::array<std::string, Count>& captions();

    // Copies the result texts: lift, drag, Cm (l.e.), Cm (c/4), centre of
    // pressure, angle for Cl = 0.
    explicit CoefficientsDialogModel(const SharedState& state);

    std::array<std::string, Count> values;
};

} // namespace ribcraft
