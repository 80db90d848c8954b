// SPDX-License-Identifier: MIT
// The Grid Control dialog through Qt.

#include <gtest/gtest.h>

#include "GuiTestApp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <cmath>

#include "app/SharedState.h"
#include "gui/GridControl.h"

namespace ribcraft {
namespace {

TEST(GridControlForm, CaptionsListsAndStartValues) {
    ensureApp();
    SharedState s;
    GridControl form(s, nullptr);
    EXPECT_EQ(form.windowTitle(), "Grid Control");
    EXPECT_EQ(child<QLabel>(&form, "Label1")->text(), "Number of  Points Around Airfoil");
    EXPECT_EQ(child<QLabel>(&form, "Label2")->text(), "Number of Points in Radial  Direction");
    EXPECT_EQ(child<QLabel>(&form, "Label3")->text(), "Outer Circle Radius");
    EXPECT_EQ(child<QLabel>(&form, "Label4")->text(), "Less Points");
    EXPECT_EQ(child<QLabel>(&form, "Label5")->text(), "More Points");
    EXPECT_EQ(child<QGroupBox>(&form, "Frame1")->title(), "Grid Clustering Near Airfoil");
    auto* combo1 = child<QComboBox>(&form, "Combo1");
    EXPECT_EQ(combo1->count(), 18);
    EXPECT_EQ(combo1->currentText(), "41");
    EXPECT_EQ(child<QComboBox>(&form, "Combo2")->count(), 8);
    EXPECT_EQ(child<QComboBox>(&form, "Combo2")->currentText(), "21");
    EXPECT_EQ(child<QComboBox>(&form, "Combo3")->count(), 9);
    EXPECT_EQ(child<QComboBox>(&form, "Combo3")->currentText(), "10");
    auto* slider = child<QSlider>(&form, "Slider1");
    EXPECT_EQ(slider->value(), 49);
    EXPECT_EQ(slider->maximum(), 100);
    EXPECT_EQ(child<QPushButton>(&form, "Command1")->text(), "OK");
    EXPECT_EQ(child<QPushButton>(&form, "Command2")->text(), "Cancel");
}

TEST(GridControlForm, OkTakesTypedAndListedValues) {
    ensureApp();
    SharedState s;
    s.NewGrid = 0;
    GridControl form(s, nullptr);
    auto* combo1 = child<QComboBox>(&form, "Combo1");
    combo1->lineEdit()->selectAll();
    QTest::keyClicks(combo1->lineEdit(), "77");
    child<QComboBox>(&form, "Combo3")->setCurrentIndex(8);
    child<QSlider>(&form, "Slider1")->setValue(100);
    QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(s.MeshX, 77);
    EXPECT_EQ(s.MeshY, 21);
    EXPECT_EQ(s.OuterRadius, 20);
    EXPECT_DOUBLE_EQ(s.GridCluster, std::exp(0.1));
    EXPECT_EQ(s.NewGrid, 1);
    EXPECT_EQ(s.DialogCancelled, 0);
}

TEST(GridControlForm, CancelAndEscapeLeaveTheMeshAlone) {
    ensureApp();
    SharedState s;
    GridControl form(s, nullptr);
    child<QComboBox>(&form, "Combo1")->setCurrentIndex(17);
    QTest::mouseClick(child<QPushButton>(&form, "Command2"), Qt::LeftButton);
    EXPECT_EQ(s.DialogCancelled, 1);
    EXPECT_EQ(s.MeshX, 41);
    s.DialogCancelled = 0;
    GridControl second(s, nullptr);
    second.show();
    QTest::keyClick(&second, Qt::Key_Escape);
    EXPECT_EQ(s.DialogCancelled, 1);
    EXPECT_EQ(s.GridCluster, 1.05);
}

} // namespace
} // namespace ribcraft
