// SPDX-License-Identifier: MIT
#include "gui/Form2.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/Splash.h"

namespace ribcraft {

QStringList Form2::aboutLines() {
    return {" Ribcraft Version 1.0", "Airfoil design and analysis", "Wing-rib templates"};
}

Form2::Form2(SharedState&, QWidget* parent) : QDialog(parent) {
    setObjectName("Form2");
    setWindowTitle("About");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(aboutLines().join('\n'), this);
    label->setObjectName("Label1");
    layout->addWidget(label);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command1");
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    adjustSize();
    CentreOverParent(this);
}

} // namespace ribcraft
