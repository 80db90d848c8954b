// SPDX-License-Identifier: MIT
#include "gui/Form8.h"

#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/DialogParts.h"
#include "gui/Splash.h"

namespace ribcraft {

namespace {

QLabel* colourPanel(QWidget* parent, const QString& name, const QString& caption, const QColor& colour) {
    auto* panel = new QLabel(caption, parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumSize(110, 34);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    return panel;
}

} // namespace

Form8::Form8(SharedState& state, QWidget* parent)
    : QDialog(parent), m_model(std::make_unique<OptionsDialogModel>(state)) {
    setObjectName("Form8");
    setWindowTitle("Options");
    setModal(true);

    auto* points = new QGroupBox("Number of Points", this);
    m_combo1 = new QComboBox(points);
    m_combo1->setObjectName("Combo1");
    m_combo1->setEditable(true);
    for (const std::string& entry : OptionsDialogModel::countList())
        m_combo1->addItem(QString::fromStdString(entry));
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->setEditText(QString::fromStdString(m_model->countText()));
    NumberBox(m_combo1, false, false);
    (new QVBoxLayout(points))->addWidget(m_combo1);

    auto* colours = new QGroupBox("Colors", this);
    auto* colourRow = new QHBoxLayout(colours);
    m_upperPanel = colourPanel(colours, "Panel3D1", "Upper Surface", palette().color(QPalette::Window));
    m_lowerPanel = colourPanel(colours, "Panel3D2", "Lower Surface", palette().color(QPalette::Window));
    m_upperPanel->installEventFilter(this);
    colourRow->addWidget(m_upperPanel);
    colourRow->addWidget(m_lowerPanel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(points);
    layout->addWidget(colours);
    layout->addLayout(CommandRow(
        this,
        [this] {
            m_model->setCountText(m_combo1->currentText().toStdString());
            if (!ShowCheck(this, m_model->check(), {{"PointCount", m_combo1}})) return;
            m_model->ok();
            accept();
        },
        [this] { reject(); }, nullptr));
    adjustSize();
    CentreOverParent(this);
}

Form8::~Form8() = default;

QColor Form8::upperPanelColor() const {
    return m_upperPanel->palette().color(QPalette::Window);
}

void Form8::reject() {
    m_model->cancel();
    QDialog::reject();
}

bool Form8::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_upperPanel && event->type() == QEvent::MouseButtonRelease) {
        chooseUpperColor();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Form8::chooseUpperColor() {
    const QColor chosen = QColorDialog::getColor(upperPanelColor(), this, "Upper Surface");
    if (!chosen.isValid()) return; // cancelled: nothing changes
    QPalette palette = m_upperPanel->palette();
    palette.setColor(QPalette::Window, chosen);
    m_upperPanel->setPalette(palette);
}

} // namespace ribcraft
