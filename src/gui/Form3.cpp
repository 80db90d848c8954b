// SPDX-License-Identifier: MIT
#include "gui/Form3.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/HelpContexts.h"
#include "gui/DialogParts.h"
#include "gui/HelpWindow.h"
#include "gui/Splash.h"
#include "gui/WaitCursor.h"
#include "plot/Templates.h"
#include "render/QtSurface.h"

namespace ribcraft {

Form3::Form3(SharedState& state, QWidget* parent, QPrinter* printer)
    : QDialog(parent), m_state(state), m_model(std::make_unique<TemplatesModel>(state)), m_printer(printer) {
    if (!m_printer) {
        m_ownPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer = m_ownPrinter.get();
    }
    setObjectName("Form3");
    setWindowTitle(QString::fromStdString(m_model->caption()));
    setModal(true);

    auto* dimensions = new QGroupBox("Airfoil Dimensions", this);
    dimensions->setObjectName("Frame1");
    auto* grid = new QGridLayout(dimensions);
    m_root = addRow(grid, 0, "Root Chord", 5);
    m_tip = addRow(grid, 1, "Tip Chord", 1);
    m_skin = addRow(grid, 2, "Skin Thickness", 3);
    m_sections = addRow(grid, 3, "Number of Sections", 2);
    m_tipSpin = dimensions->findChild<SpinButton*>("SpinButton1");
    connect(m_root, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_model->rootTextChanged(t.toStdString()); });
    connect(m_tip, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_model->tipTextChanged(t.toStdString()); });
    connect(m_skin, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_model->skinTextChanged(t.toStdString()); });
    connect(m_sections, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_model->sectionsTextChanged(t.toStdString());
        showModel();
    });

    auto* units = new QGroupBox("Units", this);
    units->setObjectName("Frame2");
    auto* unitRow = new QHBoxLayout(units);
    m_inches = new QRadioButton("in", units);
    m_inches->setObjectName("Option2");
    m_centimetres = new QRadioButton("cm", units);
    m_centimetres->setObjectName("Option3");
    unitRow->addWidget(m_inches);
    unitRow->addWidget(m_centimetres);
    connect(m_centimetres, &QRadioButton::toggled, this, [this](bool on) { m_model->setCentimetres(on); });

    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> names[] = {
        {"SSCommand1", "OK"}, {"Command1", "Cancel"}, {"Command2", "Help ?"}};
    QPushButton* made[3] = {};
    for (int i = 0; i < 3; ++i) {
        made[i] = new QPushButton(names[i].second, this);
        made[i]->setObjectName(names[i].first);
        made[i]->setAutoDefault(true);
        made[i]->setDefault(i == 0); // Enter prints, Escape cancels
        buttons->addWidget(made[i]);
    }
    connect(made[0], &QPushButton::clicked, this, [this] { ok(); });
    connect(made[1], &QPushButton::clicked, this, [this] { reject(); });
    connect(made[2], &QPushButton::clicked, this, [this] { ShowHelp(this, HelpContext, HelpPrintTemplates); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dimensions);
    layout->addWidget(units);
    layout->addLayout(buttons);
    showModel();
    adjustSize();
    CentreOverParent(this);
}

Form3::~Form3() = default;

QLineEdit* Form3::addRow(QGridLayout* grid, int row, const QString& label, int index) {
    QWidget* owner = grid->parentWidget();
    auto* caption = new QLabel(label, owner);
    auto* box = new QLineEdit(owner);
    box->setObjectName(QString("Text%1").arg(index));
    box->setMaximumWidth(60);
    NumberBox(box, false, true); // chords, skin and count: no letters, no sign
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(new SpinButton(QString("SpinButton%1").arg(index), owner), row, 2);
    return box;
}

void Form3::showModel() {
    ShowText(m_root, m_model->rootText());
    ShowText(m_tip, m_model->tipText());
    ShowText(m_skin, m_model->skinText());
    ShowText(m_sections, m_model->sectionsText());
    m_tip->setEnabled(m_model->tipEnabled());
    if (m_tipSpin) m_tipSpin->setEnabled(m_model->tipEnabled());
    (m_model->centimetres() ? m_centimetres : m_inches)->setChecked(true);
}

CommandResult Form3::printToPdf(const QString& path) {
    const WaitCursor wait;
    // Drawn in memory: a refused job or a failed write leaves any existing file as it was.
    CommandResult result;
    const Status saved = SavePdf(path.toStdString(), [&](PdfSurface& surface) {
        result = PrintTemplates(surface, m_state, m_model->job());
        return result.status();
    });
    if (result.ok() && !saved) return CommandResult::from(saved);
    return result;
}

CommandResult Form3::printToPrinter(QPrinter& printer) {
    const WaitCursor wait;
    PrinterSurface surface(printer);
    return PrintTemplates(surface, m_state, m_model->job());
}

void Form3::preview() {
    QPrintPreviewDialog preview(m_printer, this);
    preview.setObjectName("TemplatePreview");
    preview.setWindowTitle(windowTitle());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { m_lastResult = printToPrinter(*printer); });
    preview.exec();
}

void Form3::ok() {
    if (!m_pdfPath.isEmpty()) {
        m_lastResult = printToPdf(m_pdfPath);
    } else {
        // Refuse a job that cannot be printed before showing an empty preview.
        m_lastResult = CheckTemplateJob(m_state, m_model->job());
        if (m_lastResult.ok()) preview();
    }
    if (!m_lastResult.ok()) {
        if (m_showMessages) QMessageBox::warning(this, windowTitle(), QString::fromStdString(m_lastResult.message()));
        return;
    }
    accept();
}

} // namespace ribcraft
