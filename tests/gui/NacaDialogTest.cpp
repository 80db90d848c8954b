// SPDX-License-Identifier: MIT
// The NACA dialogs as the user drives them: arrows, typing, OK and Cancel.

#include <gtest/gtest.h>

#include "GuiTestApp.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/SharedState.h"
#include "app/dialogs/DialogProtocol.h"
#include "gui/Form4.h"
#include "gui/Form5.h"

namespace ribcraft {
namespace {

QString frameTitle(QWidget* form) {
    return child<QGroupBox>(form, "Frame1")->title();
}

TEST(NacaDialogForms, Form4SpinAndOkWriteTheSectionName) {
    ensureApp();
    SharedState s;
    s.RawAirfoilFlag = 1;
    s.Texts.SectionName = "file section";
    bool accepted = RunDialog(s, [&] {
        Form4 form(s, nullptr);
        EXPECT_EQ(form.windowTitle(), "NACA 4 Digit Section");
        EXPECT_EQ(frameTitle(&form), "NACA 0012");
        QTest::mouseClick(child<QToolButton>(&form, "SpinButton1Up"), Qt::LeftButton);
        EXPECT_EQ(frameTitle(&form), "NACA 1112");
        EXPECT_EQ(child<QLineEdit>(&form, "Text2")->text(), "1");
        QLineEdit* thickness = child<QLineEdit>(&form, "Text3");
        thickness->selectAll();
        QTest::keyClicks(thickness, "45");
        EXPECT_EQ(thickness->text(), "30");
        EXPECT_EQ(frameTitle(&form), "NACA 1130");
        QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    });
    ASSERT_TRUE(accepted);
    AfterNacaAccepted(s);
    EXPECT_EQ(s.Texts.SectionName, "1130");
    EXPECT_EQ(s.AirfoilType, 4);
    EXPECT_EQ(s.RawAirfoilFlag, 0);
}

TEST(NacaDialogForms, Form4CancelAndWindowCloseLeaveTheSection) {
    ensureApp();
    SharedState s;
    for (bool viaButton : {true, false}) {
        bool accepted = RunDialog(s, [&] {
            Form4 form(s, nullptr);
            form.show();
            QTest::mouseClick(child<QToolButton>(&form, "SpinButton3Down"), Qt::LeftButton);
            QTest::mouseClick(child<QToolButton>(&form, "SpinButton2Down"), Qt::LeftButton);
            EXPECT_EQ(frameTitle(&form), "NACA 0911");
            if (viaButton)
                QTest::mouseClick(child<QPushButton>(&form, "Command2"), Qt::LeftButton);
            else
                QTest::keyClick(&form, Qt::Key_Escape);
            EXPECT_FALSE(form.isVisible());
        });
        EXPECT_FALSE(accepted) << viaButton;
        EXPECT_EQ(s.Texts.SectionName, "0012");
        EXPECT_EQ(s.Naca4Position, 0);
        EXPECT_EQ(s.Naca4Thickness, 12);
    }
}

TEST(NacaDialogForms, Form5TypedPositionIsNormalisedInTheBox) {
    ensureApp();
    SharedState s;
    Form5 form(s, nullptr);
    EXPECT_EQ(form.windowTitle(), "NACA 5 Digit Section");
    EXPECT_EQ(frameTitle(&form), "NACA 21008");
    QLineEdit* position = child<QLineEdit>(&form, "Text2");
    position->selectAll();
    QTest::keyClicks(position, "3");
    EXPECT_EQ(position->text(), "30");
    QTest::mouseClick(child<QToolButton>(&form, "SpinButton1Down"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(&form, "SpinButton1Down"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(&form, "SpinButton1Down"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>(&form, "Text1")->text(), "0");
    EXPECT_EQ(frameTitle(&form), "NACA 03008");
    QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
    EXPECT_EQ(s.Texts.SectionName, "03008");
    EXPECT_EQ(s.AirfoilType, 5);
}

} // namespace
} // namespace ribcraft
