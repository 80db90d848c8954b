// SPDX-License-Identifier: MIT
// The batch tool's rib commands: rib files for cutters checked on the
// rasterised SVG, and the templates' page sizes.

#include "BatchFixture.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <cstdlib>
#include <filesystem>

namespace ribcraft::test {
namespace {

TEST_F(BatchTest, RibsSvgIsTrueToScaleWhenRasterised) {
    Run({"naca 2412", "ribs " + Path("rib.svg") + " 10 6 1 0.0625 in"});
    ASSERT_TRUE(std::filesystem::exists(Path("rib.svg")));
    if (std::system("rsvg-convert --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "rsvg-convert is not installed";
    // At 100 dpi the 10-in chord is 1000 pixels; the outline's dark pixels span it
    // to within two pixels of line width and rounding. The label stands above the
    // rib, so only rows below the label are scanned.
    const std::string png = Path("rib.png");
    const std::string cmd =
        "rsvg-convert --dpi-x 100 --dpi-y 100 -b white -o '" + png + "' '" + Path("rib.svg") + "' > /dev/null 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    const QImage img(QString::fromStdString(png));
    ASSERT_FALSE(img.isNull());
    const int labelRows = static_cast<int>((0.25 + 1.8 * 0.12) * 100) + 2;
    int left = img.width(), right = -1, top = img.height(), bottom = -1;
    for (int y = labelRows; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 200)
                left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
                bottom = std::max(bottom, y);
    EXPECT_NEAR(right - left, 1000, 2);
    EXPECT_NEAR(left, 25, 2); // the 0.25-in margin
    // NACA 2412 is 12 % thick: 1.2 in, with the camber a little more top to bottom.
    EXPECT_NEAR(bottom - top, 121, 3);
}

TEST_F(BatchTest, RibsRefusesBadValuesAndLeavesNoFile) {
    Run({"naca 2412"});
    for (const char* words : {"10 6 10000 0.0625", "10 -6 5 0.0625", "10 6 5 abc", "10 6 5 0.7", "10 6 5 0 ft"}) {
        const CommandResult r = runner.runLine("ribs " + Path("refused.dxf") + " " + std::string(words));
        EXPECT_FALSE(r.ok()) << words;
        EXPECT_FALSE(r.message().empty()) << words;
        EXPECT_FALSE(std::filesystem::exists(Path("refused.dxf"))) << words;
    }
}

TEST_F(BatchTest, TemplatesArePrintedOnTheChosenPageSize) {
    Run({"naca 2412"});
    const std::pair<const char*, const char*> pages[] = {
        {"", "612"}, {" letter", "612"}, {" a4", "595"}, {" a3", "842"}}; // widths in points
    for (const auto& [word, box] : pages) {
        const std::string pdf = Path("t.pdf");
        Run({"templates " + pdf + " 6 6 1 0 in" + word});
        QFile f(QString::fromStdString(pdf));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(f.readAll());
        EXPECT_TRUE(text.contains(QRegularExpression(QString(R"(/MediaBox\s*\[\s*0 0 )") + box))) << word;
    }
    EXPECT_FALSE(runner.runLine("templates " + Path("x.pdf") + " 6 6 1 0 in legal").ok());
}

} // namespace
} // namespace ribcraft::test
