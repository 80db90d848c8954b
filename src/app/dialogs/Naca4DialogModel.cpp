// SPDX-License-Identifier: MIT
#include "app/dialogs/Naca4DialogModel.h"

#include <algorithm>

#include "app/dialogs/DialogText.h"

namespace ribcraft {

std::string Naca4Designation(int camber, int position, int thickness) {
    std::string digits = std::to_string(camber) + std::to_string(position);
    if (thickness < 10) digits += '0';
    return digits + std::to_string(thickness);
}

Naca4DialogModel::Naca4DialogModel(SharedState& state)
    : m_state(state), m_savedCamber(state.Naca4Camber), m_savedPosition(state.Naca4Position),
      m_savedThickness(state.Naca4Thickness) {
    rewriteTexts();
}

std::string Naca4DialogModel::designation() const {
    return Naca4Designation(m_state.Naca4Camber, m_state.Naca4Position, m_state.Naca4Thickness);
}

void Naca4DialogModel::rewriteTexts() {
    m_thicknessText = std::to_string(m_state.Naca4Thickness);
    m_positionText = std::to_string(m_state.Naca4Position);
    m_camberText = std::to_string(m_state.Naca4Camber);
}

// A cambered section needs a position of maximum camber of at least 1.
void Naca4DialogModel::afterCamberChange() {
    if (m_state.Naca4Camber > 0 && m_state.Naca4Position == 0) m_state.Naca4Position = 1;
}

void Naca4DialogModel::camberDown() {
    int& m = m_state.Naca4Camber;
    if (--m < 0) m = 9;
    afterCamberChange();
    rewriteTexts();
}

void Naca4DialogModel::camberUp() {
    int& m = m_state.Naca4Camber;
    if (++m > 9) m = 0;
    afterCamberChange();
    rewriteTexts();
}

void Naca4DialogModel::positionDown() {
    int& p = m_state.Naca4Position;
    const int lowest = m_state.Naca4Camber > 0 ? 1 : 0;
    if (--p < lowest) p = 9;
    rewriteTexts();
}

void Naca4DialogModel::positionUp() {
    int& p = m_state.Naca4Position;
    if (++p > 9) p = m_state.Naca4Camber > 0 ? 1 : 0;
    rewriteTexts();
}

void Naca4DialogModel::thicknessDown() {
    int& t = m_state.Naca4Thickness;
    if (--t < 1) t = 30;
    rewriteTexts();
}

void Naca4DialogModel::thicknessUp() {
    int& t = m_state.Naca4Thickness;
    if (++t > 30) t = 1;
    rewriteTexts();
}

void Naca4DialogModel::camberTextChanged(std::string_view text) {
    m_state.Naca4Camber = std::max(0, RoundHalfEven(LeadingValue(text, 1)));
    if (m_state.Naca4Camber > 0 && m_state.Naca4Position == 0) {
        m_state.Naca4Position = 1;
        m_positionText = "1";
    }
    m_camberText = std::to_string(m_state.Naca4Camber);
}

void Naca4DialogModel::positionTextChanged(std::string_view text) {
    m_state.Naca4Position = std::max(0, RoundHalfEven(LeadingValue(text, 1)));
    if (m_state.Naca4Camber > 0 && m_state.Naca4Position == 0) m_state.Naca4Position = 1;
    m_positionText = std::to_string(m_state.Naca4Position);
}

void Naca4DialogModel::thicknessTextChanged(std::string_view text) {
    m_state.Naca4Thickness = std::clamp(RoundHalfEven(LeadingValue(text, 2)), 1, 30);
    m_thicknessText = std::to_string(m_state.Naca4Thickness).substr(0, 2);
}

void Naca4DialogModel::ok() {
    m_state.Texts.SectionName = designation();
    m_state.AirfoilType = 4;
}

void Naca4DialogModel::cancel() {
    m_state.Naca4Camber = m_savedCamber;
    m_state.Naca4Position = m_savedPosition;
    m_state.Naca4Thickness = m_savedThickness;
    m_state.DialogCancelled = 1;
}

} // namespace ribcraft
