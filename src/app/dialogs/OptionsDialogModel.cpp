// SPDX-License-Identifier: MIT
#include "app/dialogs/OptionsDialogModel.h"

#include <cmath>

#include "app/dialogs/DialogText.h"
#include "io/NumberFormat.h"

namespace ribcraft {

OptionsDialogModel::OptionsDialogModel(SharedState& state) : m_state(state), m_text(std::to_string(state.PointCount)) {}

std::vector<std::string> OptionsDialogModel::countList() {
    std::vector<std::string> list;
    for (int n = MinCount; n <= MaxCount; n += ListStep)
        list.push_back(std::to_string(n));
    return list;
}

int OptionsDialogModel::surfacePointsFor(std::string_view text) {
    double count = Val(text);
    // Guard: the outline must stay within its arrays and have enough points
    // for a solution, so the count is held to the range the list offers.
    if (std::isnan(count) || count < MinCount)
        count = MinCount;
    else if (count > MaxCount)
        count = MaxCount;
    return RoundHalfEven(count / 2.0);
}

DialogCheck OptionsDialogModel::check() const {
    DialogCheck c;
    CheckNumber(c, "PointCount", "Number of Points", m_text, {MinCount, MaxCount, true, true});
    return c;
}

void OptionsDialogModel::ok() {
    m_state.SurfacePoints = surfacePointsFor(m_text);
    m_state.PointCount = 2 * m_state.SurfacePoints;
}

void OptionsDialogModel::cancel() {
    m_state.DialogCancelled = 1;
}

} // namespace ribcraft
