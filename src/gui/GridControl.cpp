// SPDX-License-Identifier: MIT
#include "gui/GridControl.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "gui/DialogParts.h"
#include "gui/Splash.h"

namespace ribcraft {

namespace {

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

GridControl::GridControl(SharedState& state, QWidget* parent)
    : QDialog(parent), m_model(std::make_unique<GridControlModel>(state)) {
    setObjectName("GridControl");
    setWindowTitle("Grid Control");
    setModal(true);

    auto* boxes = new QGridLayout;
    m_combo1 = ListBox(this, "Combo1", GridControlModel::pointsAroundList(), m_model->pointsAroundText());
    m_combo2 = ListBox(this, "Combo2", GridControlModel::pointsRadialList(), m_model->pointsRadialText());
    m_combo3 = ListBox(this, "Combo3", GridControlModel::radiusList(), m_model->radiusText());
    NumberBox(m_combo1, false, false);
    NumberBox(m_combo2, false, false);
    NumberBox(m_combo3, false, true);
    boxes->addWidget(label(this, "Label1", "Number of  Points Around Airfoil"), 0, 0);
    boxes->addWidget(m_combo1, 0, 1);
    boxes->addWidget(label(this, "Label2", "Number of Points in Radial  Direction"), 1, 0);
    boxes->addWidget(m_combo2, 1, 1);
    boxes->addWidget(label(this, "Label3", "Outer Circle Radius"), 2, 0);
    boxes->addWidget(m_combo3, 2, 1);

    auto* frame = new QGroupBox("Grid Clustering Near Airfoil", this);
    frame->setObjectName("Frame1");
    m_slider1 = new QSlider(Qt::Horizontal, frame);
    m_slider1->setObjectName("Slider1");
    m_slider1->setRange(GridControlModel::SliderMin, GridControlModel::SliderMax);
    m_slider1->setSingleStep(1);
    m_slider1->setPageStep(10);
    m_slider1->setValue(m_model->slider());
    auto* row = new QHBoxLayout(frame);
    row->addWidget(label(frame, "Label4", "Less Points"));
    row->addWidget(m_slider1, 1);
    row->addWidget(label(frame, "Label5", "More Points"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(frame);
    layout->addLayout(CommandRow(
        this, [this] { accepted(); }, [this] { reject(); }, nullptr));
    adjustSize();
    CentreOverParent(this);
}

GridControl::~GridControl() = default;

void GridControl::accepted() {
    m_model->setPointsAroundText(m_combo1->currentText().toStdString());
    m_model->setPointsRadialText(m_combo2->currentText().toStdString());
    m_model->setRadiusText(m_combo3->currentText().toStdString());
    m_model->setSlider(m_slider1->value());
    if (!ShowCheck(this, m_model->check(), {{"MeshX", m_combo1}, {"MeshY", m_combo2}, {"OuterRadius", m_combo3}}))
        return;
    m_model->ok();
    accept();
}

void GridControl::reject() {
    m_model->cancel();
    QDialog::reject();
}

} // namespace ribcraft
