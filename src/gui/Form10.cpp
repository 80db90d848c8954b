// SPDX-License-Identifier: MIT
#include "gui/Form10.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialogs/CoefficientsDialogModel.h"
#include "gui/Splash.h"

namespace ribcraft {

Form10::Form10(SharedState& state, QWidget* parent) : QDialog(parent) {
    setObjectName("Form10");
    setWindowTitle("Coefficients");
    setModal(true);
    const CoefficientsDialogModel model(state);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("SSTab1");
    auto* page = new QWidget(tabs);
    auto* grid = new QGridLayout(page);
    for (int i = 0; i < CoefficientsDialogModel::Count; ++i) {
        auto* caption = new QLabel(QString::fromStdString(CoefficientsDialogModel::captions()[i]), page);
        caption->setObjectName(QString("Label5_%1").arg(i));
        m_values[i] = new QLabel(QString::fromStdString(model.values[i]), page);
        m_values[i]->setObjectName(QString("Label6_%1").arg(i));
        m_values[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_values[i]->setMinimumWidth(90);
        m_values[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, i, 0);
        grid->addWidget(m_values[i], i, 1);
    }
    tabs->addTab(page, "Theoretical (Thin Airfoil Theory)");

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    adjustSize();
    CentreOverParent(this);
}

QString Form10::valueText(int index) const {
    if (index < 0 || index >= CoefficientsDialogModel::Count) return {};
    return m_values[index]->text();
}

} // namespace ribcraft
