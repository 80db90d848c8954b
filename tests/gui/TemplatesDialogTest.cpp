// SPDX-License-Identifier: MIT
// The Print Templates dialog through Qt: its controls, the Tip Chord rule,
// printing to a PDF file, a refused job and Cancel.

#include <gtest/gtest.h>

#include "GuiTestApp.h"

#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "../plot/TestSection.h"
#include "gui/DialogParts.h"
#include "gui/Form3.h"
#include "gui/HelpWindow.h"

namespace ribcraft {
namespace {

QString outPdf(const char* name) {
    const auto dir = std::filesystem::path(RIBCRAFT_BINARY_DIR) / "test-output";
    std::filesystem::create_directories(dir);
    const auto path = dir / name;
    std::filesystem::remove(path);
    return QString::fromStdString(path.string());
}

void typeInto(QLineEdit* box, const char* text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}

struct TemplatesDialog : ::testing::Test {
    SharedState st;
    void SetUp() override {
        ensureApp();
        test::FillEllipse(st, 30, 0.12);
        st.Texts.SectionName = "4412";
    }
};

TEST_F(TemplatesDialog, OpensWithCaptionTextsUnitsAndTipChordDisabled) {
    Form3 form(st, nullptr);
    EXPECT_EQ(form.windowTitle(), "Print NACA 4412 Template");
    const std::pair<const char*, const char*> boxes[] = {
        {"Text5", "6"}, {"Text1", "6"}, {"Text3", "0"}, {"Text2", "1"}};
    for (const auto& [name, text] : boxes) {
        auto* box = form.findChild<QLineEdit*>(name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->text(), text) << name;
        EXPECT_NE(form.findChild<SpinButton*>(QString("SpinButton") + (name + 4)), nullptr) << name;
    }
    EXPECT_TRUE(form.findChild<QRadioButton*>("Option2")->isChecked());
    EXPECT_EQ(form.findChild<QRadioButton*>("Option2")->text(), "in");
    EXPECT_EQ(form.findChild<QRadioButton*>("Option3")->text(), "cm");
    EXPECT_EQ(form.findChild<QPushButton*>("SSCommand1")->text(), "OK");
    EXPECT_EQ(form.findChild<QPushButton*>("Command1")->text(), "Cancel");
    EXPECT_EQ(form.findChild<QPushButton*>("Command2")->text(), "Help ?");
    EXPECT_FALSE(form.findChild<QLineEdit*>("Text1")->isEnabled());
    EXPECT_FALSE(form.findChild<SpinButton*>("SpinButton1")->isEnabled());

    auto* sections = form.findChild<QLineEdit*>("Text2");
    typeInto(sections, "3");
    EXPECT_TRUE(form.findChild<QLineEdit*>("Text1")->isEnabled());
    EXPECT_TRUE(form.findChild<SpinButton*>("SpinButton1")->isEnabled());
    typeInto(sections, "1");
    EXPECT_FALSE(form.findChild<QLineEdit*>("Text1")->isEnabled());
}

TEST_F(TemplatesDialog, OkPrintsTheTypedJobToThePdfAndCloses) {
    Form3 form(st, nullptr);
    const QString pdf = outPdf("form3.pdf");
    form.setPdfOutput(pdf);
    form.setShowMessages(false);
    form.show();
    typeInto(form.findChild<QLineEdit*>("Text2"), "3");
    typeInto(form.findChild<QLineEdit*>("Text5"), "20");
    typeInto(form.findChild<QLineEdit*>("Text1"), "10");
    form.findChild<QRadioButton*>("Option3")->click();
    EXPECT_TRUE(form.model().centimetres());
    QTest::mouseClick(form.findChild<QPushButton*>("SSCommand1"), Qt::LeftButton);
    EXPECT_TRUE(form.lastResult().ok()) << form.lastResult().message();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    const TemplateJob job = form.model().job();
    EXPECT_EQ(job.RootChord, 20);
    EXPECT_EQ(job.TipChord, 10);
    EXPECT_EQ(job.Sections, 3);
    EXPECT_TRUE(job.Centimetres);
    EXPECT_GT(QFile(pdf).size(), 0);
}

TEST_F(TemplatesDialog, RefusedJobKeepsTheDialogOpenAndWritesNoFileAndCancelPrintsNothing) {
    const QString pdf = outPdf("form3-refused.pdf");
    {
        Form3 form(st, nullptr);
        form.setPdfOutput(pdf);
        form.setShowMessages(false);
        typeInto(form.findChild<QLineEdit*>("Text2"), "none");
        form.show();
        QTest::mouseClick(form.findChild<QPushButton*>("SSCommand1"), Qt::LeftButton);
        EXPECT_FALSE(form.lastResult().ok());
        EXPECT_NE(form.lastResult().message().find("Number of Sections"), std::string::npos);
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(QFile::exists(pdf));

        QTest::mouseClick(form.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        auto* help = form.findChild<HelpWindow*>();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->currentPage(), "templates.html");

        QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

// A refused job and a target that cannot be written both leave an existing document as it was.
TEST_F(TemplatesDialog, FailuresKeepTheExistingDocument) {
    const QString pdf = outPdf("form3-kept.pdf");
    std::ofstream(pdf.toStdString()) << "old document";
    Form3 form(st, nullptr);
    form.setShowMessages(false);
    form.setPdfOutput(pdf);
    typeInto(form.findChild<QLineEdit*>("Text2"), "0");
    QTest::mouseClick(form.findChild<QPushButton*>("SSCommand1"), Qt::LeftButton);
    EXPECT_FALSE(form.lastResult().ok());

    typeInto(form.findChild<QLineEdit*>("Text2"), "2");
    form.setPdfOutput(QString::fromStdString(std::filesystem::path(pdf.toStdString()).parent_path().string()));
    QTest::mouseClick(form.findChild<QPushButton*>("SSCommand1"), Qt::LeftButton);
    EXPECT_FALSE(form.lastResult().ok());
    EXPECT_NE(form.lastResult().message().find("Cannot write the file"), std::string::npos)
        << form.lastResult().message();

    std::ifstream in(pdf.toStdString());
    const std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "old document");
}

TEST_F(TemplatesDialog, OkPreviewsOnThePrinterOfPrinterSetupAndARefusedJobShowsNoPreview) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    Form3 form(st, nullptr, &printer);
    form.setShowMessages(false);
    form.show();
    typeInto(form.findChild<QLineEdit*>("Text3"), "0.1");
    QPrinter* previewed = nullptr;
    int pages = 0;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview) return;
        previewed = preview->printer();
        if (auto* pagesView = preview->findChild<QPrintPreviewWidget*>()) pages = pagesView->pageCount();
        preview->reject();
    });
    QTest::mouseClick(form.findChild<QPushButton*>("SSCommand1"), Qt::LeftButton);
    EXPECT_EQ(previewed, &printer);
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(form.lastResult().ok()) << form.lastResult().message();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);

    // A skin too thick for the 6-in ellipse (0.72 in thick): the reason, no preview.
    typeInto(form.findChild<QLineEdit*>("Text3"), "0.5");
    form.show();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
            opened = true;
            preview->reject();
        }
    });
    QTest::mouseClick(form.findChild<QPushButton*>("SSCommand1"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(form.lastResult().ok());
    EXPECT_NE(form.lastResult().message().find("too thick"), std::string::npos) << form.lastResult().message();
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace ribcraft
