// SPDX-License-Identifier: MIT
#pragma once
// "Boundary Layer Options" dialog.
//
// Controls (tabs of SSTab1, buttons below the tabs):
//   Tab "Reynolds Number"
//     Frame "Reynolds Number"     Text1: Reynolds number
//     Frame "Transition Model"    Option1..3: "Always Laminar", "Transition on Laminar Seperation",
//                                 "Natural/Artificial Transition"; Text2: wall roughness (Label1 explains)
//     Check1                      "Display Blasius Profile with Boundary Layer Thickness"
//   Tab "Numerical Setting"
//     Frame "Velocity Profile Display Options"  Combo1 "Number of Profiles to Display": 2 .. 40
//     Frame (no caption)          Combo2 "No. of Points about Airfoil": 40 .. 340
//                                 Combo3 "No. of Points in BLayer": 16 .. 64
//                                 Combo4 "Grid Height (Blasius Parameter)": 10 .. 100
//   Tab "Polar Computation"
//     Frame "Graph Settings"      Combo5 "Maximum Cd Setting": 16 .. 96
//     Frame "Flow Seperation Model"  Option4 "Employ Simple Flow Seperation Model", Option5 "No Flow Seperation Model"
//     Option6..9                  the boundary-layer view (upper/lower profiles, upper/lower thickness)
//     Frame "Momentum Equations Solution Method for Cl/Cd polar"
//                                 Option10 "Direct Solution of Momentum Equations", Option11 "Solution due to E.
//                                 Truckenbrodt"
//   Command1 "OK"                 stores every setting and asks for a new boundary-layer solution
//   Command2 "Cancel"             DialogCancelled 1, nothing stored
// The rules live in BoundaryLayerOptionsModel.

#include <QDialog>
#include <memory>

#include "app/SharedState.h"
#include "app/dialogs/BoundaryLayerOptionsModel.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace ribcraft {

class frmBoundaryLayer : public QDialog {
    Q_OBJECT
public:
    explicit frmBoundaryLayer(SharedState& state, QWidget* parent = nullptr);
    ~frmBoundaryLayer() override;

    // Closing the window or pressing Escape is the Cancel button.
    void reject() override;

private:
    QWidget* reynoldsTab();
    QWidget* numericalTab();
    QWidget* polarTab();
    void store();
    void showTabOf(QWidget* box);

    std::unique_ptr<BoundaryLayerOptionsModel> m_model;
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_re = nullptr;
    QLineEdit* m_rough = nullptr;
    QRadioButton* m_transition[3] = {};
    QCheckBox* m_blasius = nullptr;
    QComboBox* m_profiles = nullptr;
    QComboBox* m_points = nullptr;
    QComboBox* m_blPoints = nullptr;
    QComboBox* m_grid = nullptr;
    QComboBox* m_maxCd = nullptr;
    QRadioButton* m_separation[2] = {};
    QRadioButton* m_display[4] = {};
    QRadioButton* m_polar[2] = {};
};

} // namespace ribcraft
