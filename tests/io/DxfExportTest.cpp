// SPDX-License-Identifier: MIT
#include "io/DxfExport.h"
#include "io/AsciiExport.h"
#include "io/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ribcraft {
namespace {

// A closed 120-point outline like the program's: trailing edge, lower surface, leading edge,
// upper surface (point 121 repeats the trailing edge and is not written).
void outline(std::vector<float>& x, std::vector<float>& y) {
    const int h = 60;
    const double pi = 4.0 * std::atan(1.0);
    x.assign(2 * h + 1, 0.0f);
    y.assign(2 * h + 1, 0.0f);
    for (int i = 1; i <= 2 * h + 1; ++i) {
        const double xc = 0.5 * (1.0 + std::cos(pi * (i - 1) / h)); // 1 -> 0 -> 1
        const double t = 0.6 * (0.2969 * std::sqrt(xc) - 0.126 * xc - 0.3516 * xc * xc + 0.2843 * std::pow(xc, 3) -
                                0.1036 * std::pow(xc, 4));
        x[static_cast<size_t>(i - 1)] = static_cast<float>(xc);
        y[static_cast<size_t>(i - 1)] = static_cast<float>(i <= h ? -t : t);
    }
}

TEST(DxfExport, LinesAndGroupCodes) {
    std::vector<float> x, y;
    outline(x, y);
    auto lines = DxfLines(std::span(x).first(120), std::span(y).first(120));
    ASSERT_EQ(lines.size(), 1928u); // 4 + 120 entities of 16 lines + 4
    EXPECT_EQ(lines[0], " 0 ");
    EXPECT_EQ(lines[1], "SECTION");
    EXPECT_EQ(lines[2], " 2 ");
    EXPECT_EQ(lines[3], "ENTITIES");
    // First entity: from the trailing edge to the next lower-surface point.
    const std::vector<std::string> first(lines.begin() + 4, lines.begin() + 20);
    EXPECT_EQ(first[0], " 0 ");
    EXPECT_EQ(first[1], "LINE");
    EXPECT_EQ(first[2], " 8 ");
    EXPECT_EQ(first[3], "0");
    EXPECT_EQ(first[4], " 10 ");
    EXPECT_EQ(first[5], " 1 ");
    EXPECT_EQ(first[6], " 20 ");
    EXPECT_EQ(first[8], " 30 ");
    EXPECT_EQ(first[9], " 0 ");
    EXPECT_EQ(first[10], " 11 ");
    EXPECT_EQ(first[11], PrintItemSingle(x[1]));
    EXPECT_EQ(first[13], PrintItemSingle(y[1]));
    EXPECT_EQ(first[13].front(), '-');
    EXPECT_EQ(first[15], " 0 ");
    // The closing entity runs from point 120 (upper surface) back to the trailing edge.
    const std::vector<std::string> last(lines.begin() + 1908, lines.begin() + 1924);
    EXPECT_EQ(last[1], "LINE");
    EXPECT_EQ(last[5], PrintItemSingle(x[119]));
    EXPECT_EQ(last[7], PrintItemSingle(y[119]));
    EXPECT_EQ(last[11], " 1 ");
    EXPECT_EQ(last[13], PrintItemSingle(y[0]));
    EXPECT_EQ(lines[1924], " 0 ");
    EXPECT_EQ(lines[1925], "ENDSEC");
    EXPECT_EQ(lines[1927], "EOF");
    // A loop that already repeats its first point gets no zero-length closing entity.
    x[120] = x[0], y[120] = y[0];
    EXPECT_EQ(DxfLines(x, y).size(), 1928u);

    const std::vector<float> px{0.5f, 0.25f}, py{-0.025f, 0.0f};
    auto two = DxfLines(px, py);
    ASSERT_EQ(two.size(), 24u);
    EXPECT_EQ(two[9], " .5 ");
    EXPECT_EQ(two[11], "-.025 ");
    EXPECT_EQ(DxfLines({}, {}).size(), 8u); // no points: the empty section
    EXPECT_EQ(DxfDialogTitle("0012"), "Export NACA 0012 DXF File");
}

// A real DXF reader opens our file: 120 LINE entities, each starting where the previous ended,
// the last ending where the first starts.
TEST(DxfExport, OpensInADxfReader) {
    std::string python;
    for (const char* candidate : {"/usr/bin/python3", "python3"}) {
        std::string probe = std::string(candidate) + " -c \"import ezdxf\" >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) {
            python = candidate;
            break;
        }
    }
    if (python.empty()) GTEST_SKIP() << "python3 with ezdxf is not installed";

    std::vector<float> x, y;
    outline(x, y);
    const auto dir = std::filesystem::temp_directory_path() / "rc_io_dxf";
    std::filesystem::create_directories(dir);
    const std::string dxf = (dir / "section.dxf").string();
    ASSERT_TRUE(WriteDxfFile(dxf, std::span(x).first(120), std::span(y).first(120)));
    const std::string script = (dir / "check.py").string();
    std::ofstream(script) << "import sys, ezdxf\n"
                             "doc = ezdxf.readfile(sys.argv[1])\n"
                             "lines = [e for e in doc.modelspace() if e.dxftype() == 'LINE']\n"
                             "assert len(lines) == 120, len(lines)\n"
                             "for a, b in zip(lines, lines[1:] + lines[:1]):\n"
                             "    assert a.dxf.end.isclose(b.dxf.start), (a.dxf.end, b.dxf.start)\n"
                             "assert abs(lines[0].dxf.start.x - 1.0) < 1e-6\n"
                             "assert lines[-2].dxf.end.y > 0\n"
                             "print('ok', len(lines))\n";
    const std::string command = python + " " + script + " " + dxf + " > " + (dir / "out.txt").string() + " 2>&1";
    const int rc = std::system(command.c_str());
    std::ifstream out(dir / "out.txt");
    std::stringstream text;
    text << out.rdbuf();
    EXPECT_EQ(rc, 0) << text.str();
    EXPECT_NE(text.str().find("ok 120"), std::string::npos) << text.str();
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ribcraft
