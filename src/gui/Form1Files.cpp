// SPDX-License-Identifier: MIT
// The file commands of the main window: reading a coordinate file, the Save
// command, the DXF export and the printer set-up. The three file dialogs
// share one remembered path, as they share one dialog in the window.

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>

#include "app/FileCommands.h"
#include "gui/Form1.h"
#include "gui/Form3.h"
#include "gui/FrmExportRibs.h"
#include "gui/WaitCursor.h"
#include "io/AirfoilReader.h"
#include "io/AsciiExport.h"
#include "io/DxfExport.h"

namespace ribcraft {

namespace {

// The two entries of the shared dialog's filter; index 1 is DXF, 2 text.
const QString DxfFilter = QStringLiteral("AutoCad DXF File (*.dxf)");
const QString AsciiFilter = QStringLiteral("Ascii File (*.dat)");

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QString Form1::fileDialog(bool save, const QString& title, int filterIndex) {
    QFileDialog dialog(this, title);
    dialog.setNameFilters({DxfFilter, AsciiFilter});
    dialog.selectNameFilter(filterIndex == 1 ? DxfFilter : AsciiFilter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false); // ask before overwriting
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!m_dialogPath.isEmpty()) dialog.selectFile(m_dialogPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    m_dialogPath = dialog.selectedFiles().front();
    m_dialogPathRead = !save;
    return m_dialogPath;
}

void Form1::GeneralAirfoilsCommand() {
    if (m_state.FileDialogPrimed == 0) {
        m_dialogPath = QCoreApplication::applicationDirPath() + QStringLiteral("/*.dat");
        m_state.FileDialogPrimed = 1;
    }
    const QString path = fileDialog(false, QStringLiteral("Read Airfoil File "), 2);
    if (path.isEmpty()) {
        m_state.DialogCancelled = 1;
        return;
    }
    WaitCursor wait;
    rememberFile(path, readAirfoilFile(path));
}

bool Form1::readAirfoilFile(const QString& path) {
    const SharedState before = m_state;
    CommandResult r = ReadAirfoil(m_state, path.toStdString());
    if (r.ok()) {
        Command1_Click();
        if (!FileSectionTaken(m_state, path.toStdString())) {
            // A file whose section cannot be solved is not kept.
            m_state = before;
            Command1_Click();
            r = CommandResult::failure(ErrorKind::BadFile,
                                       std::string(AirfoilReadError) + "\n" + m_lastRedraw.message());
        } else if (!r.warning.empty() && m_showNotices) {
            // A shape worth a look (a thick trailing edge, few points): read, but say so.
            QApplication::restoreOverrideCursor();
            QMessageBox::warning(this, windowTitle(), q(r.warning));
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        }
    }
    if (!r.ok()) {
        m_state.DialogCancelled = 1;
        m_lastMessage = q(r.message());
        if (m_showNotices) {
            QApplication::restoreOverrideCursor();
            QMessageBox::critical(this, windowTitle(), m_lastMessage);
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        }
    }
    return r.ok();
}

void Form1::SaveCommand() {
    HideTip();
    const auto title = SaveDialogTitle(m_state.VFlag, m_state.Texts.SectionName);
    if (!title) {
        // The stream-line and pressure pictures have no data behind them to write as text.
        notify(QStringLiteral("This view has no data to save as text. Use \"Export View...\" to save its picture."));
        return;
    }
    m_saveTitle = q(*title);
    // Never offer the coordinate file just read as the place for a listing: the
    // proposal is then named after what is saved ("Pressure Coefficient for 2412.dat").
    if (m_dialogPathRead) proposeFile(q(SuggestedFileName(title->substr(title->find(' ') + 1), ".dat")));
    const QString path = fileDialog(true, m_saveTitle, 2);
    if (path.isEmpty()) return;
    WaitCursor wait;
    // The file holds what the view shows for the inputs on screen, a box edited without Enter included.
    Command1_Click();
    if (!m_lastRedraw.ok()) return;
    if (const CommandResult r = AsciiFile(m_state, path.toStdString()); !r.ok())
        reportWriteFailure(r);
    else
        statusBar()->showMessage(QStringLiteral("Saved ") + path, 10000);
}

void Form1::DxfCommand() {
    proposeFile(q(SuggestedFileName(m_state.Texts.SectionName, ".dxf")));
    const QString path = fileDialog(true, q(DxfDialogTitle(m_state.Texts.SectionName)), 1);
    if (path.isEmpty()) return;
    WaitCursor wait;
    Command1_Click();
    if (!m_lastRedraw.ok()) return;
    if (const CommandResult r = ExportDxf(m_state, path.toStdString()); !r.ok())
        reportWriteFailure(r);
    else
        statusBar()->showMessage(QStringLiteral("Saved ") + path, 10000);
}

// A file that could not be written is always said in a message box: the user expects a file.
void Form1::reportWriteFailure(const CommandResult& r) {
    reportFailure(r);
    if (!m_showNotices) return;
    QApplication::restoreOverrideCursor();
    QMessageBox::critical(this, windowTitle(), m_lastMessage);
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

QPrinter& Form1::printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void Form1::proposeFile(const QString& fileName) {
    // Same folder as the last file of the dialog, the proposed name.
    const QFileInfo last(m_dialogPath);
    const QString folder = m_dialogPath.isEmpty() ? QDir::currentPath() : last.absolutePath();
    m_dialogPath = QDir(folder).filePath(fileName);
    m_dialogPathRead = false;
}

void Form1::notify(const QString& message) {
    m_lastMessage = message;
    statusBar()->showMessage(message, 10000);
    if (m_showNotices) QMessageBox::information(this, windowTitle(), message);
}

void Form1::PrinterSetupCommand() {
    QPageSetupDialog dialog(&printer(), this);
    dialog.exec(); // Cancel raises nothing
}

void Form1::ExportRibsCommand() {
    HideTip();
    FrmExportRibs dialog(m_state, this);
    dialog.exec();
}

void Form1::PrintTemplatesCommand() {
    HideTip();
    // The templates go to the printer (page size, orientation) chosen in Printer Setup.
    Form3 dialog(m_state, this, &printer());
    dialog.exec();
}

} // namespace ribcraft
