// SPDX-License-Identifier: MIT
#include "app/dialogs/AngleDialogModel.h"

#include <algorithm>
#include <cmath>

#include "app/dialogs/DialogText.h"
#include "io/NumberFormat.h"

namespace ribcraft {

AngleDialogModel::AngleDialogModel(SharedState& state) : m_state(state) {
    m_aoaDegrees = Val(state.Texts.AngleText);
    m_text = DecimalText(m_aoaDegrees);
    // The box is filled from the value; its change rule clamps the value and
    // places the slider.
    textChanged(m_text);
}

void AngleDialogModel::textChanged(std::string_view text) {
    m_text = text;
    m_aoaDegrees = std::clamp(Val(text), double(SliderMin), double(SliderMax));
    m_slider = RoundHalfEven(m_aoaDegrees);
}

void AngleDialogModel::sliderMoved(int position) {
    position = std::clamp(position, SliderMin, SliderMax);
    textChanged(std::to_string(position));
}

DialogCheck AngleDialogModel::checkAngle(std::string_view text) {
    DialogCheck c;
    const std::optional<double> angle = TypedNumber(text);
    if (!angle)
        c.refuse("Angle", "Angle of attack: please enter a number of degrees.");
    else if (std::abs(*angle) > AngleLimit)
        c.refuse("Angle", "Angle of attack must lie between -90 and 90 degrees.");
    return c;
}

DialogCheck AngleDialogModel::check() const {
    return checkAngle(m_text);
}

void AngleDialogModel::ok() {
    m_state.Texts.AngleText = m_text;
}

void AngleDialogModel::cancel() {
    m_state.DialogCancelled = 1;
}

} // namespace ribcraft
