// SPDX-License-Identifier: MIT
// Templates printed to a real PDF file at true scale, checked by rasterising
// the page with pdftoppm (poppler-utils) where it is installed.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>

#include <cstdlib>
#include <filesystem>

#include "../plot/TestSection.h"
#include "RenderTestSupport.h"
#include "plot/Templates.h"
#include "render/QtSurface.h"

namespace ribcraft {
namespace {

int pageCount(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(QRegularExpression(R"(/MediaBox\s*\[)")));
}

struct TemplatesPdf : ::testing::Test {
    SharedState st;
    void SetUp() override {
        test::EnsureGuiApp();
        test::FillEllipse(st, 60, 0.12);
        st.Texts.SectionName = "0012";
    }
    CommandResult print(const std::string& path, double root, double sections, double skin = 0,
                        QPageSize::PageSizeId page = QPageSize::Letter, bool centimetres = false) {
        TemplateJob job;
        job.RootChord = root, job.TipChord = root, job.Sections = sections, job.SkinThickness = skin;
        job.Centimetres = centimetres;
        PdfSurface pdf(QString::fromStdString(path), page, 600);
        return PrintTemplates(pdf, st, job);
    }
};

TEST_F(TemplatesPdf, SixInchChordPrintsSixInchesLongOnTheRasterisedPage) {
    const std::string path = test::OutPath("template-6in.pdf");
    ASSERT_TRUE(print(path, 6, 1, 0.1).ok());
    EXPECT_EQ(pageCount(path), 1);
    if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is not installed";

    const int dpi = 200;
    const std::string png = test::OutPath("template-6in");
    const std::string cmd =
        "pdftoppm -r " + std::to_string(dpi) + " -png -aaVector no -singlefile '" + path + "' '" + png + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    const QImage img(QString::fromStdString(png + ".png"));
    ASSERT_EQ(img.width(), 17 * dpi / 2);
    // The label stands in the band left of 1.5 text heights; the outline lies
    // right of it. Height of "c" in inches from the same device and font.
    double band = 0;
    {
        PdfSurface probe(QString::fromStdString(test::OutPath("probe.pdf")), QPageSize::Letter, 600);
        probe.SetScaleMode(ScaleInches);
        band = 1.25 * probe.TextHeight("c");
    }
    int top = img.height(), bottom = -1, left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = static_cast<int>(band * dpi); x < static_cast<int>(7.5 * dpi); ++x) // left of the calibration bar
            if (qGray(img.pixel(x, y)) < 128) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
    // Chord down the page from 0 to 6 in, thickness 0.12 * 6 = 0.72 in across;
    // tolerance two raster pixels (0.01 in) for the line widths and rounding.
    EXPECT_NEAR(top / double(dpi), 0.0, 0.01);
    EXPECT_NEAR(bottom / double(dpi), 6.0, 0.01);
    EXPECT_NEAR((right - left) / double(dpi), 0.72, 0.01);
}

// Rasterises the first page at dpi and returns it (a null image when pdftoppm is missing).
QImage rasterise(const std::string& pdf, int dpi) {
    if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) return {};
    const std::string png = pdf.substr(0, pdf.size() - 4);
    const std::string cmd =
        "pdftoppm -r " + std::to_string(dpi) + " -png -aaVector no -singlefile -f 1 -l 1 '" + pdf + "' '" + png + "'";
    if (std::system(cmd.c_str()) != 0) return {};
    return QImage(QString::fromStdString(png + ".png"));
}

// The longest run of dark pixels in one column right of x0, in pixels, and its column.
std::pair<int, int> longestColumnRun(const QImage& img, int x0) {
    std::pair<int, int> best{0, -1};
    for (int x = x0; x < img.width(); ++x) {
        int run = 0;
        for (int y = 0; y < img.height(); ++y) {
            run = qGray(img.pixel(x, y)) < 128 ? run + 1 : 0;
            if (run > best.first) best = {run, x};
        }
    }
    return best;
}

TEST_F(TemplatesPdf, CalibrationBarMeasuresItsLengthOnLetterAndA4) {
    const int dpi = 200;
    struct Case {
        QPageSize::PageSizeId page;
        double widthInches;
        bool centimetres;
        double barInches;
    };
    for (const Case& c : {Case{QPageSize::Letter, 8.5, false, 5}, Case{QPageSize::A4, 210 / 25.4, false, 5},
                          Case{QPageSize::A4, 210 / 25.4, true, 10 / 2.54}}) {
        const std::string path = test::OutPath("template-bar.pdf");
        ASSERT_TRUE(print(path, 6, 2, 0.05, c.page, c.centimetres).ok());
        const QImage img = rasterise(path, dpi);
        if (img.isNull()) GTEST_SKIP() << "pdftoppm is not installed";
        EXPECT_NEAR(img.width(), c.widthInches * dpi, 1);
        // The bar is the longest vertical line in the band at the right; its
        // ticks end on it. Within 0.5 % of its length (the line's own width
        // adds at most a pixel).
        const auto [run, column] = longestColumnRun(img, static_cast<int>((c.widthInches - 1) * dpi));
        EXPECT_NEAR(run / double(dpi), c.barInches, 0.005 * c.barInches);
        EXPECT_NEAR(column / double(dpi), c.widthInches - 0.6, 0.02); // 0.6 in from the edge in both units
    }
}

TEST_F(TemplatesPdf, LongChordPrintsOnePagePerStripAndARefusedJobLeavesNoPage) {
    const std::string path = test::OutPath("template-strips.pdf");
    ASSERT_TRUE(print(path, 23, 2).ok()); // Int(23 / 11) + 1 = 3 strips on Letter
    EXPECT_EQ(pageCount(path), 3);

    const std::string refused = test::OutPath("template-refused.pdf");
    const CommandResult r = print(refused, 6, 0);
    EXPECT_FALSE(r.ok());
    EXPECT_LE(pageCount(refused), 1); // at most the empty page the file format needs
}

} // namespace
} // namespace ribcraft
