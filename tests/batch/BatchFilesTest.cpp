// SPDX-License-Identifier: MIT
// Files the batch tool reads and writes: coordinate files in two layouts,
// the Save command's text layouts, the DXF outline and offscreen pictures.

#include <QImage>
#include <cmath>

#include "BatchFixture.h"
#include "batch/PicturePlugin.h"
#include "io/NumberFormat.h"

namespace ribcraft::test {
namespace {

TEST_F(BatchTest, SaveWritesTheCoordinatesOfTheOutline) {
    Run({"naca 2412", "alpha 4", "view coordinates", "save " + Path("coords.txt")});
    const FileLines f = ReadLines(Path("coords.txt"));
    ASSERT_EQ(f.lines.size(), 123u); // title, 2 headings, 2 x 60 rows
    EXPECT_TRUE(f.crlf);
    EXPECT_EQ(f.lines[0], "Coordinates for 2412");
    EXPECT_EQ(f.lines[1], "Upper Surface Coordinates (x,y) 60 Points");
    EXPECT_EQ(f.lines[62], "Lower Surface Coordinates (x,y) 60 Points");
    EXPECT_EQ(runner.state().ExportFileName, Path("coords.txt"));

    // Rows: x at column 0, y at column 14, six decimals; both blocks from the
    // leading edge (upper: points 61..120, lower: points 60 down to 1).
    const SharedState& s = runner.state();
    auto expectRow = [&](const std::string& row, int i) {
        ASSERT_GE(row.size(), 15u) << row;
        EXPECT_NEAR(Val(row.substr(0, 14)), s.SectionX[i], 5e-7) << row;
        EXPECT_NEAR(Val(row.substr(14)), s.SectionY[i], 5e-7) << row;
        EXPECT_EQ(row[13], ' ') << row; // y starts exactly at the second print zone
        EXPECT_NE(row[14], ' ') << row;
    };
    expectRow(f.lines[2], 61);
    expectRow(f.lines[61], 120);
    expectRow(f.lines[63], 60);
    expectRow(f.lines[122], 1);
    // Point 1, the trailing edge, ends the lower block; the upper block stops
    // one point short of it (the closing point N + 1 is not written).
    EXPECT_EQ(f.lines[122].substr(0, 8), "1.000000");
    EXPECT_LT(Val(f.lines[61]), 1.0);
}

TEST_F(BatchTest, SaveWritesTheCpDistributionOfTheCpView) {
    Run({"naca 0012", "alpha 2", "view cp", "save " + Path("cp.txt")});
    const FileLines f = ReadLines(Path("cp.txt"));
    ASSERT_EQ(f.lines.size(), 123u);
    EXPECT_TRUE(f.crlf);
    EXPECT_EQ(f.lines[0], "Surface Cp for: 0012 at 2 Deg.");
    EXPECT_EQ(f.lines[1], "Upper Surface Cp (x,Cp) 60 Points");
    EXPECT_EQ(f.lines[62], "Lower Surface Cp (x,Cp) 60 Points");
    const SharedState& s = runner.state();
    EXPECT_NEAR(Val(f.lines[2].substr(14)), s.SurfaceCp[61], 5e-7);
    EXPECT_NEAR(Val(f.lines[63].substr(14)), s.SurfaceCp[60], 5e-7);
    // The suction peak of a positive angle is on the upper surface.
    double upperMin = 1, lowerMin = 1;
    for (int i = 2; i <= 61; ++i)
        upperMin = std::min(upperMin, Val(f.lines[size_t(i)].substr(14)));
    for (int i = 63; i <= 122; ++i)
        lowerMin = std::min(lowerMin, Val(f.lines[size_t(i)].substr(14)));
    EXPECT_LT(upperMin, lowerMin - 0.2);

    Run({"points 340", "view coordinates", "save " + Path("fine.txt")});
    EXPECT_EQ(ReadLines(Path("fine.txt")).lines.size(), 343u);
}

TEST_F(BatchTest, DxfHoldsTheOutlineAsLines) {
    Run({"dxf " + Path("outline.dxf")});
    const FileLines f = ReadLines(Path("outline.dxf"));
    ASSERT_EQ(f.lines.size(), 1928u); // 4 + 120 entities of 16 lines (the last closes the outline) + 4
    EXPECT_TRUE(f.crlf);
    EXPECT_EQ(f.lines[1], "SECTION");
    EXPECT_EQ(f.lines[5], "LINE");
    EXPECT_EQ(f.lines.back(), "EOF");
    // The first entity starts at the trailing edge (x = 1).
    EXPECT_EQ(f.lines[8], " 10 ");
    EXPECT_NEAR(Val(f.lines[9]), 1.0, 1e-6);
}

TEST_F(BatchTest, PngIsDrawnAtTheRequestedSize) {
    Run({"naca 2412", "view cp", "png " + Path("cp.png") + " 320 240", "png " + Path("default.png")});
    QImage image(QString::fromStdString(Path("cp.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 320);
    EXPECT_EQ(image.height(), 240);
    // Something was drawn: not every pixel has the background colour.
    const QRgb background = image.pixel(0, 0);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) != background;
    EXPECT_GT(drawn, 200);
    const QImage large(QString::fromStdString(Path("default.png")));
    EXPECT_EQ(large.size(), QSize(1200, 800));
}

// Without a usable picture plugin (none there, or a file that is no library)
// the painting commands fail with a message naming the file, write nothing
// and keep the state; the numeric commands go on.
TEST_F(BatchTest, PicturesWithoutThePluginFailAndNumbersGoOn) {
    const std::string notLibrary = Path("not-a-library.so");
    std::ofstream(notLibrary) << "text";
    PicturePlugin missing({Path("missing.so")}), broken({notLibrary});
    for (PicturePlugin* plugin : {&missing, &broken}) {
        runner.setPictures(plugin->source());
        Run({"naca 2412", "view cp"});
        const std::string before = ResultsText();
        for (const std::string& line : {"png " + Path("cp.png"), "templates " + Path("ribs.pdf") + " 6 4 2 0"}) {
            const CommandResult r = runner.runLine(line);
            EXPECT_FALSE(r.ok()) << line;
            EXPECT_NE(r.message().find(plugin == &missing ? Path("missing.so") : notLibrary), std::string::npos)
                << r.message();
        }
        EXPECT_FALSE(std::filesystem::exists(Path("cp.png")));
        EXPECT_FALSE(std::filesystem::exists(Path("ribs.pdf")));
        EXPECT_EQ(ResultsText(), before);
        Run({"alpha 3"});
        EXPECT_EQ(Result("alpha"), "3 Deg.");
    }
}

TEST_F(BatchTest, SeligAndCountedFilesOfOneSectionGiveTheSameResults) {
    Run({"alpha 4", "read " + Data("naca2412_selig.dat")});
    const std::string selig = ResultsText();
    EXPECT_EQ(runner.state().RawAirfoilFlag, 1);
    EXPECT_EQ(runner.state().AirfoilFileName, Data("naca2412_selig.dat"));
    EXPECT_EQ(Result("airfoil"), "NACA 2412 from file");

    Run({"naca 0012", "read " + Data("naca2412_counted.dat")});
    EXPECT_EQ(ResultsText(), selig);

    // The file holds 2412 itself: the file section's results stay close to
    // the generated section's (resampling costs a little accuracy).
    const double clFile = Val(Result("cl")), cdFile = Val(Result("cd"));
    Run({"naca 2412"});
    EXPECT_EQ(runner.state().RawAirfoilFlag, 0);
    EXPECT_NEAR(clFile, Val(Result("cl")), 0.01);
    EXPECT_NEAR(cdFile, Val(Result("cd")), 0.1 * cdFile);
}

} // namespace
} // namespace ribcraft::test
