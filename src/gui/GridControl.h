// SPDX-License-Identifier: MIT
#pragma once
// Grid Control dialog: the user mesh of the mesh view.
//
// Controls:
//   Label1 "Number of  Points Around Airfoil"      Combo1: 21 .. 191, any count may be typed
//   Label2 "Number of Points in Radial  Direction" Combo2: 21 .. 91
//   Label3 "Outer Circle Radius"                   Combo3: 4 .. 20
//   Frame1 "Grid Clustering Near Airfoil"          Label4 "Less Points", Slider1 (0 .. 100), Label5 "More Points"
//   Command1 "OK"       MeshX, MeshY, OuterRadius from the boxes, GridCluster from the slider, NewGrid 1
//   Command2 "Cancel"   DialogCancelled 1
// The rules live in GridControlModel.

#include <QDialog>
#include <memory>

#include "app/SharedState.h"
#include "app/dialogs/GridControlModel.h"

class QComboBox;
class QSlider;

namespace ribcraft {

class GridControl : public QDialog {
    Q_OBJECT
public:
    explicit GridControl(SharedState& state, QWidget* parent = nullptr);
    ~GridControl() override;

    // Closing the window or pressing Escape is the Cancel button.
    void reject() override;

private:
    void accepted();

    std::unique_ptr<GridControlModel> m_model;
    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combo2 = nullptr;
    QComboBox* m_combo3 = nullptr;
    QSlider* m_slider1 = nullptr;
};

} // namespace ribcraft
