// SPDX-License-Identifier: MIT
#include "gui/NacaForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/HelpContexts.h"
#include "gui/DialogParts.h"
#include "gui/HelpWindow.h"
#include "gui/Splash.h"

namespace ribcraft {

NacaForm::NacaForm(QWidget* parent, const QString& name, const QString& title) : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(title);
    setModal(true);
}

void NacaForm::build(Events events) {
    m_events = std::move(events);
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName("Frame1");
    auto* grid = new QGridLayout(m_frame1);
    auto refresh = [this] { showModel(); };
    for (int row = 0; row < 3; ++row) {
        const Parameter& p = m_events.parameters[row];
        m_text[row] = AddParameterRow(grid, row, p.label, p.typed, p.up, p.down, refresh);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame1);
    layout->addLayout(CommandRow(
        this, [this] { Command1_Click(); }, [this] { Command2_Click(); }, [this] { Command3_Click(); }));
    showModel();
    adjustSize();
    CentreOverParent(this);
}

void NacaForm::showModel() {
    // Every change rewrites the three boxes, thickness first, and the caption.
    for (int row = 2; row >= 0; --row)
        ShowText(m_text[row], m_events.parameters[row].text());
    m_frame1->setTitle(QString::fromStdString(m_events.caption()));
}

void NacaForm::Command1_Click() {
    m_events.ok();
    accept();
}

void NacaForm::Command2_Click() {
    m_events.cancel();
    QDialog::reject();
}

void NacaForm::reject() {
    Command2_Click();
}

void NacaForm::Command3_Click() {
    ShowHelp(this, HelpContext, m_events.helpContext);
}

} // namespace ribcraft
