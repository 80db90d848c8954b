// The window as people use it: keys in every settings dialog, refused and
// pulled values, tool-bar tips, the graphic tool bar, the legend click, the
// start-up window, Save in the listing views, drag and drop, recent files and
// Export View.

#include <gtest/gtest.h>

#include "GuiTestApp.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "app/FileCommands.h"
#include "gui/Form1.h"
#include "gui/Form4.h"
#include "gui/Form5.h"
#include "gui/Form6.h"
#include "gui/Form7.h"
#include "gui/Form8.h"
#include "gui/FrmBoundaryLayer.h"
#include "gui/GridControl.h"
#include "gui/PlotCanvas.h"
#include "gui/Splash.h"
#include "gui/ToolBars.h"

namespace ribcraft {
namespace {

struct Window {
    Window() {
        ensureApp();
        // Settings (the recent files) of this test process only: ctest runs tests side by side.
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QCoreApplication::setOrganizationName(QStringLiteral("ribcraft-tests"));
        QSettings().clear();
        form = std::make_unique<Form1>();
        form->setShowNotices(false);
        form->resize(1000, 700);
        form->show();
        QApplication::processEvents();
    }
    std::unique_ptr<Form1> form;
};

// Runs `inDialog` on the next modal dialog once it is up.
void withNextDialog(std::function<void(QWidget*)> inDialog) {
    QTimer::singleShot(0, [inDialog] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        inDialog(dialog);
    });
}

// The file the file dialog of `command` proposes (the dialog is cancelled).
QString proposedFile(QAction* command) {
    QString proposed;
    withNextDialog([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        proposed = files->selectedFiles().value(0);
        files->reject();
    });
    command->trigger();
    return proposed;
}

// Enter confirms and Escape cancels in every settings dialog, from the box
// that has the focus when it opens.
TEST(Keyboard, EnterConfirmsAndEscapeCancelsEverySettingsDialog) {
    ensureApp();
    using Make = std::function<std::unique_ptr<QDialog>(SharedState&)>;
    const std::vector<std::pair<const char*, Make>> dialogs = {
        {"Form4", [](SharedState& s) { return std::make_unique<Form4>(s); }},
        {"Form5", [](SharedState& s) { return std::make_unique<Form5>(s); }},
        {"Form6", [](SharedState& s) { return std::make_unique<Form6>(s); }},
        {"Form7", [](SharedState& s) { return std::make_unique<Form7>(s); }},
        {"Form8", [](SharedState& s) { return std::make_unique<Form8>(s); }},
        {"GridControl", [](SharedState& s) { return std::make_unique<GridControl>(s); }},
        {"frmBoundaryLayer", [](SharedState& s) { return std::make_unique<frmBoundaryLayer>(s); }},
    };
    for (const auto& [name, make] : dialogs) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            SharedState s;
            s.resetToStartup();
            auto dialog = make(s);
            dialog->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
            dialog->activateWindow();
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get();
            QTest::keyClick(target, key);
            if (key == Qt::Key_Return) {
                EXPECT_EQ(dialog->result(), QDialog::Accepted) << name;
                EXPECT_EQ(s.DialogCancelled, 0) << name;
            } else {
                EXPECT_EQ(dialog->result(), QDialog::Rejected) << name;
                EXPECT_EQ(s.DialogCancelled, 1) << name;
            }
        }
    }
}

TEST(Keyboard, TabGoesFromBoxToBoxAndArrowKeysSpin) {
    ensureApp();
    SharedState s;
    s.resetToStartup();
    Form4 form(s);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* camber = child<QLineEdit>(&form, "Text1");
    camber->setFocus();
    QTest::keyClick(camber, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(&form, "Text2"));
    for (QToolButton* arrow : form.findChildren<QToolButton*>())
        EXPECT_EQ(arrow->focusPolicy(), Qt::NoFocus) << arrow->objectName().toStdString();
    auto* thickness = child<QLineEdit>(&form, "Text3");
    const QString before = thickness->text();
    QTest::keyClick(thickness, Qt::Key_Up);
    EXPECT_EQ(thickness->text().toInt(), before.toInt() + 1);
    QTest::keyClick(thickness, Qt::Key_Down);
    EXPECT_EQ(thickness->text(), before);
}

// Letters cannot be typed; an empty box is refused in the dialog, which
// stays open; an out-of-range count is rewritten with a note and the next
// OK takes it.
TEST(Checks, TheOptionsDialogRefusesTextAndShowsAPulledCount) {
    Window w;
    Form1& f = *w.form;
    const int redraws = f.redrawCount();
    withNextDialog([](QWidget* dialog) {
        auto* box = child<QComboBox>(dialog, "Combo1");
        box->lineEdit()->clear();
        QTest::keyClicks(box->lineEdit(), "abc");
        EXPECT_EQ(box->currentText(), "");
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible()) << "refused in the dialog";
        auto* note = child<QLabel>(dialog, "CheckNote");
        EXPECT_EQ(note->text(), "Number of Points: please enter a number.");
        QTest::keyClicks(box->lineEdit(), "9999");
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(box->currentText(), "340");
        EXPECT_TRUE(note->text().contains("9999 is above 340")) << note->text().toStdString();
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    });
    f.menus().mnuOptions->trigger();
    EXPECT_EQ(f.state().PointCount, 340);
    EXPECT_EQ(f.redrawCount(), redraws + 1);
}

TEST(Checks, AnImpossibleAngleInTheAngleBoxKeepsTheShownAngle) {
    Window w;
    Form1& f = *w.form;
    const std::string display = f.state().Texts.AngleDisplay;
    const int redraws = f.redrawCount();
    QLineEdit* box = f.findChild<QLineEdit*>("Text2");
    ASSERT_NE(box, nullptr);
    box->selectAll();
    QTest::keyClicks(box, "99999");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(f.redrawCount(), redraws);
    EXPECT_EQ(f.state().Texts.AngleDisplay, display);
    EXPECT_EQ(f.lastMessage(), "Angle of attack must lie between -90 and 90 degrees.");
    box->selectAll();
    QTest::keyClicks(box, "4x");
    EXPECT_EQ(box->text(), "4") << "letters cannot be typed";
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(f.redrawCount(), redraws + 1);
    EXPECT_EQ(f.state().Texts.AngleDisplay, "4 Deg.");
}

// The tip appears after its delay although the button passes the pointer's
// moves on to the tool-bar panel.
TEST(ToolBar, TipsAppearAfterTheDelayAndTheGraphicBarHasTipsAndSixVisibleSpots) {
    Window w;
    Form1& f = *w.form;
    auto* naca4 = f.findChild<QPushButton*>("SSCommand2");
    ASSERT_NE(naca4, nullptr);
    const QPoint at(naca4->width() / 2, naca4->height() / 2);
    QMouseEvent move(QEvent::MouseMove, at, naca4->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(naca4, &move);
    QApplication::sendEvent(naca4, &move);
    EXPECT_TRUE(f.tipTimer().isActive());
    // Leaving the button before the delay cancels the tip; coming back starts it again.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(naca4, &leave);
    EXPECT_FALSE(f.tipTimer().isActive());
    QApplication::sendEvent(naca4, &move);
    EXPECT_TRUE(f.tipTimer().isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.tipBox()->isVisible(); }, 3000));
    EXPECT_EQ(f.tipBox()->text(), "Select NACA 4 Digit Section");

    auto* bar = f.findChild<GraphicToolBar*>("Picture4");
    ASSERT_NE(bar, nullptr);
    // The graphic bar shows tooltips of its own: the panel tip goes when the pointer arrives there.
    QEnterEvent enter(QPointF(5, 5), bar->mapToGlobal(QPointF(5, 5)), bar->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(bar, &enter);
    EXPECT_FALSE(f.tipBox()->isVisible());
    const QImage plain = bar->grab().toImage();
    for (int k = 0; k < 6; ++k) {
        const HotSpot& h = bar->hotSpots()[k];
        const QRect r(h.left / 15, h.top / 15, h.width / 15, h.height / 15);
        int ink = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (plain.pixelColor(x, y) == QColor(Qt::black)) ++ink;
        EXPECT_GT(ink, 10) << "hot spot " << k << " shows its glyph";
        EXPECT_FALSE(GraphicToolBar::tipFor(k).isEmpty());
        QHelpEvent help(QEvent::ToolTip, r.center(), bar->mapToGlobal(r.center()));
        QApplication::sendEvent(bar, &help);
        EXPECT_EQ(QToolTip::text(), GraphicToolBar::tipFor(k));
    }
}

TEST(Legend, AClickRecoloursTheCurveAtOnce) {
    Window w;
    Form1& f = *w.form;
    f.menus().mnuCp->trigger();
    const QImage before = f.drawingArea()->surface().image().copy();
    const int redraws = f.redrawCount(), colour = f.state().UpperColor;
    QTest::mouseClick(f.findChild<QLabel*>("Label5_0"), Qt::LeftButton);
    EXPECT_NE(f.state().UpperColor, colour);
    EXPECT_EQ(f.redrawCount(), redraws + 1);
    EXPECT_NE(f.drawingArea()->surface().image(), before);
}

TEST(StartUp, TheStartUpWindowIsPaintedBeforeItIsShown) {
    ensureApp();
    SharedState s;
    Splash splash(s);
    const SplashPicture* picture = splash.findChild<SplashPicture*>("Picture1");
    ASSERT_NE(picture, nullptr);
    ASSERT_FALSE(picture->picture().isNull());
    const QImage drawn = picture->picture().toImage();
    EXPECT_NE(drawn.pixelColor(5, 5), QColor(Qt::black)) << "the sky is drawn before showing";
    splash.showPainted();
    EXPECT_TRUE(splash.painted());
}

// Save in the Fourier view writes the listing under its own title; the DXF
// dialog proposes the section's name; the stream-line view has nothing to save.
TEST(Files, SaveWritesTheListingAndDxfProposesTheSectionName) {
    Window w;
    Form1& f = *w.form;
    QTemporaryDir dir;
    const QString path = dir.filePath("fourier.dat");
    f.menus().mnuFourier->trigger();
    QString title;
    withNextDialog([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        title = files->windowTitle();
        files->selectFile(path);
        static_cast<QDialog*>(files)->accept();
    });
    f.menus().mnuSave->trigger();
    EXPECT_EQ(title, "Save Fourier Coefficients for 0012");
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), AsciiFileText(f.state()));
    EXPECT_NE(text.str().find("FOURIER COEFFICIENTS"), std::string::npos);

    const QString proposed = proposedFile(f.menus().mnuDxf);
    EXPECT_EQ(QFileInfo(proposed).fileName(), "0012.dxf");
    EXPECT_EQ(QFileInfo(proposed).absolutePath(), QFileInfo(path).absolutePath());

    f.menus().mnuStream->trigger();
    f.menus().mnuSave->trigger(); // no dialog opens
    EXPECT_TRUE(f.lastMessage().startsWith("This view has no data to save"));
}

// A dropped coordinate file is read and joins the recent list; a file that
// cannot be read leaves the section and leaves the list.
TEST(Files, DroppedFilesAreReadAndRemembered) {
    Window w;
    Form1& f = *w.form;
    const QString good = QStringLiteral(RIBCRAFT_TEST_DATA "/batch/naca2412_selig.dat");
    ASSERT_TRUE(QFileInfo::exists(good));
    auto drop = [&f](const QString& path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f, &dropped);
        QApplication::processEvents();
    };
    drop(good);
    EXPECT_EQ(f.state().RawAirfoilFlag, 1);
    EXPECT_EQ(f.state().Texts.SectionName, "NACA 2412 from file");
    ASSERT_EQ(f.recentFiles().size(), 1);
    EXPECT_EQ(f.recentFiles().front(), QFileInfo(good).absoluteFilePath());
    EXPECT_EQ(f.recentMenu()->actions().size(), 1);

    const QString bad = QStringLiteral(RIBCRAFT_TEST_DATA "/io/reader/bad_nan.dat");
    drop(bad);
    EXPECT_EQ(f.state().Texts.SectionName, "NACA 2412 from file");
    EXPECT_EQ(f.recentFiles().size(), 1);

    // The recent item reads the file again after another section was chosen.
    f.state().Texts.SectionName = "other";
    f.recentMenu()->actions().front()->trigger();
    EXPECT_EQ(f.state().Texts.SectionName, "NACA 2412 from file");

    // Save never proposes the coordinate file just read: it would be overwritten by a listing.
    f.menus().mnuCp->trigger();
    const QString proposed = proposedFile(f.menus().mnuSave);
    EXPECT_EQ(QFileInfo(proposed).fileName().toStdString(), "Pressure Coefficient for NACA 2412 from file.dat");
}

// Export View at the drawing area's size gives the very picture on the screen.
TEST(Files, ExportViewGivesTheShownPicture) {
    Window w;
    Form1& f = *w.form;
    f.menus().mnuCp->trigger();
    QTemporaryDir dir;
    const QImage& shown = f.drawingArea()->surface().image();
    ASSERT_TRUE(f.exportView(dir.filePath("cp.png"), shown.width(), shown.height()));
    EXPECT_EQ(QImage(dir.filePath("cp.png")).convertToFormat(QImage::Format_RGB32), shown);
    ASSERT_TRUE(f.exportView(dir.filePath("cp.svg"), 800, 600));
    ASSERT_TRUE(f.exportView(dir.filePath("cp.pdf"), 800, 600));
    EXPECT_FALSE(f.exportView(dir.filePath("cp.jpg"), 800, 600));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("cp.jpg")));
}

} // namespace
} // namespace ribcraft
