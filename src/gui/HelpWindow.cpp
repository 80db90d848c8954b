// SPDX-License-Identifier: MIT
#include "gui/HelpWindow.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/dialogs/HelpContexts.h"

// The pages are linked into a static library, so their registration has to be
// asked for by name (the macro only works outside a namespace).
static void registerHelpPages() {
    Q_INIT_RESOURCE(help);
}

namespace ribcraft {

void InitHelpResources() {
    static const bool done = (registerHelpPages(), true);
    (void)done;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    InitHelpResources();
    setObjectName("HelpWindow");
    setWindowTitle("Ribcraft Help");
    m_browser->setObjectName("HelpBrowser");
    m_browser->setSearchPaths({":/help"});
    m_browser->setOpenExternalLinks(false);

    auto* contents = new QPushButton("Contents", this);
    auto* back = new QPushButton("Back", this);
    auto* forward = new QPushButton("Forward", this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showPage("contents.html"); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? "Ribcraft Help" : "Ribcraft Help - " + title);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(560, 620);
    showPage("contents.html");
}

void HelpWindow::showPage(const QString& page) {
    m_browser->setSource(QUrl("qrc" + QString::fromStdString(HelpResourcePath(page.toStdString()))));
}

QString HelpWindow::currentPage() const {
    return m_browser->source().fileName();
}

namespace {

void moveUnder(HelpWindow* window, QWidget* owner) {
    if (window->parentWidget() == owner) return;
    const bool shown = window->isVisible();
    const QRect place = window->geometry();
    window->setParent(owner, Qt::Window);
    window->setGeometry(place);
    if (shown) window->show();
}

// While a modal dialog is up only its own windows take input, so the help
// window moves under the dialog that asked for help. When that dialog
// closes, the window moves back to the dialog's owner and stays open.
void returnWhenClosed(HelpWindow* window, QDialog* dialog) {
    if (dialog->property("helpReturnSet").toBool()) return;
    dialog->setProperty("helpReturnSet", true);
    QWidget* home = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    QObject::connect(dialog, &QDialog::finished, window, [window, dialog, home] {
        if (window->parentWidget() == dialog) moveUnder(window, home);
    });
}

} // namespace

HelpWindow* ShowHelp(QWidget* parent, int command, int data) {
    // One window for the whole run.
    static QPointer<HelpWindow> window;
    QWidget* owner = parent ? parent->window() : nullptr;
    if (!window)
        window = new HelpWindow(owner);
    else
        moveUnder(window, owner);
    if (auto* dialog = qobject_cast<QDialog*>(owner)) returnWhenClosed(window, dialog);
    window->showPage(QString::fromStdString(HelpPageFor(command, data)));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace ribcraft
