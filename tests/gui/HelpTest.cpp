// SPDX-License-Identifier: MIT
// The help window answers each help call with its page, and every page the
// contents links to is present.

#include <gtest/gtest.h>

#include "GuiTestApp.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "app/SharedState.h"
#include "app/dialogs/HelpContexts.h"
#include "gui/Form4.h"
#include "gui/HelpWindow.h"

namespace ribcraft {
namespace {

TEST(Help, ContextCallsOpenTheirPagesAndContentsCallsTheContents) {
    ensureApp();
    HelpWindow* window = ShowHelp(nullptr, HelpContext, 20);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->currentPage(), "naca4.html");
    EXPECT_EQ(window->browser()->documentTitle(), "NACA 4-digit sections");

    EXPECT_EQ(ShowHelp(nullptr, HelpContents, 10), window); // one window serves every call
    EXPECT_EQ(window->currentPage(), "contents.html");
    const HelpCall call = ContextHelpFor(6);
    ShowHelp(nullptr, call.command, call.data);
    EXPECT_EQ(window->currentPage(), "mesh.html");
    window->close();
}

TEST(Help, DialogHelpStaysOpenAfterTheDialogCloses) {
    ensureApp();
    SharedState s;
    QWidget mainWindow;
    HelpWindow* kept = nullptr;
    {
        Form4 form(s, &mainWindow);
        form.show();
        QTest::mouseClick(form.findChild<QPushButton*>("Command3"), Qt::LeftButton);
        kept = form.findChild<HelpWindow*>();
        ASSERT_NE(kept, nullptr); // under the dialog, so usable while it is modal
        EXPECT_EQ(kept->currentPage(), "naca4.html");
        QTest::mouseClick(form.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        EXPECT_EQ(kept->parentWidget(), &mainWindow);
    }
    EXPECT_EQ(mainWindow.findChild<HelpWindow*>(), kept);
    EXPECT_TRUE(kept->isVisible());
    EXPECT_EQ(ShowHelp(&mainWindow, HelpContext, 90), kept);
    EXPECT_EQ(kept->currentPage(), "angle.html");

    {
        // A dialog destroyed without closing takes the window with it; the
        // next call makes a new one instead of using a dead one.
        Form4 form(s, &mainWindow);
        ShowHelp(&form, HelpContext, 20);
    }
    HelpWindow* again = ShowHelp(nullptr, HelpContents, 1);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->currentPage(), "contents.html");
    again->close();
}

TEST(Help, EveryPageExistsHasATitleAndLinksOnlyToExistingPages) {
    ensureApp();
    InitHelpResources();
    QStringList pages{"contents.html"};
    for (int c : {20, 30, 50, 60, 70, 90, 150, 160, 170, 190, 200})
        pages << QString::fromStdString(HelpPageFor(HelpContext, c));
    const QRegularExpression link("href=\"([^\"]+)\"");
    for (const QString& page : pages) {
        QFile file(QString::fromStdString(HelpResourcePath(page.toStdString())));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.contains("<title>")) << page.toStdString();
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(QFile::exists(":/help/" + target)) << page.toStdString() << " -> " << target.toStdString();
        }
    }
}

} // namespace
} // namespace ribcraft
