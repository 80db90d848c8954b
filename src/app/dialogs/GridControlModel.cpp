// SPDX-License-Identifier: MIT
#include "app/dialogs/GridControlModel.h"

#include <algorithm>
#include <cmath>

#include "app/dialogs/DialogText.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

std::vector<std::string> Steps(int from, int to, int step) {
    std::vector<std::string> list;
    for (int n = from; n <= to; n += step)
        list.push_back(std::to_string(n));
    return list;
}

// A count typed into a box, rounded as the platform stores a number into an
// integer and pulled into lo..hi.
int CountFrom(std::string_view text, int lo, int hi) {
    const double v = Val(text);
    if (!std::isfinite(v) || v <= lo) return lo;
    if (v >= hi) return hi;
    return std::clamp(RoundHalfEven(v), lo, hi);
}

} // namespace

GridControlModel::GridControlModel(SharedState& state)
    : m_state(state), m_around(std::to_string(state.MeshX)), m_radial(std::to_string(state.MeshY)),
      m_radius(FreeForm(state.OuterRadius)), m_slider(sliderFor(state.GridCluster)) {}

std::vector<std::string> GridControlModel::pointsAroundList() {
    return Steps(21, 191, 10);
}

std::vector<std::string> GridControlModel::pointsRadialList() {
    return Steps(21, 91, 10);
}

std::vector<std::string> GridControlModel::radiusList() {
    return Steps(4, 20, 2);
}

int GridControlModel::sliderFor(double clustering) {
    const double position = std::floor(1000.0 * std::log(clustering) + 0.5);
    if (!std::isfinite(position)) return clustering > 1 ? SliderMax : SliderMin;
    return static_cast<int>(std::clamp(position, double(SliderMin), double(SliderMax)));
}

void GridControlModel::setSlider(int position) {
    m_slider = std::clamp(position, SliderMin, SliderMax);
}

DialogCheck GridControlModel::check() const {
    DialogCheck c;
    CheckNumber(c, "MeshX", "Points around the airfoil", m_around,
                {double(MinPointsAround), double(MaxPointsAround), true, true});
    CheckNumber(c, "MeshY", "Points outward", m_radial, {double(MinPointsRadial), double(MaxPointsRadial), true, true});
    CheckNumber(c, "OuterRadius", "Outer radius", m_radius, {MinRadius, 1e6, true, false});
    return c;
}

void GridControlModel::ok() {
    m_state.MeshX = CountFrom(m_around, MinPointsAround, MaxPointsAround);
    m_state.MeshY = CountFrom(m_radial, MinPointsRadial, MaxPointsRadial);
    const double radius = Val(m_radius);
    m_state.OuterRadius = std::isfinite(radius) ? std::max(radius, MinRadius) : MinRadius;
    m_state.GridCluster = std::exp(m_slider / 1000.0);
    m_state.NewGrid = 1;
}

void GridControlModel::cancel() {
    m_state.DialogCancelled = 1;
}

void AfterGridControlAccepted(SharedState& state) {
    // New mesh settings ask for a new mesh only: the section stays what it is,
    // a coordinate file's section included.
    state.NewGrid = 1;
}

} // namespace ribcraft
