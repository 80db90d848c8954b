// SPDX-License-Identifier: MIT
#include "gui/FrmBlwarning.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/DialogParts.h"
#include "gui/Splash.h"

namespace ribcraft {

QStringList frmBlwarning::lines() {
    return {"Zephyrin is predicting seperation of the boundary layer.  The following are possible:",
            "1.  There are numerical errors.",
            "2.  The boundary layer has separated and the airfoil has stalled.",
            "If there are numerical errors then do the following to increase the accuracy (this will decrease the "
            "performance of the computations):",
            "1.  Increase the number of points in the simulation.",
            "2.  Adjust the boundary layer options, e.g.:",
            "a.  Reynolds Number",
            "b.  The number of points in the boundary layer."};
}

frmBlwarning::frmBlwarning(QWidget* parent) : QDialog(parent) {
    setObjectName("frmBlwarning");
    setWindowTitle("Boundary Seperation");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    const QStringList text = lines();
    for (int i = 0; i < text.size(); ++i) {
        auto* label = new QLabel(text[i], this);
        label->setObjectName(QString("Label%1").arg(i + 1));
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addLayout(CommandRow(
        this, [this] { accept(); }, nullptr, nullptr));
    setMinimumWidth(520);
    adjustSize();
    CentreOverParent(this);
}

void frmBlwarning::showWarnings(const QString& warnings, QWidget* parent) {
    for (const QString& caption : warnings.split('\n', Qt::SkipEmptyParts)) {
        frmBlwarning dialog(parent);
        dialog.setWindowTitle(caption);
        dialog.exec();
    }
}

} // namespace ribcraft
