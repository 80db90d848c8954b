// SPDX-License-Identifier: MIT
// The Export Ribs dialog through Qt: its controls, the Tip Chord rule, a
// file written from the typed values with a notch, and refused values.

#include <gtest/gtest.h>

#include "GuiTestApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../plot/TestSection.h"
#include "gui/FrmExportRibs.h"
#include "gui/HelpWindow.h"

namespace ribcraft {
namespace {

namespace fs = std::filesystem;

void typeInto(QLineEdit* box, const char* text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}

struct ExportRibsDialog : ::testing::Test {
    SharedState st;
    fs::path file;
    void SetUp() override {
        ensureApp();
        test::FillEllipse(st, 40, 0.12);
        st.Texts.SectionName = "0012";
        file = fs::path(RIBCRAFT_BINARY_DIR) / "test-output" / "dialog-ribs.svg";
        fs::create_directories(file.parent_path());
        fs::remove(file);
    }
};

TEST_F(ExportRibsDialog, WritesTheTypedRibsWithTheirNotchAndRefusesWhatCannotBeCut) {
    FrmExportRibs form(st, nullptr);
    EXPECT_EQ(form.windowTitle(), "Export NACA 0012 Ribs");
    form.setShowMessages(false);
    form.setOutputPath(QString::fromStdString(file.string()));
    form.show();
    EXPECT_FALSE(child<QLineEdit>(&form, "txtTip")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(&form, "optInches")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(&form, "optDxf")->isChecked());

    typeInto(child<QLineEdit>(&form, "txtRibs"), "4");
    EXPECT_TRUE(child<QLineEdit>(&form, "txtTip")->isEnabled());
    typeInto(child<QLineEdit>(&form, "txtRoot"), "250");
    typeInto(child<QLineEdit>(&form, "txtTip"), "150");
    typeInto(child<QLineEdit>(&form, "txtSkin"), "1.5");
    child<QRadioButton>(&form, "optMillimetres")->click();
    child<QRadioButton>(&form, "optSvg")->click();
    child<QCheckBox>(&form, "chkNotch1")->setChecked(true);
    typeInto(child<QLineEdit>(&form, "txtNotchWidth1"), "6");
    typeInto(child<QLineEdit>(&form, "txtNotchDepth1"), "5");
    child<QComboBox>(&form, "cboNotchSide1")->setCurrentIndex(2); // both

    // Text where a number belongs, then a notch deeper than the tip rib is thick: refused, no file.
    typeInto(child<QLineEdit>(&form, "txtSkin"), "thin");
    QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
    EXPECT_EQ(form.lastStatus().message(), "Skin Thickness is not a number: \"thin\"");
    typeInto(child<QLineEdit>(&form, "txtSkin"), "1.5");
    typeInto(child<QLineEdit>(&form, "txtNotchDepth1"), "19");
    QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
    EXPECT_NE(form.lastStatus().message().find("Spar notch 1 on rib #"), std::string::npos)
        << form.lastStatus().message();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(fs::exists(file));

    QTest::mouseClick(child<QPushButton>(&form, "Command3"), Qt::LeftButton);
    auto* help = form.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentPage(), "ribs.html");

    typeInto(child<QLineEdit>(&form, "txtNotchDepth1"), "5");
    QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
    ASSERT_TRUE(form.lastStatus().ok()) << form.lastStatus().message();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("height=\""), std::string::npos);
    EXPECT_NE(text.str().find("mm\" viewBox="), std::string::npos);
    EXPECT_NE(text.str().find("0012 Airfoil #4: chord = 150.00 mm.;  span location = 100.0 %"), std::string::npos);
}

} // namespace
} // namespace ribcraft
