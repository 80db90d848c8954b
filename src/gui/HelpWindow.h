// SPDX-License-Identifier: MIT
#pragma once
// The help window: the program's help pages in a browser with Contents,
// Back and Forward. One window serves every help call; ShowHelp raises it
// and turns to the page that answers the call.

#include <QWidget>

class QTextBrowser;

namespace ribcraft {

// Registers the help pages (":/help/...") with Qt's resource system; safe to
// call more than once. The help window calls it itself.
void InitHelpResources();

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Turns to a page by file name ("naca4.html").
    void showPage(const QString& page);
    QString currentPage() const;
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

// A help call: command HelpContents (3) shows the contents, HelpContext (1)
// the page of context `data`. Returns the window (created on first use, kept
// for the rest of the run); the call never fails.
HelpWindow* ShowHelp(QWidget* parent, int command, int data);

} // namespace ribcraft
