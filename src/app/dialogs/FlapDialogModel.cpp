// SPDX-License-Identifier: MIT
#include "app/dialogs/FlapDialogModel.h"

#include <algorithm>

#include "app/dialogs/DialogText.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

// Applies one box's change rule: the value follows the text, an
// out-of-range value is pulled to the nearest end and the box rewritten.
void applyText(std::string_view text, int lo, int hi, double& value, std::string& boxText, int& slider) {
    boxText = text;
    value = Val(text);
    if (!(value >= lo)) { // also catches a NaN
        value = lo;
        boxText = std::to_string(lo);
    } else if (value > hi) {
        value = hi;
        boxText = std::to_string(hi);
    }
    slider = RoundHalfEven(value);
}

} // namespace

FlapDialogModel::FlapDialogModel(SharedState& state)
    : m_state(state), m_savedLength(state.FlapLength), m_savedDeflection(state.FlapDeflection) {
    deflectionTextChanged(DecimalText(state.FlapDeflection));
    lengthTextChanged(DecimalText(state.FlapLength));
}

void FlapDialogModel::lengthTextChanged(std::string_view text) {
    applyText(text, LengthMin, LengthMax, m_state.FlapLength, m_lengthText, m_lengthSlider);
}

void FlapDialogModel::deflectionTextChanged(std::string_view text) {
    applyText(text, DeflectionMin, DeflectionMax, m_state.FlapDeflection, m_deflectionText, m_deflectionSlider);
}

void FlapDialogModel::lengthSliderMoved(int position) {
    lengthTextChanged(std::to_string(std::clamp(position, LengthMin, LengthMax)));
}

void FlapDialogModel::deflectionSliderMoved(int position) {
    deflectionTextChanged(std::to_string(std::clamp(position, DeflectionMin, DeflectionMax)));
}

DialogCheck FlapDialogModel::check() const {
    DialogCheck c;
    CheckNumber(c, "FlapLength", "Flap length", m_lengthText, {double(LengthMin), double(LengthMax), false, false});
    CheckNumber(c, "FlapDeflection", "Flap deflection", m_deflectionText,
                {double(DeflectionMin), double(DeflectionMax), false, false});
    return c;
}

void FlapDialogModel::ok() {
    m_state.FlapLength = Val(m_lengthText);
    m_state.FlapDeflection = Val(m_deflectionText);
    m_state.Texts.FlapDeflectionText = m_deflectionText + " Deg.";
    m_state.Texts.FlapLengthText = m_lengthText + " %c";
}

void FlapDialogModel::cancel() {
    m_state.FlapLength = m_savedLength;
    m_state.FlapDeflection = m_savedDeflection;
    m_state.DialogCancelled = 1;
}

} // namespace ribcraft
