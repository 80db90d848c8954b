// SPDX-License-Identifier: MIT
// Checking typed dialog values before OK: what is refused, what is pulled
// into range (and that a pulled box then passes and gives what OK gives),
// the recent-files list and the proposed file names.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/FileCommands.h"
#include "app/RecentFiles.h"
#include "app/SharedState.h"
#include "app/dialogs/AngleDialogModel.h"
#include "app/dialogs/BoundaryLayerOptionsModel.h"
#include "app/dialogs/ExportViewModel.h"
#include "app/dialogs/FieldCheck.h"
#include "app/dialogs/GridControlModel.h"
#include "app/dialogs/OptionsDialogModel.h"
#include "io/AsciiExport.h"

namespace ribcraft {
namespace {

TEST(DialogCheck, TypedNumberTakesOnlyAWholeFiniteNumber) {
    for (const char* good : {"12", " -0.5 ", "1e5", "+3", ".5", "5.", "-.25"})
        EXPECT_TRUE(TypedNumber(good).has_value()) << good;
    EXPECT_DOUBLE_EQ(*TypedNumber(" -0.5 "), -0.5);
    EXPECT_DOUBLE_EQ(*TypedNumber("1e5"), 1e5);
    for (const char* bad : {"", "  ", "abc", "12abc", "1e999", "nan", "inf", "--1", "+-1", "1,5", "e5", "."})
        EXPECT_FALSE(TypedNumber(bad).has_value()) << bad;
}

// Every count from -50 to 400 typed into the options dialog: not positive is
// refused; outside 20..340 it is pulled with a note, and the pulled text
// passes and gives the SurfacePoints the unchecked rule gives the typed count.
TEST(DialogCheck, OptionsDialogOverItsWholeRange) {
    for (int n = -50; n <= 400; ++n) {
        SharedState s;
        OptionsDialogModel d(s);
        const std::string typed = std::to_string(n);
        d.setCountText(typed);
        const DialogCheck c = d.check();
        if (n <= 0) {
            EXPECT_TRUE(c.refused()) << n;
            EXPECT_EQ(c.refusedField(), "PointCount");
            continue;
        }
        const bool inside = n >= 20 && n <= 340;
        ASSERT_EQ(c.clean(), inside) << n;
        if (inside) continue;
        ASSERT_EQ(c.pulled().size(), 1u);
        EXPECT_EQ(c.pulled()[0].text, n < 20 ? "20" : "340");
        EXPECT_NE(c.pulled()[0].note.find(typed), std::string::npos) << c.pulled()[0].note;
        d.setCountText(c.pulled()[0].text);
        EXPECT_TRUE(d.check().clean());
        d.ok();
        EXPECT_EQ(s.SurfacePoints, OptionsDialogModel::surfacePointsFor(typed)) << n;
    }
    SharedState s;
    OptionsDialogModel d(s);
    for (const char* bad : {"", "abc", "-40"}) {
        d.setCountText(bad);
        EXPECT_TRUE(d.check().refused()) << bad;
    }
}

TEST(DialogCheck, BoundaryLayerOptionsRefuseNonsenseAndPullTheRest) {
    struct Case {
        std::string BoundaryLayerOptionsModel::*box;
        const char* typed;
        const char* field;
        const char* pulledTo; // nullptr: refused
    };
    const Case cases[] = {
        {&BoundaryLayerOptionsModel::reText, "abc", "re", nullptr},
        {&BoundaryLayerOptionsModel::reText, "-5", "re", nullptr},
        {&BoundaryLayerOptionsModel::reText, "0", "re", nullptr},
        {&BoundaryLayerOptionsModel::reText, "5", "re", "1000"},
        {&BoundaryLayerOptionsModel::reText, "1e12", "re", "1000000000"},
        {&BoundaryLayerOptionsModel::roughnessText, "-1", "BlRough", nullptr},
        {&BoundaryLayerOptionsModel::blPointsText, "9999", "BlPoints",
         nullptr}, // filled below: the largest the solver holds
        {&BoundaryLayerOptionsModel::gridHeightText, "abc", "BlLimit", nullptr},
        {&BoundaryLayerOptionsModel::gridHeightText, "0.5", "BlLimit", "1"},
        {&BoundaryLayerOptionsModel::pointCountText, "", "PointCount", nullptr},
        {&BoundaryLayerOptionsModel::maxCdText, "5000", "MaxCdSetting", "1000"},
    };
    const std::string maxBl = std::to_string(BoundaryLayerOptionsModel::MaxBlPoints);
    for (const Case& k : cases) {
        SharedState s;
        BoundaryLayerOptionsModel d(s);
        EXPECT_TRUE(d.check().clean()) << "the start-up values pass";
        d.*k.box = k.typed;
        const DialogCheck c = d.check();
        const bool bl = k.box == &BoundaryLayerOptionsModel::blPointsText;
        const char* pulledTo = bl ? maxBl.c_str() : k.pulledTo;
        if (!pulledTo) {
            EXPECT_TRUE(c.refused()) << k.typed;
            EXPECT_EQ(c.refusedField(), k.field);
            continue;
        }
        ASSERT_FALSE(c.refused()) << k.typed << ": " << c.message();
        ASSERT_EQ(c.pulled().size(), 1u) << k.typed;
        EXPECT_EQ(c.pulled()[0].field, k.field);
        EXPECT_EQ(c.pulled()[0].text, pulledTo);
        d.*k.box = c.pulled()[0].text;
        EXPECT_TRUE(d.check().clean());
    }
}

TEST(DialogCheck, GridControlAngleAndExportSizes) {
    SharedState s;
    GridControlModel g(s);
    EXPECT_TRUE(g.check().clean());
    g.setPointsAroundText("500");
    g.setRadiusText("1");
    const DialogCheck c = g.check();
    ASSERT_EQ(c.pulled().size(), 2u);
    EXPECT_EQ(c.pulled()[0].text, std::to_string(GridControlModel::MaxPointsAround));
    EXPECT_EQ(c.pulled()[1].text, "2");
    g.setPointsRadialText("0");
    EXPECT_EQ(g.check().refusedField(), "MeshY");

    for (const char* ok : {"0", "-90", "90", "12.5", "-3e1"})
        EXPECT_TRUE(AngleDialogModel::checkAngle(ok).clean()) << ok;
    for (const char* bad : {"99999", "90.001", "-91", "abc", "", "1e999"})
        EXPECT_TRUE(AngleDialogModel::checkAngle(bad).refused()) << bad;

    ExportViewModel e(640, 480);
    EXPECT_TRUE(e.check().clean());
    EXPECT_EQ(e.width(), 640);
    e.widthText = "50000";
    EXPECT_EQ(e.check().pulled().at(0).text, "20000");
    e.heightText = "x";
    EXPECT_TRUE(e.check().refused());
}

// The recent list against a plain oracle over a long random sequence of reads:
// the distinct files read last, newest first, at most MaxRecentFiles.
TEST(RecentFiles, KeepsTheNewestDistinctFilesNewestFirst) {
    std::mt19937 rng(7);
    std::vector<std::string> list, history;
    for (int step = 0; step < 500; ++step) {
        const std::string path = "/data/f" + std::to_string(rng() % 12) + ".dat";
        history.push_back(path);
        list = RecentFilesAfterReading(list, path);
        std::vector<std::string> expected;
        for (auto it = history.rbegin(); it != history.rend() && expected.size() < MaxRecentFiles; ++it)
            if (std::find(expected.begin(), expected.end(), *it) == expected.end()) expected.push_back(*it);
        ASSERT_EQ(list, expected) << step;
    }
    list = RecentFilesWithout(list, list[3]);
    EXPECT_EQ(list.size(), MaxRecentFiles - 1);
    EXPECT_EQ(RecentFilesAfterReading({"", "/a"}, ""), std::vector<std::string>{"/a"});
}

TEST(FileNames, TheSectionNameBecomesASafeFileName) {
    EXPECT_EQ(SuggestedFileName("23012", ".dxf"), "23012.dxf");
    EXPECT_EQ(SuggestedFileName("MY 4412 SELIG", ".dxf"), "MY 4412 SELIG.dxf");
    EXPECT_EQ(SuggestedFileName("a/b\\c:d*e", ".png"), "a_b_c_d_e.png");
    EXPECT_EQ(SuggestedFileName("  ../x  ", ".dxf"), "_x.dxf");
    EXPECT_EQ(SuggestedFileName("", ".dxf"), "airfoil.dxf");
    EXPECT_EQ(SuggestedFileName(" .. ", ".dxf"), "airfoil.dxf");
}

// Save in the listing views writes what the view shows, under its own title;
// the picture-only views have nothing to save and no title.
TEST(SaveText, FourierAndReportViewsWriteTheirText) {
    SharedState s;
    s.resetToStartup();
    for (int k = 0; k <= 8; ++k)
        s.A[k] = 0.125f * float(k) - 0.5f;
    s.VFlag = 9;
    const std::string fourier = AsciiFileText(s);
    EXPECT_EQ(fourier, JoinCrLf(FourierListingLines(std::span<const float, 9>(s.A, 9))));
    EXPECT_NE(fourier.find("   A0 = -0.500000\r\n"), std::string::npos) << fourier;
    EXPECT_NE(fourier.find("   A8 = 0.500000\r\n"), std::string::npos) << fourier;
    s.VFlag = 8;
    const std::string report = AsciiFileText(s);
    EXPECT_NE(report.find("Drag Coefficient"), std::string::npos) << report;
    EXPECT_EQ(*SaveDialogTitle(8, "23012"), "Save Report for 23012");
    EXPECT_EQ(*SaveDialogTitle(9, "23012"), "Save Fourier Coefficients for 23012");
    for (int view : {4, 5}) {
        s.VFlag = view;
        EXPECT_EQ(AsciiFileText(s), "");
        EXPECT_FALSE(SaveDialogTitle(view, "23012").has_value());
    }
}

} // namespace
} // namespace ribcraft
