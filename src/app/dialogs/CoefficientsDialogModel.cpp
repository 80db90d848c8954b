// SPDX-License-Identifier: MIT
#include "app/dialogs/CoefficientsDialogModel.h"

namespace ribcraft {

const std::array<std::string, CoefficientsDialogModel::Count>& CoefficientsDialogModel::captions() {
    static const std::array<std::string, Count> texts = {"Lift Coefficient",          "Drag Coefficient",
                                                         "Moment Coeffieient (L.E.)", "Moment Coeffieient (c/4)",
                                                         "Center of Pressure",        "Angle for Cl = 0"};
    return texts;
}

CoefficientsDialogModel::CoefficientsDialogModel(const SharedState& state)
    : values{state.Texts.LiftText, state.Texts.DragText, state.Texts.CmLeText,
             state.Texts.CmC4Text, state.Texts.XcpText,  state.Texts.AlphaCl0Text} {}

} // namespace ribcraft
