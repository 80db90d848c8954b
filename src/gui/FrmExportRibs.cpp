// SPDX-License-Identifier: MIT
#include "gui/FrmExportRibs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/HelpContexts.h"
#include "gui/DialogParts.h"
#include "gui/HelpWindow.h"
#include "gui/Splash.h"
#include "gui/WaitCursor.h"

namespace ribcraft {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QLineEdit* box(QWidget* owner, const char* name, const std::string& text, int width = 70) {
    auto* edit = new QLineEdit(q(text), owner);
    edit->setObjectName(name);
    edit->setMaximumWidth(width);
    return edit;
}

} // namespace

FrmExportRibs::FrmExportRibs(const SharedState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_model(std::make_unique<RibExportModel>(state)) {
    setObjectName("FrmExportRibs");
    setWindowTitle(q(m_model->caption()));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildWing());
    layout->addWidget(buildChoices());
    layout->addWidget(buildNotches());
    layout->addLayout(CommandRow(
        this, [this] { ok(); }, [this] { reject(); }, [this] { ShowHelp(this, HelpContext, HelpExportRibs); }));
    adjustSize();
    CentreOverParent(this);
}

FrmExportRibs::~FrmExportRibs() = default;

QWidget* FrmExportRibs::buildWing() {
    auto* frame = new QGroupBox("Wing", this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    const RibExportModel& m = *m_model;
    m_root = box(frame, "txtRoot", m.rootText);
    m_tip = box(frame, "txtTip", m.tipText);
    m_skin = box(frame, "txtSkin", m.skinText);
    m_ribs = box(frame, "txtRibs", m.ribsText());
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Root Chord", m_root}, {"Tip Chord", m_tip}, {"Skin Thickness", m_skin}, {"Number of Ribs", m_ribs}};
    int row = 0;
    for (const auto& [label, edit] : rows) {
        auto* caption = new QLabel(label, frame);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row++, 1);
    }
    m_tip->setEnabled(m.tipEnabled());
    connect(m_ribs, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_model->ribsTextChanged(t.toStdString());
        m_tip->setEnabled(m_model->tipEnabled());
    });
    return frame;
}

QWidget* FrmExportRibs::buildChoices() {
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    auto* units = new QGroupBox("Units", row);
    units->setObjectName("Frame2");
    auto* unitRow = new QHBoxLayout(units);
    const char* unitNames[3][2] = {{"optInches", "in"}, {"optCentimetres", "cm"}, {"optMillimetres", "mm"}};
    for (int i = 0; i < 3; ++i) {
        m_units[i] = new QRadioButton(unitNames[i][1], units);
        m_units[i]->setObjectName(unitNames[i][0]);
        unitRow->addWidget(m_units[i]);
    }
    m_units[0]->setChecked(true);
    auto* file = new QGroupBox("File", row);
    file->setObjectName("Frame3");
    auto* fileRow = new QHBoxLayout(file);
    auto* dxf = new QRadioButton("DXF", file);
    dxf->setObjectName("optDxf");
    dxf->setChecked(true);
    m_svg = new QRadioButton("SVG", file);
    m_svg->setObjectName("optSvg");
    fileRow->addWidget(dxf);
    fileRow->addWidget(m_svg);
    h->addWidget(units);
    h->addWidget(file);
    return row;
}

QWidget* FrmExportRibs::buildNotches() {
    auto* frame = new QGroupBox("Spar Notches", this);
    frame->setObjectName("Frame4");
    auto* grid = new QGridLayout(frame);
    const char* heads[] = {"", "% chord", "Width", "Depth", "Side"};
    for (int c = 0; c < 5; ++c)
        grid->addWidget(new QLabel(heads[c], frame), 0, c);
    for (int k = 0; k < RibExportModel::NotchRows; ++k) {
        const RibExportModel::NotchRow& row = m_model->notches[static_cast<size_t>(k)];
        NotchWidgets& w = m_notches[static_cast<size_t>(k)];
        const std::string n = std::to_string(k + 1);
        w.on = new QCheckBox(QString("Notch %1").arg(k + 1), frame);
        w.on->setObjectName(q("chkNotch" + n));
        w.position = box(frame, ("txtNotchPos" + n).c_str(), row.positionText, 55);
        w.width = box(frame, ("txtNotchWidth" + n).c_str(), row.widthText, 55);
        w.depth = box(frame, ("txtNotchDepth" + n).c_str(), row.depthText, 55);
        w.side = new QComboBox(frame);
        w.side->setObjectName(q("cboNotchSide" + n));
        w.side->addItems({"Top", "Bottom", "Both"});
        QWidget* cells[] = {w.on, w.position, w.width, w.depth, w.side};
        for (int c = 0; c < 5; ++c)
            grid->addWidget(cells[c], k + 1, c);
    }
    return frame;
}

void FrmExportRibs::readWidgets() {
    RibExportModel& m = *m_model;
    m.rootText = m_root->text().toStdString();
    m.tipText = m_tip->text().toStdString();
    m.skinText = m_skin->text().toStdString();
    m.ribsTextChanged(m_ribs->text().toStdString());
    m.unit = m_units[1]->isChecked()   ? RibUnit::Centimetres
             : m_units[2]->isChecked() ? RibUnit::Millimetres
                                       : RibUnit::Inches;
    m.svg = m_svg->isChecked();
    for (size_t k = 0; k < m_notches.size(); ++k) {
        RibExportModel::NotchRow& row = m.notches[k];
        const NotchWidgets& w = m_notches[k];
        row.enabled = w.on->isChecked();
        row.positionText = w.position->text().toStdString();
        row.widthText = w.width->text().toStdString();
        row.depthText = w.depth->text().toStdString();
        row.side = w.side->currentIndex();
    }
}

void FrmExportRibs::ok() {
    readWidgets();
    Result<RibJob> job = m_model->job();
    m_lastStatus = job.status();
    if (job.ok()) {
        QString path = m_outputPath;
        if (path.isEmpty()) {
            path = QFileDialog::getSaveFileName(this, q(m_model->fileTitle()), QString(), q(m_model->fileFilter()));
            if (path.isEmpty()) return; // back to the dialog
        }
        const WaitCursor wait;
        m_lastStatus = ExportRibs(m_state, *job, path.toStdString());
    }
    if (!m_lastStatus.ok()) {
        if (m_showMessages) QMessageBox::warning(this, windowTitle(), q(m_lastStatus.message()));
        return;
    }
    accept();
}

} // namespace ribcraft
