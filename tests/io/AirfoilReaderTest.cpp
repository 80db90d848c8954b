// SPDX-License-Identifier: MIT
#include "io/AirfoilReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace ribcraft {
namespace {

const std::string kDir = std::string(RIBCRAFT_TEST_DATA) + "/io/reader/";

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The reason of a refusal: the message's second line.
std::string detailOf(const Status& refused) {
    const std::string& m = refused.message();
    const size_t eol = m.find('\n');
    return eol == std::string::npos ? std::string() : m.substr(eol + 1);
}

// What every answer of the reader must satisfy, whatever the input.
void expectConsistent(const Result<AirfoilFileData>& read) {
    if (!read) {
        EXPECT_EQ(read.status().kind(), ErrorKind::BadFile);
        EXPECT_EQ(read.status().message(), "Error Reading Airfoil Data\n" + detailOf(read.status()));
        EXPECT_FALSE(detailOf(read.status()).empty());
        return;
    }
    const AirfoilFileData& d = read.value();
    ASSERT_GE(d.NUpper, 2);
    ASSERT_LE(d.NUpper, 200);
    ASSERT_GE(d.NLower, 2);
    ASSERT_LE(d.NLower, 200);
    ASSERT_EQ(d.XUpper.size(), static_cast<size_t>(d.NUpper));
    ASSERT_EQ(d.YUpper.size(), static_cast<size_t>(d.NUpper));
    ASSERT_EQ(d.XLower.size(), static_cast<size_t>(d.NLower));
    ASSERT_EQ(d.YLower.size(), static_cast<size_t>(d.NLower));
    for (const auto* list : {&d.XUpper, &d.YUpper, &d.XLower, &d.YLower})
        for (double v : *list)
            ASSERT_TRUE(std::isfinite(v) && std::fabs(v) <= MaxAirfoilCoordinate);
}

TEST(AirfoilReader, CountedLayoutAsWrittenAndOnOneLine) {
    for (const char* file : {"sample.dat", "sample_one_line.dat"}) {
        SCOPED_TRACE(file);
        const Result<AirfoilFileData> dRead = ReadAirfoilFile(kDir + file);
        ASSERT_TRUE(dRead.ok()) << dRead.status().message();
        const AirfoilFileData& d = dRead.value();
        EXPECT_EQ(d.layout, AirfoilFileLayout::Counted);
        EXPECT_EQ(d.name, "Sample section"); // no CR, no LF
        EXPECT_EQ(d.NUpper, 3);
        EXPECT_EQ(d.NLower, 3);
        EXPECT_EQ(d.XUpper, (std::vector<double>{0.0, 0.5, 1.0}));
        EXPECT_EQ(d.YUpper, (std::vector<double>{0.0, 0.06, 0.0}));
        EXPECT_EQ(d.YLower, (std::vector<double>{0.0, -0.04, 0.0}));
    }
}

TEST(AirfoilReader, CountedLayoutWinsOverLookalikes) {
    // "3 0": a count followed by the first x, not Lednicer's counts.
    const Result<AirfoilFileData> aRead = ReadAirfoilFile(kDir + "counted_two_on_first_line.dat");
    ASSERT_TRUE(aRead.ok()) << aRead.status().message();
    const AirfoilFileData& a = aRead.value();
    EXPECT_EQ(a.layout, AirfoilFileLayout::Counted);
    EXPECT_EQ(a.YLower[1], -0.04);
    // "3 100" could be Lednicer's counts, but the file reads as Counted (percent chord, trailing
    // edge first), so Counted it is; the lists are turned round to run from the leading edge.
    const Result<AirfoilFileData> bRead = ParseAirfoilText("Pct\n3 100\n0\n50 6\n0 0\n3\n100 0\n50 -4\n0 0\n");
    ASSERT_TRUE(bRead.ok()) << bRead.status().message();
    const AirfoilFileData& b = bRead.value();
    EXPECT_EQ(b.layout, AirfoilFileLayout::Counted);
    EXPECT_EQ(b.XUpper, (std::vector<double>{0, 50, 100}));
    EXPECT_EQ(b.YUpper, (std::vector<double>{0, 6, 0}));
}

TEST(AirfoilReader, LednicerLayout) {
    for (const char* file : {"lednicer_0012.dat", "lednicer_integer_counts.dat"}) {
        SCOPED_TRACE(file);
        const Result<AirfoilFileData> dRead = ReadAirfoilFile(kDir + file);
        ASSERT_TRUE(dRead.ok()) << dRead.status().message();
        const AirfoilFileData& d = dRead.value();
        EXPECT_EQ(d.layout, AirfoilFileLayout::Lednicer);
        EXPECT_EQ(d.NUpper, 9);
        EXPECT_EQ(d.NLower, 9);
        EXPECT_EQ(d.XUpper.front(), 0.0);
        EXPECT_EQ(d.XUpper.back(), 1.0);
        EXPECT_GT(d.YUpper[4], 0.05);
        EXPECT_LT(d.YLower[4], -0.05);
    }
}

TEST(AirfoilReader, SeligLoopIsSplitAtTheLeadingEdge) {
    const Result<AirfoilFileData> dRead = ReadAirfoilFile(kDir + "selig_0012.dat");
    ASSERT_TRUE(dRead.ok()) << dRead.status().message();
    const AirfoilFileData& d = dRead.value();
    EXPECT_EQ(d.layout, AirfoilFileLayout::Selig);
    EXPECT_EQ(d.name, "NACA 0012 (Selig)");
    // 17 points in the loop: 9 on each surface, sharing the leading edge.
    ASSERT_EQ(d.NUpper, 9);
    ASSERT_EQ(d.NLower, 9);
    const Result<AirfoilFileData> ledRead = ReadAirfoilFile(kDir + "lednicer_0012.dat");
    ASSERT_TRUE(ledRead.ok());
    const AirfoilFileData& led = ledRead.value();
    EXPECT_EQ(d.XUpper, led.XUpper);
    EXPECT_EQ(d.YUpper, led.YUpper);
    EXPECT_EQ(d.XLower, led.XLower);
    EXPECT_EQ(d.YLower, led.YLower);

    const Result<AirfoilFileData> intsRead = ReadAirfoilFile(kDir + "selig_integer_start.dat"); // "1 0" first

    ASSERT_TRUE(intsRead.ok()) << intsRead.status().message();

    const AirfoilFileData& ints = intsRead.value();
    EXPECT_EQ(ints.layout, AirfoilFileLayout::Selig);
    EXPECT_EQ(ints.XUpper, (std::vector<double>{0, 0.5, 1}));
    EXPECT_EQ(ints.YLower, (std::vector<double>{0, -0.04, 0}));
}

TEST(AirfoilReader, RefusesBadFilesWholly) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kDir)) {
        const std::string file = entry.path().filename().string();
        if (file.rfind("bad_", 0) != 0) continue;
        SCOPED_TRACE(file);
        const Result<AirfoilFileData> d = ReadAirfoilFile(entry.path().string());
        EXPECT_FALSE(d.ok()) << "layout " << (d ? static_cast<int>(d->layout) : -1);
        expectConsistent(d);
        ++checked;
    }
    EXPECT_GE(checked, 15);
    const Result<AirfoilFileData> missing = ReadAirfoilFile(kDir + "no_such_file.dat");
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.status().message(), "Error Reading Airfoil Data\n" + detailOf(missing.status()));
}

TEST(AirfoilReader, CountLimitsAreTwoAndTwoHundred) {
    auto counted = [](int n) {
        std::string text = "Limits\n" + std::to_string(n) + "\n";
        for (int i = 0; i < n; ++i)
            text += std::to_string(static_cast<double>(i) / (n - 1)) + " 0.01\n";
        return text + "2\n0 0\n1 0\n";
    };
    EXPECT_TRUE(ParseAirfoilText(counted(2)).ok());
    EXPECT_TRUE(ParseAirfoilText(counted(200)).ok());
    EXPECT_FALSE(ParseAirfoilText(counted(201)).ok());
    std::string tooLong(static_cast<size_t>(MaxAirfoilFileBytes) + 10, ' ');
    EXPECT_FALSE(ParseAirfoilText("Big\n2\n0 0\n1 0\n2\n0 0\n1 0\n" + tooLong).ok());
}

struct Pt {
    double x, y;
};

// A cambered section with a round nose: upper and lower lists from the leading edge, n points.
void cambered(int n, std::vector<Pt>& upper, std::vector<Pt>& lower, double teHalfGap = 0) {
    upper.clear();
    lower.clear();
    for (int i = 0; i < n; ++i) {
        const double x = 0.5 * (1 - std::cos(M_PI * i / (n - 1)));
        const double t =
            0.6 * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x - 0.1036 * x * x * x * x) +
            teHalfGap * x;
        const double c = 0.125 * (0.8 * x - x * x) + 0.02 * x;
        upper.push_back({x, c + t});
        lower.push_back({x, c - t});
    }
}

std::string pairs(const std::vector<Pt>& p) {
    std::ostringstream out;
    out.precision(9);
    for (const Pt& q : p)
        out << q.x << ' ' << q.y << '\n';
    return out.str();
}

std::vector<Pt> reversed(std::vector<Pt> p) {
    std::reverse(p.begin(), p.end());
    return p;
}

std::string counted(const std::vector<Pt>& first, const std::vector<Pt>& second) {
    return "Section\n" + std::to_string(first.size()) + "\n" + pairs(first) + std::to_string(second.size()) + "\n" +
           pairs(second);
}

std::string selig(const std::vector<Pt>& upper, const std::vector<Pt>& lower) {
    std::vector<Pt> loop = reversed(upper);
    loop.insert(loop.end(), lower.begin() + 1, lower.end());
    return "Section\n" + pairs(loop);
}

// Every common way of writing one section down reads as the same two lists.
TEST(AirfoilReader, ReversedFilesReadAsTheForwardFile) {
    std::vector<Pt> up, lo;
    cambered(41, up, lo);
    const Result<AirfoilFileData> forwardRead = ParseAirfoilText(counted(up, lo));
    ASSERT_TRUE(forwardRead.ok()) << forwardRead.status().message();
    const AirfoilFileData& forward = forwardRead.value();
    EXPECT_TRUE(forward.warnings.empty());
    const std::pair<const char*, std::string> variants[] = {
        {"counted, lower list first", counted(lo, up)},
        {"counted, both lists from the trailing edge", counted(reversed(up), reversed(lo))},
        {"counted, lower first from the trailing edge", counted(reversed(lo), up)},
        {"Lednicer", "Section\n41. 41.\n\n" + pairs(up) + "\n" + pairs(lo)},
        {"Lednicer from the trailing edge", "Section\n41. 41.\n\n" + pairs(reversed(up)) + "\n" + pairs(reversed(lo))},
        {"Selig", selig(up, lo)},
        {"Selig the other way round", selig(lo, up)},
    };
    for (const auto& [name, text] : variants) {
        SCOPED_TRACE(name);
        const Result<AirfoilFileData> dRead = ParseAirfoilText(text);
        ASSERT_TRUE(dRead.ok()) << dRead.status().message();
        const AirfoilFileData& d = dRead.value();
        EXPECT_EQ(d.XUpper, forward.XUpper);
        EXPECT_EQ(d.YUpper, forward.YUpper);
        EXPECT_EQ(d.XLower, forward.XLower);
        EXPECT_EQ(d.YLower, forward.YLower);
    }
}

// Points no section has are refused with the reason; shapes a real file may have are read with
// a warning.
TEST(AirfoilReader, ImplausibleShapesAreRefusedOrWarnedWithAReason) {
    std::vector<Pt> up, lo;
    cambered(41, up, lo);
    auto with = [](std::vector<Pt> p, size_t i, Pt q) {
        p[i] = q;
        return p;
    };
    std::vector<Pt> halfLower(lo.begin(), lo.begin() + 21); // stops at mid-chord
    std::vector<Pt> gapUp, gapLo;
    cambered(41, gapUp, gapLo, 2.0); // open by 4 chords
    const std::pair<std::string, std::string> refused[] = {
        {counted(gapUp, gapLo), "The trailing edge is open by"},
        {counted(with(up, 1, {up[1].x, 0.4}), lo), "The outline has a spike at x = "},
        {counted(up, with(lo, 30, {lo[30].x, -0.3})), "spike at x = "},
        {selig(with(up, 0, {0, 0.3}), with(lo, 0, {0, 0.3})), "spike"},
        {counted(up, halfLower), "do not cover the same chord"},
        {counted(up, with(lo, 20, {lo[20].x, 0.2})), "cross"},
        {counted(up, lo) + "1 0\n", "more points after the lower surface"},
        {counted(up, with(lo, 5, {0.5, lo[5].y})), "The lower surface turns back at x = 0.5"},
    };
    for (const auto& [text, reason] : refused) {
        const Result<AirfoilFileData> d = ParseAirfoilText(text);
        EXPECT_FALSE(d.ok()) << reason;
        expectConsistent(d);
        const std::string detail = detailOf(d.status());
        EXPECT_NE(detail.find(reason), std::string::npos) << reason << ": " << detail;
        EXPECT_EQ(d.status().message(), AirfoilReadMessage(detail));
    }

    std::vector<Pt> thickUp, thickLo;
    cambered(41, thickUp, thickLo, 0.015); // 3% of the chord
    std::vector<Pt> fewUp, fewLo;
    cambered(6, fewUp, fewLo);
    const std::pair<std::string, std::string> warned[] = {
        {counted(thickUp, thickLo), "The trailing edge is 3% of the chord thick."},
        {counted(fewUp, fewLo), "A surface has only 6 points"},
        {counted(up, lo) + "END\n", "The text after the lower surface is ignored."},
    };
    for (const auto& [text, warning] : warned) {
        const Result<AirfoilFileData> dRead = ParseAirfoilText(text);
        ASSERT_TRUE(dRead.ok()) << dRead.status().message();
        const AirfoilFileData& d = dRead.value();
        ASSERT_EQ(d.warnings.size(), 1u) << warning;
        EXPECT_NE(d.warnings[0].find(warning), std::string::npos) << d.warnings[0];
    }
}

// Random mutations of valid files: the reader never crashes, and what it returns is either a
// wholly valid section or the error with nothing in it.
TEST(AirfoilReader, FuzzedFilesNeverYieldHalfReadSections) {
    std::vector<std::string> seeds;
    for (const char* f : {"sample.dat", "sample_one_line.dat", "selig_0012.dat", "lednicer_0012.dat",
                          "lednicer_integer_counts.dat", "counted_two_on_first_line.dat"})
        seeds.push_back(slurp(kDir + f));
    std::mt19937 rng(20240601);
    const std::string alphabet = "0123456789.-+eE ,\n\r\tx";
    int accepted = 0;
    const int cases = 4000;
    for (int n = 0; n < cases; ++n) {
        std::string text = seeds[rng() % seeds.size()];
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits && !text.empty(); ++e) {
            const size_t at = rng() % text.size();
            switch (rng() % 5) {
            case 0:
                text.erase(at, 1 + rng() % 6);
                break;
            case 1:
                text.insert(at, 1, alphabet[rng() % alphabet.size()]);
                break;
            case 2:
                text[at] = alphabet[rng() % alphabet.size()];
                break;
            case 3:
                text.insert(at, text.substr(at, rng() % 20));
                break;
            default:
                text.resize(at);
                break;
            }
        }
        const Result<AirfoilFileData> d = ParseAirfoilText(text);
        expectConsistent(d);
        if (HasFailure()) {
            ADD_FAILURE() << "case " << n << ":\n" << text;
            return;
        }
        accepted += d.ok() ? 1 : 0;
    }
    // Both outcomes occur: the corpus exercises acceptance and refusal.
    EXPECT_GT(accepted, cases / 20);
    EXPECT_LT(accepted, cases * 19 / 20);
}

} // namespace
} // namespace ribcraft
