#include "app/dialogs/BoundaryLayerOptionsModel.h"

#include <algorithm>
#include <cmath>

#include "app/dialogs/DialogText.h"
#include "app/dialogs/OptionsDialogModel.h"
#include "base/ViewCodes.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

std::vector<std::string> numberList(int first, int last, int step) {
    std::vector<std::string> list;
    for (int v = first; v <= last; v += step)
        list.push_back(std::to_string(v));
    return list;
}

// A typed value held to [lo, hi]; a text that is no number, or not finite, gives lo.
double held(const std::string& text, double lo, double hi) {
    const double v = Val(text);
    if (!std::isfinite(v) || v < lo) return lo;
    return std::min(v, hi);
}

int heldCount(const std::string& text, int lo, int hi) {
    return std::clamp(RoundHalfEven(held(text, lo, hi)), lo, hi);
}

// The dialog offers the velocity profiles and the thickness of either surface,
// not the friction graphs.
bool offeredDisplay(int option) {
    return option >= BlSubView::UpperProfiles && option <= BlSubView::LowerThickness;
}

} // namespace

BoundaryLayerOptionsModel::BoundaryLayerOptionsModel(SharedState& state) : m_state(state) {
    reText = DecimalText(state.re);
    transitionModel = state.BlOptions;
    roughnessText = DecimalText(state.BlRough);
    displayBlasius = state.DisplayBlasius == 1;
    profileCountText = std::to_string(state.BlVelView);
    pointCountText = std::to_string(state.PointCount);
    blPointsText = std::to_string(state.BlPoints);
    gridHeightText = DecimalText(state.BlLimit);
    maxCdText = DecimalText(state.MaxCdSetting);
    flowSeparationModel = state.FlowSeperationModel == 1 ? 1 : 0;
    displayOption = offeredDisplay(state.BlDisplayOpt) ? state.BlDisplayOpt : 0;
    polarSolution = state.PolarSolution == 2 ? 2 : 1;
}

std::vector<std::string> BoundaryLayerOptionsModel::profileCountList() {
    return numberList(2, 40, 2);
}
std::vector<std::string> BoundaryLayerOptionsModel::pointCountList() {
    return numberList(40, 340, 20);
}
std::vector<std::string> BoundaryLayerOptionsModel::blPointsList() {
    return numberList(16, 64, 8);
}
std::vector<std::string> BoundaryLayerOptionsModel::gridHeightList() {
    return numberList(10, 100, 10);
}
std::vector<std::string> BoundaryLayerOptionsModel::maxCdList() {
    return numberList(16, 96, 8);
}

DialogCheck BoundaryLayerOptionsModel::check() const {
    DialogCheck c;
    CheckNumber(c, "re", "Reynolds Number", reText, {MinRe, MaxRe, true, false});
    CheckNumber(c, "BlRough", "Wall roughness", roughnessText, {0, 1e6, false, false});
    if (const auto rough = TypedNumber(roughnessText); rough && *rough < 0)
        c.refuse("BlRough", "Wall roughness must not be negative (0 gives natural transition).");
    CheckNumber(c, "BlVelView", "Number of Profiles to Display", profileCountText,
                {1, double(cap::BlStations), true, true});
    CheckNumber(c, "PointCount", "No. of Points about Airfoil", pointCountText,
                {double(OptionsDialogModel::MinCount), double(OptionsDialogModel::MaxCount), true, true});
    CheckNumber(c, "BlPoints", "No. of Points in BLayer", blPointsText,
                {double(MinBlPoints), double(MaxBlPoints), true, true});
    CheckNumber(c, "BlLimit", "Grid Height", gridHeightText, {1, 1000, true, false});
    CheckNumber(c, "MaxCdSetting", "Maximum Cd Setting", maxCdText, {1, 1000, true, false});
    return c;
}

void BoundaryLayerOptionsModel::ok() {
    SharedState& s = m_state;
    s.re = held(reText, MinRe, MaxRe);
    if (transitionModel >= 1 && transitionModel <= 3) s.BlOptions = transitionModel;
    s.BlRough = held(roughnessText, 0, 1e6);
    s.DisplayBlasius = displayBlasius ? 1 : 0;
    s.BlVelView = heldCount(profileCountText, 1, cap::BlStations);
    s.SurfacePoints = OptionsDialogModel::surfacePointsFor(pointCountText);
    s.PointCount = 2 * s.SurfacePoints;
    s.BlPoints = heldCount(blPointsText, MinBlPoints, MaxBlPoints);
    s.BlLimit = held(gridHeightText, 1, 1000);
    s.MaxCdSetting = held(maxCdText, 1, 1000);
    s.FlowSeperationModel = flowSeparationModel == 1 ? 1 : 0;
    if (offeredDisplay(displayOption)) s.BlDisplayOpt = displayOption;
    s.PolarSolution = polarSolution == 2 ? 2 : 1;
    s.CompBlFlag = 1;
}

void BoundaryLayerOptionsModel::cancel() {
    m_state.DialogCancelled = 1;
}

void AfterBoundaryLayerOptionsAccepted(SharedState& state) {
    state.NewFlag = 1;
}

} // namespace ribcraft
