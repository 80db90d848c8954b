#include "gui/FrmBoundaryLayer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/ViewCodes.h"
#include "gui/DialogParts.h"
#include "gui/Splash.h"

namespace ribcraft {

namespace {

QRadioButton* option(QWidget* parent, QVBoxLayout* layout, int index, const char* caption, bool checked) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString("Option%1").arg(index));
    button->setChecked(checked);
    layout->addWidget(button);
    return button;
}

QLineEdit* textBox(QWidget* parent, const char* name, const std::string& text) {
    auto* box = new QLineEdit(QString::fromStdString(text), parent);
    box->setObjectName(name);
    return box;
}

std::string textOf(const QComboBox* box) {
    return box->currentText().toStdString();
}

} // namespace

frmBoundaryLayer::frmBoundaryLayer(SharedState& state, QWidget* parent)
    : QDialog(parent), m_model(std::make_unique<BoundaryLayerOptionsModel>(state)) {
    setObjectName("frmBoundaryLayer");
    setWindowTitle("Boundary Layer Options");
    setModal(true);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("SSTab1");
    m_tabs->addTab(reynoldsTab(), "Reynolds Number");
    m_tabs->addTab(numericalTab(), "Numerical Setting");
    m_tabs->addTab(polarTab(), "Polar Computation");
    // Every tab caption in full: the dialog grows to fit them rather than scrolling them.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideNone);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(CommandRow(
        this,
        [this] {
            store();
            if (!ShowCheck(this, m_model->check(),
                           {{"re", m_re},
                            {"BlRough", m_rough},
                            {"BlVelView", m_profiles},
                            {"PointCount", m_points},
                            {"BlPoints", m_blPoints},
                            {"BlLimit", m_grid},
                            {"MaxCdSetting", m_maxCd}})) {
                showTabOf(focusWidget());
                return;
            }
            m_model->ok();
            accept();
        },
        [this] { reject(); }, nullptr));
    NumberBox(m_re, false, true);
    NumberBox(m_rough, false, true);
    for (QComboBox* list : {m_profiles, m_points, m_blPoints})
        NumberBox(list, false, false);
    NumberBox(m_grid, false, true);
    NumberBox(m_maxCd, false, true);
    adjustSize();
    CentreOverParent(this);
}

frmBoundaryLayer::~frmBoundaryLayer() = default;

void frmBoundaryLayer::showTabOf(QWidget* box) {
    // A refused box may sit on a tab that is not shown: bring that tab up.
    for (int i = 0; box && i < m_tabs->count(); ++i)
        if (m_tabs->widget(i)->isAncestorOf(box)) m_tabs->setCurrentIndex(i);
}

QWidget* frmBoundaryLayer::reynoldsTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* reFrame = new QGroupBox("Reynolds Number", tab);
    m_re = textBox(reFrame, "Text1", m_model->reText);
    (new QVBoxLayout(reFrame))->addWidget(m_re);
    auto* model = new QGroupBox("Transition Model", tab);
    auto* column = new QVBoxLayout(model);
    const char* captions[] = {"Always Laminar", "Transition on Laminar Seperation", "Natural/Artificial Transition"};
    for (int i = 0; i < 3; ++i)
        m_transition[i] = option(model, column, i + 1, captions[i], m_model->transitionModel == i + 1);
    auto* label = new QLabel("Wall roughness parameter; Set to 0 for natural transition.", model);
    label->setObjectName("Label1");
    column->addWidget(label);
    m_rough = textBox(model, "Text2", m_model->roughnessText);
    column->addWidget(m_rough);
    m_blasius = new QCheckBox("Display Blasius Profile with Boundary Layer Thickness", tab);
    m_blasius->setObjectName("Check1");
    m_blasius->setChecked(m_model->displayBlasius);
    layout->addWidget(reFrame);
    layout->addWidget(model);
    layout->addWidget(m_blasius);
    return tab;
}

QWidget* frmBoundaryLayer::numericalTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* display = new QGroupBox("Velocity Profile Display Options", tab);
    auto* displayForm = new QFormLayout(display);
    m_profiles = ListBox(display, "Combo1", BoundaryLayerOptionsModel::profileCountList(), m_model->profileCountText);
    displayForm->addRow("Number of Profiles to Display", m_profiles);
    auto* grid = new QGroupBox(tab);
    auto* gridForm = new QFormLayout(grid);
    m_points = ListBox(grid, "Combo2", BoundaryLayerOptionsModel::pointCountList(), m_model->pointCountText);
    m_blPoints = ListBox(grid, "Combo3", BoundaryLayerOptionsModel::blPointsList(), m_model->blPointsText);
    m_grid = ListBox(grid, "Combo4", BoundaryLayerOptionsModel::gridHeightList(), m_model->gridHeightText);
    gridForm->addRow("No. of Points about Airfoil", m_points);
    gridForm->addRow("No. of Points in BLayer", m_blPoints);
    gridForm->addRow("Grid Height (Blasius Parameter)", m_grid);
    layout->addWidget(display);
    layout->addWidget(grid);
    return tab;
}

QWidget* frmBoundaryLayer::polarTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* graph = new QGroupBox("Graph Settings", tab);
    m_maxCd = ListBox(graph, "Combo5", BoundaryLayerOptionsModel::maxCdList(), m_model->maxCdText);
    (new QFormLayout(graph))->addRow("Maximum Cd Setting", m_maxCd);
    auto* separation = new QGroupBox("Flow Seperation Model", tab);
    auto* sepColumn = new QVBoxLayout(separation);
    m_separation[0] =
        option(separation, sepColumn, 4, "Employ Simple Flow Seperation Model", m_model->flowSeparationModel == 1);
    m_separation[1] = option(separation, sepColumn, 5, "No Flow Seperation Model", m_model->flowSeparationModel == 0);
    auto* views = new QWidget(tab);
    auto* viewColumn = new QVBoxLayout(views);
    const char* viewCaptions[] = {"Upper Surface Velocity Profiles", "Lower Surface Velocity Profiles",
                                  "Upper Surface Boundary Layer Thickness", "Lower Surface Boundary Layer Thickness"};
    for (int i = 0; i < 4; ++i)
        m_display[i] =
            option(views, viewColumn, 6 + i, viewCaptions[i], m_model->displayOption == BlSubView::UpperProfiles + i);
    auto* method = new QGroupBox("Momentum Equations Solution Method for Cl/Cd polar", tab);
    auto* methodColumn = new QVBoxLayout(method);
    m_polar[0] = option(method, methodColumn, 10, "Direct Solution of Momentum Equations", m_model->polarSolution == 2);
    m_polar[1] = option(method, methodColumn, 11, "Solution due to E. Truckenbrodt", m_model->polarSolution == 1);
    layout->addWidget(graph);
    layout->addWidget(separation);
    layout->addWidget(views);
    layout->addWidget(method);
    return tab;
}

void frmBoundaryLayer::store() {
    BoundaryLayerOptionsModel& m = *m_model;
    m.reText = m_re->text().toStdString();
    m.roughnessText = m_rough->text().toStdString();
    for (int i = 0; i < 3; ++i)
        if (m_transition[i]->isChecked()) m.transitionModel = i + 1;
    m.displayBlasius = m_blasius->isChecked();
    m.profileCountText = textOf(m_profiles);
    m.pointCountText = textOf(m_points);
    m.blPointsText = textOf(m_blPoints);
    m.gridHeightText = textOf(m_grid);
    m.maxCdText = textOf(m_maxCd);
    m.flowSeparationModel = m_separation[0]->isChecked() ? 1 : 0;
    for (int i = 0; i < 4; ++i)
        if (m_display[i]->isChecked()) m.displayOption = BlSubView::UpperProfiles + i;
    m.polarSolution = m_polar[1]->isChecked() ? 1 : 2;
}

void frmBoundaryLayer::reject() {
    m_model->cancel();
    QDialog::reject();
}

} // namespace ribcraft
