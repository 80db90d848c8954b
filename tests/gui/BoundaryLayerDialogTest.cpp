// SPDX-License-Identifier: MIT
// The boundary-layer options dialog and the separation warning through Qt.

#include <gtest/gtest.h>

#include "GuiTestApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/dialogs/DialogProtocol.h"
#include "gui/FrmBlwarning.h"
#include "gui/FrmBoundaryLayer.h"

namespace ribcraft {
namespace {

TEST(BoundaryLayerDialog, TabsShowTheStateAndOkStoresTheChoices) {
    ensureApp();
    SharedState s;
    frmBoundaryLayer form(s, nullptr);
    EXPECT_EQ(form.windowTitle(), "Boundary Layer Options");
    auto* tabs = child<QTabWidget>(&form, "SSTab1");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "Reynolds Number");
    EXPECT_EQ(tabs->tabText(1), "Numerical Setting");
    EXPECT_EQ(tabs->tabText(2), "Polar Computation");
    EXPECT_EQ(child<QLineEdit>(&form, "Text1")->text(), "1000000");
    EXPECT_TRUE(child<QRadioButton>(&form, "Option3")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(&form, "Check1")->isChecked());
    auto* points = child<QComboBox>(&form, "Combo2");
    EXPECT_EQ(points->currentText(), "120");
    EXPECT_EQ(points->count(), 16);
    EXPECT_EQ(child<QComboBox>(&form, "Combo1")->count(), 20);
    EXPECT_TRUE(child<QRadioButton>(&form, "Option11")->isChecked()); // Truckenbrodt, PolarSolution 1

    child<QLineEdit>(&form, "Text1")->setText("500000");
    child<QRadioButton>(&form, "Option2")->setChecked(true);
    child<QCheckBox>(&form, "Check1")->setChecked(false);
    points->setCurrentText("340");
    child<QComboBox>(&form, "Combo3")->setCurrentText("64");
    child<QRadioButton>(&form, "Option4")->setChecked(true);
    child<QRadioButton>(&form, "Option8")->setChecked(true);
    child<QRadioButton>(&form, "Option10")->setChecked(true);
    const bool accepted =
        RunDialog(s, [&] { QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton); });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(s.re, 500000);
    EXPECT_EQ(s.BlOptions, 2);
    EXPECT_EQ(s.DisplayBlasius, 0);
    EXPECT_EQ(s.SurfacePoints, 170);
    EXPECT_EQ(s.PointCount, 340);
    EXPECT_EQ(s.BlPoints, 64);
    EXPECT_EQ(s.FlowSeperationModel, 1);
    EXPECT_EQ(s.BlDisplayOpt, 3);
    EXPECT_EQ(s.PolarSolution, 2);
    EXPECT_EQ(s.CompBlFlag, 1);
}

TEST(BoundaryLayerDialog, CancelAndEscapeOnlyMarkTheDialogCancelled) {
    ensureApp();
    SharedState s;
    {
        frmBoundaryLayer form(s, nullptr);
        child<QLineEdit>(&form, "Text1")->setText("5");
        EXPECT_FALSE(RunDialog(s, [&] { QTest::mouseClick(child<QPushButton>(&form, "Command2"), Qt::LeftButton); }));
    }
    {
        frmBoundaryLayer form(s, nullptr);
        EXPECT_FALSE(RunDialog(s, [&] { form.reject(); }));
    }
    EXPECT_EQ(s.re, 1000000);
    EXPECT_EQ(s.CompBlFlag, 0);
}

TEST(BoundaryLayerWarning, ExplainsTheSeparationLineByLine) {
    ensureApp();
    frmBlwarning form(nullptr);
    EXPECT_EQ(form.windowTitle(), "Boundary Seperation");
    const QStringList lines = frmBlwarning::lines();
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], "Zephyrin is predicting seperation of the boundary layer.  The following are possible:");
    EXPECT_EQ(lines[3], "If there are numerical errors then do the following to increase the accuracy (this will "
                        "decrease the performance of the computations):");
    EXPECT_EQ(lines[7], "b.  The number of points in the boundary layer.");
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(child<QLabel>(&form, QString("Label%1").arg(i + 1).toLatin1().constData())->text(), lines[i]);
    auto* ok = child<QPushButton>(&form, "Command1");
    EXPECT_EQ(ok->text(), "OK");
    form.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace ribcraft
