// SPDX-License-Identifier: MIT
#include "io/ReportText.h"

#include <gtest/gtest.h>

namespace ribcraft {
namespace {

ReportInputs sampleInputs() {
    ReportInputs in;
    in.angleDisplay = "4.0 Deg.";
    in.flapDeflection = "0.0 Deg.";
    in.flapLength = "0.0 %c";
    in.liftText = "0.440";
    in.cmLeText = "-0.110";
    in.cmC4Text = "0.000";
    in.alphaCl0Text = "0.00 Deg.";
    in.xcpText = "25 %c";
    in.dragText = "0.005400";
    in.ClP = 0.48;
    in.CmP = -0.12;
    in.ClB = 1.0;
    in.CmB = -0.274;
    in.CdB = 0.0079;
    in.CmC4P = 0;
    in.CmC4B = -0.024;
    return in;
}

std::string zoned(std::vector<std::string> fields) {
    std::string text;
    for (size_t k = 0; k < fields.size(); ++k) {
        text.resize(k * ReportZoneWidth, ' ');
        text += fields[k];
    }
    return text.erase(text.find_last_not_of(' ') + 1);
}

TEST(ReportText, LinesAsPrinted) {
    auto lines = ReportLines(sampleInputs());
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0].text, " Zephyrin Report");
    EXPECT_EQ(lines[0].fontSize, 14);
    EXPECT_EQ(lines[1].fontSize, 8);
    EXPECT_EQ(lines[1].text, "    Angle of Attack:  4.0 Deg.,   Flap Defl.: 0.0 Deg.,   Flap Length: 0.0 %c");
    EXPECT_EQ(lines[2].text, "");
    EXPECT_EQ(lines[3].text, zoned({"", "Thin Airfoil", "Panel", "Panel/B. Layer"}));
    EXPECT_EQ(lines[3].fields[2], "Panel "); // the field keeps its blank; the text line is trimmed
    EXPECT_EQ(lines[4].text, zoned({"", std::string(17, '-'), std::string(13, '-'), std::string(24, '-')}));
    EXPECT_EQ(lines[5].text, zoned({"    Lift Coeff", "0.440", "0.48", "1.0"}));
    EXPECT_EQ(lines[6].text, zoned({"    Cm (L.E.)", "-0.110", "-0.12", "-0.274"}));
    // Cm(c/4) as the caller gives it for each column.
    EXPECT_EQ(lines[7].text, zoned({"    Cm (c/4)", "0.000", "0.0", "-0.024"}));
    EXPECT_EQ(lines[8].text, zoned({"    Angle (Cl=0)", "0.00 Deg.", "Not Comp.", "Not Comp."}));
    // Centre of pressure -Cm/Cl: 25 % and 27.4 %.
    EXPECT_EQ(lines[9].text, zoned({"    Cent. of Pres", "25 %c", "25%c", "27%c"}));
    EXPECT_EQ(lines[10].text, zoned({"    Drag Coefficient", "N/A", "0.005400", "0.0079"}));
    EXPECT_EQ(lines[11].text, "");
    EXPECT_EQ(lines[12].text, "");
    for (size_t i = 3; i <= 10; ++i) {
        EXPECT_TRUE(lines[i].zoned);
        EXPECT_EQ(lines[i].fields.size(), 4u);
    }
}

TEST(ReportText, DerivedCellsEmptyWithoutBoundaryLayer) {
    ReportInputs in = sampleInputs();
    in.ClB = 0;
    in.CmB = 0;
    auto lines = ReportLines(in);
    EXPECT_EQ(lines[7].fields, (std::vector<std::string>{"    Cm (c/4)", "0.000", "", ""}));
    EXPECT_EQ(lines[9].fields, (std::vector<std::string>{"    Cent. of Pres", "25 %c", "", ""}));
    EXPECT_EQ(lines[9].text, zoned({"    Cent. of Pres", "25 %c"}));
    EXPECT_EQ(lines[5].fields[3], "0.0");
}

TEST(ReportText, PanelColumnWithoutLiftHasNoCentreOfPressure) {
    ReportInputs in = sampleInputs();
    in.ClP = 0;
    in.CmP = -0.0125;
    in.CmC4P = -0.0125;
    auto lines = ReportLines(in);
    EXPECT_EQ(lines[7].fields[2], "-0.0125"); // Cm(c/4) = Cm(LE) when Cl = 0
    EXPECT_EQ(lines[9].fields[2], "");
    EXPECT_EQ(lines[9].fields[3], "27%c");
}

TEST(ReportText, CentreOfPressurePicture) {
    EXPECT_EQ(ReportDerivedCells(1.0, -0.274, 0).xcp, "27%c");
    EXPECT_EQ(ReportDerivedCells(1.0, -0.05, 0).xcp, "05%c");
    EXPECT_EQ(ReportDerivedCells(0.5, -0.145, 0).xcp, "29%c");
    EXPECT_EQ(ReportDerivedCells(0.5, -0.145, -0.02).cmC4, "-0.02");
    EXPECT_EQ(ReportDerivedCells(-0.5, -0.1, 0).xcp, "-20%c"); // negative lift: the sign stays
    // A lift of rounding-error size has no centre of pressure (it would print the ratio of two errors).
    EXPECT_EQ(ReportDerivedCells(1e-7, -0.0001, 0).xcp, "");
    EXPECT_EQ(ReportDerivedCells(1e-7, -0.0001, -0.0001).cmC4, "-0.0001");
    EXPECT_EQ(ReportDerivedCells(0.0101, -0.0025, 0).xcp, "25%c");
}

} // namespace
} // namespace ribcraft
