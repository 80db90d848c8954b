// The angle, flap, options, coefficients and about dialogs through Qt.

#include <gtest/gtest.h>

#include "GuiTestApp.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "app/SharedState.h"
#include "app/dialogs/DialogProtocol.h"
#include "gui/Form10.h"
#include "gui/Form2.h"
#include "gui/Form6.h"
#include "gui/Form7.h"
#include "gui/Form8.h"
#include "gui/Splash.h"

namespace ribcraft {
namespace {

void typeInto(QLineEdit* box, const char* text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}

TEST(SettingsDialogForms, Form6SliderWritesTheBoxAndOkAppliesTheTypedText) {
    ensureApp();
    SharedState s;
    Form6 form(s, nullptr);
    EXPECT_EQ(form.windowTitle(), "Angle of Attack");
    auto* slider = child<QSlider>(&form, "Slider1");
    auto* box = child<QLineEdit>(&form, "Text1");
    slider->setValue(-7);
    EXPECT_EQ(box->text(), "-7");
    typeInto(box, "25");
    EXPECT_EQ(slider->value(), 20);
    EXPECT_EQ(box->text(), "25");
    QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
    AfterAngleDialog(s, true);
    EXPECT_EQ(s.Texts.AngleText, "25");
    EXPECT_EQ(s.Texts.AngleDisplay, "25 Deg.");
}

TEST(SettingsDialogForms, Form7ClampsRewritesAndOkSetsTheFlapDisplays) {
    ensureApp();
    SharedState s;
    Form7 form(s, nullptr);
    EXPECT_EQ(form.windowTitle(), "Adjust Flap");
    auto* deflection = child<QLineEdit>(&form, "Text2");
    typeInto(deflection, "-45");
    EXPECT_EQ(deflection->text(), "-30");
    EXPECT_EQ(child<QSlider>(&form, "Slider2")->value(), -30);
    typeInto(deflection, "10");
    child<QSlider>(&form, "Slider1")->setValue(20);
    EXPECT_EQ(child<QLineEdit>(&form, "Text1")->text(), "20");
    QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
    EXPECT_EQ(s.Texts.FlapDeflectionText, "10 Deg.");
    EXPECT_EQ(s.Texts.FlapLengthText, "20 %c");
    EXPECT_DOUBLE_EQ(s.FlapLength, 20);
    EXPECT_DOUBLE_EQ(s.FlapDeflection, 10);
}

TEST(SettingsDialogForms, Form8GuardsTheTypedCountAndCancelKeepsIt) {
    ensureApp();
    SharedState s;
    {
        Form8 form(s, nullptr);
        EXPECT_EQ(form.windowTitle(), "Options");
        auto* combo = child<QComboBox>(&form, "Combo1");
        EXPECT_EQ(combo->count(), 9);
        EXPECT_EQ(combo->currentText(), "120");
        combo->setEditText("1000");
        // The first OK pulls the count to the largest offered and says so; the second takes it.
        QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
        EXPECT_EQ(form.result(), 0);
        EXPECT_EQ(combo->currentText(), "340");
        EXPECT_TRUE(child<QLabel>(&form, "CheckNote")->text().contains("1000"));
        EXPECT_EQ(s.PointCount, 120);
        QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    EXPECT_EQ(s.PointCount, 340);
    EXPECT_EQ(s.SurfacePoints, 170);

    bool accepted = RunDialog(s, [&] {
        Form8 form(s, nullptr);
        child<QComboBox>(&form, "Combo1")->setEditText("20");
        QTest::mouseClick(child<QLabel>(&form, "Panel3D2"), Qt::LeftButton); // no action
        QTest::mouseClick(child<QPushButton>(&form, "Command2"), Qt::LeftButton);
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(s.PointCount, 340);
}

TEST(SettingsDialogForms, Form8UpperPanelTakesTheChosenColourCancelKeepsIt) {
    ensureApp();
    SharedState s;
    Form8 form(s, nullptr);
    const QColor before = form.upperPanelColor();
    auto answerColourDialog = [](bool accept) {
        QTimer::singleShot(0, [accept] {
            auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            chooser->setCurrentColor(QColor(200, 10, 10));
            accept ? chooser->accept() : chooser->reject();
        });
    };
    answerColourDialog(false);
    QTest::mouseClick(child<QLabel>(&form, "Panel3D1"), Qt::LeftButton);
    EXPECT_EQ(form.upperPanelColor(), before);
    answerColourDialog(true);
    QTest::mouseClick(child<QLabel>(&form, "Panel3D1"), Qt::LeftButton);
    EXPECT_EQ(form.upperPanelColor(), QColor(200, 10, 10));
    EXPECT_EQ(s.UpperColor, SharedState().UpperColor); // the plot colours are not touched
}

TEST(SettingsDialogForms, Form10ShowsTheResultTextsAndForm2TheProductLine) {
    ensureApp();
    SharedState s;
    s.Texts.LiftText = "0.785";
    s.Texts.AlphaCl0Text = "-2.07 Deg.";
    Form10 coefficients(s, nullptr);
    EXPECT_EQ(child<QTabWidget>(&coefficients, "SSTab1")->tabText(0), "Theoretical (Thin Airfoil Theory)");
    EXPECT_EQ(coefficients.valueText(0), "0.785");
    EXPECT_EQ(coefficients.valueText(1), "0.0000");
    EXPECT_EQ(coefficients.valueText(5), "-2.07 Deg.");
    EXPECT_EQ(coefficients.valueText(6), "");
    EXPECT_EQ(child<QLabel>(&coefficients, "Label5_3")->text(), "Moment Coeffieient (c/4)");

    Form2 about(s, nullptr);
    EXPECT_TRUE(child<QLabel>(&about, "Label1")->text().startsWith(" Ribcraft Version 1.0\n"));
}

TEST(StartUpWindow, ShowsItsPictureAndIsDismissedOnce) {
    ensureApp();
    SharedState s;
    Splash splash(s);
    EXPECT_EQ(splash.windowTitle(), "Zephyrin, Version 2.0");
    auto* picture = splash.findChild<SplashPicture*>("Picture1");
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->grab().toImage();
    // The section is drawn light on the dark sky: both must be present.
    EXPECT_GT(qGray(image.pixel(image.width() / 2, image.height() * 47 / 100)), 180);
    EXPECT_LT(qGray(image.pixel(5, 5)), 90);

    splash.show();
    splash.dismiss();
    EXPECT_EQ(s.SplashDismissed, 1);
    EXPECT_FALSE(splash.isVisible());
    splash.show(); // a second dismiss does nothing
    splash.dismiss();
    EXPECT_TRUE(splash.isVisible());
}

} // namespace
} // namespace ribcraft
