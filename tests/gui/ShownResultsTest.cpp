// SPDX-License-Identifier: MIT
// What the main window shows belongs to the inputs it shows. Each test is a
// short session that once left a result of an earlier section, angle, flap or
// mesh on screen; the oracle is a second window given only the final inputs:
// both must show the same texts, report and picture.

#include <gtest/gtest.h>

#include "GuiTestApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cmath>
#include <string>

#include "app/FileCommands.h"
#include "app/ReportSource.h"
#include "gui/Form1.h"
#include "gui/PlotCanvas.h"
#include "gui/ResultPanel.h"
#include "io/ReportText.h"

namespace ribcraft {
namespace {

QString Data(const char* name) {
    return QString::fromUtf8(RIBCRAFT_TEST_DATA) + "/" + name;
}

struct Window {
    Window() {
        ensureApp();
        form = std::make_unique<Form1>();
        form->setShowNotices(false);
        form->resize(1000, 700);
        form->show();
        QApplication::processEvents();
    }
    Form1& operator*() { return *form; }
    Form1* operator->() { return form.get(); }
    std::unique_ptr<Form1> form;
};

// Types into a box of the result panel as a user does (the old text selected and replaced).
void Type(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}
void TypeAngle(Form1& f, const QString& angle, bool enter) {
    Type(f.resultPanel()->Text2, angle);
    if (enter) QTest::keyClick(f.resultPanel()->Text2, Qt::Key_Return);
}
// A NACA section typed into the name box, solved by Enter in the angle box.
void TypeSection(Form1& f, const QString& digits) {
    Type(f.resultPanel()->Text1, digits);
    QTest::keyClick(f.resultPanel()->Text2, Qt::Key_Return);
}

// Everything the window shows as text: the result panel, the title and,
// in the report view, the report.
std::string Shown(Form1& f) {
    const ResultPanel& p = *f.resultPanel();
    std::string s;
    for (const QString& t : {p.Text1->text(), p.Text2->text(), p.Text5->text(), p.Text3->text(), p.Text4->text(),
                             p.Label11->text(), p.Label12->text(), p.Label13->text(), p.Label16->text(),
                             p.Label17->text(), p.Label20->text(), f.titlePanel()->text()})
        s += t.toStdString() + "|";
    s += p.Label22->isVisible() ? "stalled\n" : "\n";
    if (f.state().VFlag == 8)
        for (const ReportLine& line : ReportLines(ReportInputsFor(f.state())))
            s += line.text + "\n";
    if (f.state().VFlag != 10) s += AsciiFileText(f.state());
    return s;
}

void ExpectSameScreen(Form1& seen, Form1& fresh) {
    EXPECT_EQ(Shown(seen), Shown(fresh));
    EXPECT_TRUE(seen.drawingArea()->surface().image() == fresh.drawingArea()->surface().image())
        << "the pictures differ";
}

// 1. The report's boundary-layer column follows a new angle.
TEST(ShownResults, ReportBoundaryLayerColumnFollowsTheAngle) {
    Window w;
    TypeSection(*w, "2412");
    TypeAngle(*w, "4", true);
    w->menus().mnuBoundaryLayer->trigger();
    ASSERT_TRUE(w->state().Bl.Solved);
    const std::string at4 = Shown(*w);
    TypeAngle(*w, "8", true);
    w->menus().mnuReport->trigger();

    Window fresh;
    TypeSection(*fresh, "2412");
    TypeAngle(*fresh, "8", true);
    fresh->menus().mnuReport->trigger();
    ExpectSameScreen(*w, *fresh);
    EXPECT_NE(Shown(*w), at4);
}

// 2. The boundary-layer edge drawn over the outline is that of the section shown.
TEST(ShownResults, AirfoilBoundaryLayerEdgeFollowsTheSection) {
    Window w;
    w->menus().mnuBoundaryLayer->trigger();
    TypeSection(*w, "4421");
    w->menus().mnuAirfoilBoundaryLayer->trigger();

    Window fresh;
    TypeSection(*fresh, "4421");
    fresh->menus().mnuAirfoilBoundaryLayer->trigger();
    ExpectSameScreen(*w, *fresh);
    EXPECT_EQ(w->state().EdgeY, fresh->state().EdgeY);
}

// A coordinate file named like a NACA section (its name line starts with digits).
QString NacaLikeFile(const QTemporaryDir& dir) {
    QFile in(Data("batch/naca2412_selig.dat"));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    QByteArray text = in.readAll();
    text = "4409 like test section" + text.mid(text.indexOf('\n'));
    const QString path = dir.filePath("like.dat");
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
    return path;
}

// 3. Accepting the mesh settings never changes the section.
TEST(ShownResults, MeshControlsKeepAFileSection) {
    QTemporaryDir dir;
    const QString file = NacaLikeFile(dir);
    Window w;
    ASSERT_TRUE(w->OpenFile(file));
    AnswerNextDialog("OK");
    w->MeshControlsCommand();
    EXPECT_EQ(w->state().RawAirfoilFlag, 1);
    w->menus().mnuCp->trigger();
    EXPECT_TRUE(w->lastRedraw().ok()) << w->lastRedraw().message();

    Window fresh;
    ASSERT_TRUE(fresh->OpenFile(file));
    fresh->menus().mnuCp->trigger();
    ExpectSameScreen(*w, *fresh);
}

// 4. The mesh view and its export follow a flap set after the mesh was made.
TEST(ShownResults, MeshFollowsTheFlap) {
    Window w;
    w->menus().mnuMesh->trigger();
    const std::string unflapped = AsciiFileText(w->state());
    AnswerNextDialog("OK", {{"Text1", "50"}, {"Text2", "30"}});
    w->FlapCommand(false);
    ASSERT_EQ(w->state().FlapLength, 50);

    Window fresh;
    AnswerNextDialog("OK", {{"Text1", "50"}, {"Text2", "30"}});
    fresh->FlapCommand(false);
    fresh->menus().mnuMesh->trigger();
    ExpectSameScreen(*w, *fresh);
    EXPECT_NE(AsciiFileText(w->state()), unflapped);
}

// 5. NACA digits typed after a file was read replace the file section.
// 6. A file section the panel method refuses is not taken: the section before stays.
TEST(ShownResults, TypedDigitsReplaceAFileAndARefusedFileIsNotTaken) {
    Window w;
    ASSERT_TRUE(w->OpenFile(Data("batch/naca2412_selig.dat")));
    TypeSection(*w, "4412");
    EXPECT_EQ(w->state().RawAirfoilFlag, 0);

    Window fresh;
    TypeSection(*fresh, "4412");
    ExpectSameScreen(*w, *fresh);

    const std::string before = Shown(*w);
    EXPECT_FALSE(w->OpenFile(Data("app/flat_plate.dat")));
    EXPECT_FALSE(w->lastMessage().isEmpty());
    EXPECT_EQ(Shown(*w), before);
    ExpectSameScreen(*w, *fresh);
}

// 7. A drag step that fails shows "N/A", never the previous section's drag.
TEST(ShownResults, FailedDragIsNotTheOldDrag) {
    Window w;
    TypeSection(*w, "2412");
    ASSERT_NE(w->resultPanel()->Label20->text(), "N/A");
    w->state().re = std::nan(""); // the integral layer cannot march at this Reynolds number
    TypeSection(*w, "9112");
    EXPECT_EQ(w->resultPanel()->Label20->text(), "N/A");
    EXPECT_EQ(w->state().Cd, 0);
    EXPECT_EQ(w->state().Texts.SectionName, "9112");
}

// 8. The angle display is the solved angle: after a view chosen with the box
// edited but not entered, after a refused angle, and after a cancelled angle
// dialog.
TEST(ShownResults, AngleDisplayIsTheSolvedAngle) {
    Window w;
    TypeAngle(*w, "5", false);
    w->menus().mnuReport->trigger();
    Window fresh;
    TypeAngle(*fresh, "5", true);
    fresh->menus().mnuReport->trigger();
    ExpectSameScreen(*w, *fresh);
    EXPECT_EQ(w->resultPanel()->Text5->text(), "5 Deg.");

    const int redraws = w->redrawCount();
    TypeAngle(*w, "7", false);
    AnswerNextDialog("Cancel");
    w->AngleCommand(false);
    ASSERT_EQ(w->redrawCount(), redraws);
    EXPECT_EQ(w->resultPanel()->Text5->text(), "5 Deg.");
    EXPECT_DOUBLE_EQ(w->state().Alpha, 5);

    // The box's validator keeps Enter from taking 99999; a view command takes it and refuses it.
    TypeAngle(*w, "99999", true);
    w->menus().mnuReport->trigger();
    EXPECT_FALSE(w->lastRedraw().ok());
    ExpectSameScreen(*w, *fresh);
}

// 9. A boundary layer that cannot be solved is not drawn from an older solution.
TEST(ShownResults, FailedBoundaryLayerShowsNoOldLayer) {
    Window w;
    w->menus().mnuBoundaryLayer->trigger();
    ASSERT_TRUE(w->state().Bl.Solved);
    w->state().BlPoints = 0; // no point across the layer: the solver cannot run
    TypeSection(*w, "4412");
    EXPECT_FALSE(w->lastRedraw().ok());
    EXPECT_FALSE(w->state().Bl.Solved);
    EXPECT_EQ(w->state().CdCFD, 0);
    EXPECT_EQ(w->state().Texts.SectionName, "4412");
    w->menus().mnuReport->trigger();
    EXPECT_FALSE(w->state().Bl.Solved);
    for (const ReportLine& line : ReportLines(ReportInputsFor(w->state()))) {
        if (line.text.find("Lift Coeff") != std::string::npos || line.text.find("Drag Coeff") != std::string::npos) {
            EXPECT_EQ(line.text.substr(line.text.size() - 3), "N/A") << "the boundary-layer column: " << line.text;
        }
    }
}

} // namespace
} // namespace ribcraft
