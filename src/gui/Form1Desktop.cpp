// Everyday conveniences of the main window: reading a coordinate file dropped
// on the window or chosen from "Recent files", and "Export View...".

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/FileCommands.h"
#include "app/RecentFiles.h"
#include "app/dialogs/ExportViewModel.h"
#include "gui/DialogParts.h"
#include "gui/Form1.h"
#include "gui/PlotCanvas.h"
#include "gui/Splash.h"
#include "gui/WaitCursor.h"
#include "render/ExportView.h"

namespace ribcraft {

namespace {

const QString RecentKey = QStringLiteral("recentFiles");

std::vector<std::string> toStd(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(s.toStdString());
    return out;
}

QStringList toQt(const std::vector<std::string>& list) {
    QStringList out;
    for (const std::string& s : list)
        out.push_back(QString::fromStdString(s));
    return out;
}

// The local file of a drag, when it carries exactly one.
QString droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
    const QUrl url = mime->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

void Form1::buildDesktopCommands() {
    setAcceptDrops(true);
    m_mnuExportView = new QAction(QStringLiteral("Export &View..."), this);
    m_mnuExportView->setObjectName(QStringLiteral("mnuExportView"));
    m_mnuRecent = new QMenu(QStringLiteral("Recent &Files"), this);
    m_mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    // Both go above "E&xit", after the existing commands.
    m_menus.mnuFile->insertAction(m_menus.exit1, m_mnuExportView);
    m_menus.mnuFile->insertMenu(m_menus.exit1, m_mnuRecent);
    m_menus.mnuFile->insertSeparator(m_menus.exit1);
    connect(m_mnuExportView, &QAction::triggered, this, &Form1::ExportViewCommand);
    fillRecentMenu();
}

QStringList Form1::recentFiles() const {
    return QSettings().value(RecentKey).toStringList();
}

void Form1::fillRecentMenu() {
    m_mnuRecent->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString label = QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName());
        QAction* a = m_mnuRecent->addAction(label);
        a->setToolTip(files[i]);
        a->setStatusTip(files[i]);
        connect(a, &QAction::triggered, this, [this, path = files[i]] { OpenFile(path); });
    }
    m_mnuRecent->setEnabled(!files.isEmpty());
}

void Form1::rememberFile(const QString& path, bool readable) {
    const std::string p = QFileInfo(path).absoluteFilePath().toStdString();
    const auto list =
        readable ? RecentFilesAfterReading(toStd(recentFiles()), p) : RecentFilesWithout(toStd(recentFiles()), p);
    QSettings().setValue(RecentKey, toQt(list));
    fillRecentMenu();
}

bool Form1::OpenFile(const QString& path) {
    HideTip();
    WaitCursor wait;
    const bool ok = readAirfoilFile(path);
    rememberFile(path, ok);
    if (ok) {
        m_dialogPath = QFileInfo(path).absoluteFilePath();
        m_dialogPathRead = true;
    }
    return ok;
}

void Form1::dragEnterEvent(QDragEnterEvent* e) {
    if (!droppedFile(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* e) {
    const QString path = droppedFile(e->mimeData());
    if (path.isEmpty()) return;
    e->acceptProposedAction();
    // Read after the drop has finished, so that a message box does not hold the drag.
    QMetaObject::invokeMethod(
        this, [this, path] { OpenFile(path); }, Qt::QueuedConnection);
}

bool Form1::askExportSize(int& width, int& height) {
    ExportViewModel model(width, height);
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("ExportViewDialog"));
    dialog.setWindowTitle(QStringLiteral("Export View"));
    auto* form = new QFormLayout;
    auto* widthBox = new QLineEdit(QString::fromStdString(model.widthText), &dialog);
    widthBox->setObjectName(QStringLiteral("Width"));
    auto* heightBox = new QLineEdit(QString::fromStdString(model.heightText), &dialog);
    heightBox->setObjectName(QStringLiteral("Height"));
    NumberBox(widthBox, false, false);
    NumberBox(heightBox, false, false);
    form->addRow(QStringLiteral("Width (pixels, 96 per inch)"), widthBox);
    form->addRow(QStringLiteral("Height (pixels)"), heightBox);
    auto* column = new QVBoxLayout(&dialog);
    column->addLayout(form);
    column->addLayout(CommandRow(
        &dialog,
        [&] {
            model.widthText = widthBox->text().toStdString();
            model.heightText = heightBox->text().toStdString();
            if (ShowCheck(&dialog, model.check(), {{"Width", widthBox}, {"Height", heightBox}})) dialog.accept();
        },
        [&] { dialog.reject(); }, nullptr));
    dialog.adjustSize();
    CentreOverParent(&dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    width = model.width();
    height = model.height();
    return true;
}

void Form1::ExportViewCommand() {
    HideTip();
    int width = m_picture1->width(), height = m_picture1->height();
    if (!askExportSize(width, height)) return;
    const QString png = QStringLiteral("PNG picture (*.png)"), svg = QStringLiteral("SVG drawing (*.svg)"),
                  pdf = QStringLiteral("PDF document (*.pdf)");
    QFileDialog dialog(this, QStringLiteral("Export View of ") + QString::fromStdString(m_state.Texts.SectionName));
    dialog.setNameFilters({png, svg, pdf});
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    // The folder of the last export, else of the file dialog, else the working folder; the name from the
    // plot title with its colon dropped ("0012 Cp v.s. Chord Position.png").
    const QString folder = !m_exportPath.isEmpty()   ? m_exportPath
                           : !m_dialogPath.isEmpty() ? QFileInfo(m_dialogPath).absolutePath()
                                                     : QDir::currentPath();
    QString title = QString::fromStdString(m_state.Texts.PlotTitle).replace(QLatin1Char(':'), QLatin1Char(' '));
    title = title.simplified();
    dialog.selectFile(QDir(folder).filePath(QString::fromStdString(SuggestedFileName(title.toStdString(), ".png"))));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg, pdf](const QString& f) {
        dialog.setDefaultSuffix(f == svg   ? QStringLiteral("svg")
                                : f == pdf ? QStringLiteral("pdf")
                                           : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    m_exportPath = QFileInfo(path).absolutePath();
    exportView(path, width, height);
}

bool Form1::exportView(const QString& path, int width, int height) {
    const auto format = PictureFormatFor(path.toStdString());
    if (!format) {
        notify(QStringLiteral("Export View writes .png, .svg or .pdf files: ") + path);
        return false;
    }
    WaitCursor wait;
    // Draw from a copy: the export must not change the window's picture or texts.
    SharedState copy = m_state;
    if (const Status exported = ExportViewFile(copy, *format, width, height, path.toStdString()); !exported) {
        notify(QString::fromStdString(exported.message()));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Exported ") + path, 10000);
    return true;
}

} // namespace ribcraft
