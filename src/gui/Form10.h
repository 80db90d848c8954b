// SPDX-License-Identifier: MIT
#pragma once
// Coefficients dialog.
//
// Controls:
//   SSTab1        one tab, "Theoretical (Thin Airfoil Theory)"
//   Label5(0..5)  captions "Lift Coefficient" .. "Angle for Cl = 0"
//   Label6(0..5)  the main window's result texts, copied on opening
//   Command1 "OK" closes
// The values come from CoefficientsDialogModel.

#include <QDialog>

#include "app/SharedState.h"

class QLabel;

namespace ribcraft {

class Form10 : public QDialog {
    Q_OBJECT
public:
    explicit Form10(SharedState& state, QWidget* parent = nullptr);

    // Label6(index) text, index 0..5.
    QString valueText(int index) const;

private:
    QLabel* m_values[6] = {};
};

} // namespace ribcraft
