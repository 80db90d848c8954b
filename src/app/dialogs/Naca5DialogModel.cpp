// SPDX-License-Identifier: MIT
#include "app/dialogs/Naca5DialogModel.h"

#include <algorithm>

#include "app/dialogs/DialogText.h"

namespace ribcraft {

std::string Naca5Designation(int lift, int position, int thickness) {
    std::string digits = std::to_string(lift) + std::to_string(position);
    if (thickness < 10) digits += '0';
    return digits + std::to_string(thickness);
}

Naca5DialogModel::Naca5DialogModel(SharedState& state)
    : m_state(state), m_savedLift(state.Naca5Lift), m_savedPosition(state.Naca5Position),
      m_savedThickness(state.Naca5Thickness) {
    rewriteTexts();
}

std::string Naca5DialogModel::designation() const {
    return Naca5Designation(m_state.Naca5Lift, m_state.Naca5Position, m_state.Naca5Thickness);
}

void Naca5DialogModel::rewriteTexts() {
    m_thicknessText = std::to_string(m_state.Naca5Thickness);
    m_positionText = std::to_string(m_state.Naca5Position);
    m_liftText = std::to_string(m_state.Naca5Lift);
}

void Naca5DialogModel::liftDown() {
    m_state.Naca5Lift = std::max(0, m_state.Naca5Lift - 1);
    rewriteTexts();
}

void Naca5DialogModel::liftUp() {
    m_state.Naca5Lift = std::min(9, m_state.Naca5Lift + 1);
    if (m_state.Naca5Lift > 0 && m_state.Naca5Position == 0) m_state.Naca5Position = 10;
    rewriteTexts();
}

void Naca5DialogModel::positionDown() {
    int& pq = m_state.Naca5Position;
    pq -= 10;
    if (pq < 10) pq = 50;
    rewriteTexts();
}

void Naca5DialogModel::positionUp() {
    int& pq = m_state.Naca5Position;
    pq += 10;
    if (pq > 50) pq = 10;
    rewriteTexts();
}

void Naca5DialogModel::thicknessDown() {
    int& tt = m_state.Naca5Thickness;
    if (--tt < 1) tt = 30;
    rewriteTexts();
}

void Naca5DialogModel::thicknessUp() {
    int& tt = m_state.Naca5Thickness;
    if (++tt > 30) tt = 1;
    rewriteTexts();
}

void Naca5DialogModel::liftTextChanged(std::string_view text) {
    m_state.Naca5Lift = std::max(0, RoundHalfEven(LeadingValue(text, 1)));
    if (m_state.Naca5Lift > 0 && m_state.Naca5Position == 0) {
        m_state.Naca5Position = 10;
        m_positionText = "10";
    }
    m_liftText = std::to_string(m_state.Naca5Lift);
}

void Naca5DialogModel::positionTextChanged(std::string_view text) {
    m_state.Naca5Position = std::clamp(10 * RoundHalfEven(LeadingValue(text, 1)), 10, 50);
    m_positionText = std::to_string(m_state.Naca5Position);
}

void Naca5DialogModel::thicknessTextChanged(std::string_view text) {
    m_state.Naca5Thickness = std::clamp(RoundHalfEven(LeadingValue(text, 2)), 1, 30);
    m_thicknessText = std::to_string(m_state.Naca5Thickness).substr(0, 2);
}

void Naca5DialogModel::ok() {
    m_state.Texts.SectionName = designation();
    m_state.AirfoilType = 5;
}

void Naca5DialogModel::cancel() {
    m_state.Naca5Lift = m_savedLift;
    m_state.Naca5Position = m_savedPosition;
    m_state.Naca5Thickness = m_savedThickness;
    m_state.DialogCancelled = 1;
}

} // namespace ribcraft
