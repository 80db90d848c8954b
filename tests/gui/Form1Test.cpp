// SPDX-License-Identifier: MIT
// The main window as a user meets it: start-up state, view commands, the
// dialog protocol, typed input that cannot be solved.

#include <gtest/gtest.h>

#include "GuiTestApp.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "gui/Form1.h"
#include "gui/PlotCanvas.h"
#include "gui/ResultPanel.h"

namespace ribcraft {
namespace {

struct AppFirst {
    AppFirst() { ensureApp(); }
};

// A shown main window after its first redraw.
struct ShownWindow : AppFirst {
    ShownWindow() {
        form.setShowNotices(false);
        form.resize(1000, 700);
        form.show();
        QApplication::processEvents();
    }
    Form1 form;
};

TEST(MainWindow, StartUpState) {
    ShownWindow w;
    Form1& f = w.form;
    EXPECT_EQ(f.windowTitle(), "Ribcraft (Full) Version 1.0");
    EXPECT_EQ(f.resultPanel()->Text1->text(), "0012");
    EXPECT_EQ(f.resultPanel()->Label16->text(), "0.0 Deg.");
    EXPECT_EQ(f.resultPanel()->Label17->text(), "0.0 %c");
    EXPECT_EQ(f.menus().mnuShowPoints->text(), "Show Points");
    EXPECT_TRUE(f.menus().mnuWhite->isChecked());
    EXPECT_FALSE(f.menus().mnuBlack->isChecked());
    EXPECT_FALSE(f.menus().mnuZoomIn->isVisible());
    EXPECT_FALSE(f.menus().mnuZoomReset->isVisible());
    EXPECT_EQ(f.state().PointRadius, 0);
    EXPECT_GE(f.redrawCount(), 1); // the first redraw solved NACA 0012 at 0 degrees
    EXPECT_TRUE(f.state().HaveSolution);
    EXPECT_EQ(f.resultPanel()->Text3->text(), "0.000");
    EXPECT_EQ(f.titlePanel()->text(), "0012 Distribution");
    // The drawing area is white.
    const QImage& img = f.drawingArea()->surface().image();
    EXPECT_EQ(img.pixelColor(2, 2), QColor(Qt::white));
    // "Color" is a pop-up only, not on the menu bar.
    for (QAction* a : f.menuBar()->actions())
        EXPECT_NE(a->text(), "Color");
}

TEST(MainWindow, ViewCommandChangesTheViewAndLegend) {
    ShownWindow w;
    Form1& f = w.form;
    f.menus().mnuCp->trigger();
    EXPECT_EQ(f.state().VFlag, 2);
    EXPECT_TRUE(f.menus().mnuCp->isChecked());
    EXPECT_EQ(f.titlePanel()->text(), "0012:  Cp v.s. Chord Position");
    EXPECT_TRUE(f.state().Texts.LegendVisible);
    f.menus().mnuVelocity->trigger();
    EXPECT_FALSE(f.menus().mnuCp->isChecked());
    EXPECT_TRUE(f.menus().mnuVelocity->isChecked());
    f.menus().mnuPressureDistribution->trigger();
    EXPECT_EQ(f.state().VFlag, 1);
    EXPECT_EQ(f.state().XChoice, 1);
    EXPECT_FALSE(f.menus().mnuVelocity->isChecked());
    EXPECT_FALSE(f.state().Texts.LegendVisible);
    f.menus().mnuFourier->trigger();
    EXPECT_EQ(f.titlePanel()->text(), "0012:  Report");
}

// Menus, scripts, help contexts and exported files know the views by number:
// every view command must land on its own view and sub-view code. The numbers
// are written out here on purpose, independent of the names the code uses.
TEST(MainWindow, EveryViewCommandSetsItsViewNumbers) {
    ShownWindow w;
    Form1& f = w.form;
    const MainMenus& m = f.menus();
    struct Expected {
        QAction* action;
        int VFlag;
        int XChoice, BlDisplayOpt, PolarView; // -1: not this command's business
    };
    const Expected table[] = {
        {m.mnuCoordinates, 1, 2, -1, -1},
        {m.mnuVelocityDistribution, 1, 0, -1, -1},
        {m.mnuPressureDistribution, 1, 1, -1, -1},
        {m.mnuAirfoilBoundaryLayer, 1, 3, -1, -1},
        {m.mnuCp, 2, -1, -1, -1},
        {m.mnuVelocity, 3, -1, -1, -1},
        {m.mnuStream, 4, -1, -1, -1},
        {m.mnuPressure, 5, -1, -1, -1},
        {m.mnuMesh, 6, -1, -1, -1},
        {m.mnuBoundaryLayer, 7, -1, -1, -1},
        {m.mnuBlUpperProfiles, 7, -1, 1, -1},
        {m.mnuBlLowerProfiles, 7, -1, 2, -1},
        {m.mnuBlUpperThickness, 7, -1, 3, -1},
        {m.mnuBlLowerThickness, 7, -1, 4, -1},
        {m.mnuBlUpperFriction, 7, -1, 5, -1},
        {m.mnuBlLowerFriction, 7, -1, 6, -1},
        {m.mnuBlAirfoilView, 1, 3, -1, -1},
        {m.mnuReport, 8, -1, -1, -1},
        {m.mnuFourier, 9, -1, -1, -1},
        {m.mnuPolar, 10, -1, -1, 1},
        {m.mnuClCm, 10, -1, -1, 2},
        {m.mnuTransition, 10, -1, -1, 3},
    };
    for (const Expected& e : table) {
        e.action->trigger();
        const SharedState& s = f.state();
        const std::string name = e.action->objectName().toStdString() + " " + e.action->text().toStdString();
        EXPECT_EQ(s.VFlag, e.VFlag) << name;
        if (e.XChoice >= 0) {
            EXPECT_EQ(s.XChoice, e.XChoice) << name;
        }
        if (e.BlDisplayOpt >= 0) {
            EXPECT_EQ(s.BlDisplayOpt, e.BlDisplayOpt) << name;
        }
        if (e.PolarView >= 0) {
            EXPECT_EQ(s.PolarView, e.PolarView) << name;
        }
    }
    // The reset keeps the chosen polar graph.
    m.mnuResetPolar->trigger();
    EXPECT_EQ(f.state().VFlag, 10);
    EXPECT_EQ(f.state().PolarView, 3);
}

TEST(MainWindow, CancelledDialogDoesNotRedraw) {
    ShownWindow w;
    Form1& f = w.form;
    const int before = f.redrawCount();
    AnswerNextDialog("Cancel");
    f.menus().Digit4->trigger();
    EXPECT_EQ(f.redrawCount(), before);
    EXPECT_EQ(f.state().DialogCancelled, 1);
    EXPECT_EQ(f.state().Texts.SectionName, "0012");

    AnswerNextDialog("OK");
    f.menus().Digit4->trigger();
    EXPECT_EQ(f.redrawCount(), before + 1);
    EXPECT_EQ(f.state().RawAirfoilFlag, 0);
}

TEST(MainWindow, ShowPointsAndBackgrounds) {
    ShownWindow w;
    Form1& f = w.form;
    f.menus().mnuShowPoints->trigger();
    EXPECT_EQ(f.menus().mnuShowPoints->text(), "Hide Points");
    EXPECT_DOUBLE_EQ(f.state().PointRadius, 0.007);
    f.menus().mnuShowPoints->trigger();
    EXPECT_EQ(f.menus().mnuShowPoints->text(), "Show Points");

    f.menus().mnuBlack->trigger();
    EXPECT_TRUE(f.menus().mnuBlack->isChecked());
    EXPECT_FALSE(f.menus().mnuWhite->isChecked());
    EXPECT_EQ(f.state().BackgroundColor, 15);
    EXPECT_EQ(f.drawingArea()->surface().image().pixelColor(2, 2), QColor(Qt::black));
}

TEST(MainWindow, UnsolvableTypedSectionKeepsThePreviousSolution) {
    ShownWindow w;
    Form1& f = w.form;
    const auto outline = f.state().SectionY;
    f.resultPanel()->Text1->setText("99999");
    emit f.resultPanel()->Text1->textEdited("99999");
    emit f.resultPanel()->angleEntered();
    EXPECT_FALSE(f.lastRedraw().ok());
    EXPECT_FALSE(f.lastMessage().isEmpty());
    EXPECT_EQ(f.state().SectionY, outline);
    EXPECT_EQ(f.state().SectionNumber, 12);

    // A valid typed section is solved on the next Enter.
    f.resultPanel()->Text1->setText("2412");
    emit f.resultPanel()->Text1->textEdited("2412");
    emit f.resultPanel()->angleEntered();
    EXPECT_TRUE(f.lastRedraw().ok());
    EXPECT_EQ(f.state().SectionNumber, 2412);
    EXPECT_NE(f.state().SectionY, outline);
}

TEST(MainWindow, ZoomAndRubberBandOnTheMesh) {
    ShownWindow w;
    Form1& f = w.form;
    f.menus().mnuMesh->trigger();
    f.menus().mnuZoomIn->trigger();
    f.menus().mnuZoomIn->trigger();
    EXPECT_DOUBLE_EQ(f.state().MeshMin, 0.5);
    EXPECT_DOUBLE_EQ(f.state().MeshMax, 0.55);
    // The hidden zoom items still answer the keyboard.
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(f.state().MeshMax, 1.5);
    EXPECT_DOUBLE_EQ(f.state().MeshMin, -0.5);
    const int before = f.redrawCount();
    emit f.drawingArea()->rubberBandFinished(0.1, 0.1, 0.105, 0.3); // too narrow
    EXPECT_EQ(f.redrawCount(), before);
    emit f.drawingArea()->rubberBandFinished(0.1, 0.1, 0.6, 0.3);
    EXPECT_EQ(f.redrawCount(), before + 1);
    EXPECT_DOUBLE_EQ(f.state().MeshMin, 0.1);
    EXPECT_DOUBLE_EQ(f.state().MeshMaxY, 0.3);
}

} // namespace
} // namespace ribcraft
