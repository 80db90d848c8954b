#include "io/AsciiExport.h"
#include "io/DxfExport.h"
#include "io/NumberFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "extlib/Capacities.h"

namespace ribcraft {
namespace {

const std::string kGolden = std::string(RIBCRAFT_TEST_DATA) + "/io/golden/";

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Compares with a golden file; RIBCRAFT_UPDATE_GOLDEN=1 rewrites it (then review the diff).
void expectGolden(const std::string& name, const std::string& text) {
    const std::string path = kGolden + name;
    if (std::getenv("RIBCRAFT_UPDATE_GOLDEN")) {
        std::filesystem::create_directories(kGolden);
        ASSERT_TRUE(WriteTextFile(path, text));
    }
    EXPECT_EQ(text, slurp(path)) << name;
}

// A four-point outline: trailing edge, lower point, leading edge, upper point (point 5 closes it).
const std::vector<float> kX{1.0f, 0.5f, 0.0f, 0.5f, 1.0f};
const std::vector<float> kY{0.0f, -0.0013f, 0.0f, 0.06f, 0.0f};

TEST(AsciiExport, CoordinatesByteForByte) {
    const std::string expected = "Coordinates for Sample section\r\n"
                                 "Upper Surface Coordinates (x,y) 2 Points\r\n"
                                 "0.000000      0.000000\r\n"
                                 "0.500000      0.060000\r\n"
                                 "Lower Surface Coordinates (x,y) 2 Points\r\n"
                                 "0.500000      -0.001300\r\n"
                                 "1.000000      0.000000\r\n";
    const std::string text =
        JoinCrLf(CoordinateLines("Sample section", std::span(kX).first(4), std::span(kY).first(4)));
    EXPECT_EQ(text, expected);
    expectGolden("coordinates.txt", text);

    // A written file holds exactly these bytes.
    const std::string path = (std::filesystem::temp_directory_path() / "rc_io_coordinates.txt").string();
    AsciiExportSources src;
    src.VFlag = 1;
    src.sectionName = "Sample section";
    src.sectionX = std::span(kX).first(4);
    src.sectionY = std::span(kY).first(4);
    ASSERT_TRUE(WriteTextFile(path, AsciiFileText(src)));
    EXPECT_EQ(slurp(path), expected);
    std::filesystem::remove(path);
}

TEST(AsciiExport, CoordinatesOf120PointsGive123Lines) {
    std::vector<float> x(120), y(120);
    for (int i = 0; i < 120; ++i)
        x[static_cast<size_t>(i)] = static_cast<float>(i) / 120.0f;
    auto lines = CoordinateLines("0012", x, y);
    ASSERT_EQ(lines.size(), 123u);
    EXPECT_EQ(lines[1], "Upper Surface Coordinates (x,y) 60 Points");
    EXPECT_EQ(lines[62], "Lower Surface Coordinates (x,y) 60 Points");
    EXPECT_EQ(lines[2].substr(0, 8), FormatNumber(x[60], "#0.000000"));
    EXPECT_EQ(lines[63].substr(0, 8), FormatNumber(x[59], "#0.000000"));
}

TEST(AsciiExport, SurfaceDistributions) {
    const std::vector<float> distX{0.9f, 0.3f, 0.3f, 0.9f};
    const std::vector<float> cp{0.2f, -0.5f, -1.25f, 0.125f};
    const std::vector<float> v{0.9f, 1.2f, 1.5f, 0.95f};
    const std::string cpText = JoinCrLf(DistributionLines(2, "2412", "2.5 Deg.", distX, cp));
    const std::string vText = JoinCrLf(DistributionLines(3, "2412", "2.5 Deg.", distX, v));
    EXPECT_EQ(cpText.substr(0, cpText.find("\r\n")), "Surface Cp for: 2412 at 2.5 Deg.");
    EXPECT_NE(cpText.find("\r\n0.300000      -1.250000\r\n"), std::string::npos);
    EXPECT_NE(vText.find("Lower Surface Velocity (x,V) 2 Points\r\n0.300000      1.200000\r\n"), std::string::npos);
    expectGolden("surface_cp.txt", cpText);
    expectGolden("surface_velocity.txt", vText);
}

TEST(AsciiExport, MeshRingsRunBackwardsAroundTheSection) {
    std::vector<float> gx(static_cast<size_t>(cap::MeshI * cap::MeshJ)), gy(gx.size());
    for (int j = 1; j <= 2; ++j)
        for (int k = 1; k <= 3; ++k) {
            gx[static_cast<size_t>(cap::At2(k, j, cap::MeshI))] = 0.5f * static_cast<float>(k);
            gy[static_cast<size_t>(cap::At2(k, j, cap::MeshI))] = -0.25f * static_cast<float>(j);
        }
    auto lines = MeshLines(3, 2, gx.data(), gy.data());
    ASSERT_EQ(lines.size(), 7u);
    auto zoned = [](std::string a, const std::string& b) { return a + std::string(14 - a.size(), ' ') + b; };
    EXPECT_EQ(lines[0], zoned(" 3 ", " 2 "));
    EXPECT_EQ(lines[1], zoned(" 1.5 ", "-.25 ")); // k = 3 first
    EXPECT_EQ(lines[3], zoned(" .5 ", "-.25 "));
    EXPECT_EQ(lines[6], zoned(" .5 ", "-.5 "));
    expectGolden("mesh.txt", JoinCrLf(lines));
    // Counts beyond the arrays are held to their capacity instead of reading past them.
    EXPECT_EQ(MeshLines(cap::MeshI + 50, 1, gx.data(), gy.data()).size(), static_cast<size_t>(cap::MeshI) + 1);
}

TEST(AsciiExport, PolarsFollowEachOther) {
    std::vector<PolarRecord> polars{
        {"0012", "1000000", {{0.0, 0.0, 5.4, 0.0, 0.75, 0.75}, {4.0, 0.44123, 6.1, -0.0013, 0.55, 0.9}}},
        {"2412", "500000", {{-2.5, 0.0512, 7.25, -0.05, 1.0, 1.0}}}};
    auto lines = PolarLines(polars);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], "Angle(Deg)    Cl            Cd            Cm            Up Tran(%c)   Lo Tran(%c)");
    EXPECT_EQ(lines[4], "4.00          0.44123       0.006100      -0.001300     0.55          0.90");
    EXPECT_EQ(lines[5], "Lift-Drag Polar for 2412");
    EXPECT_EQ(lines[8], "-2.50         0.05120       0.007250      -0.050000     1.00          1.00");
    expectGolden("polars.txt", JoinCrLf(lines));
    AsciiExportSources none;
    none.VFlag = 10;
    EXPECT_EQ(AsciiFileText(none), "");
}

BlExportInput smallBoundaryLayer() {
    BlExportInput bl;
    bl.sectionName = "0012";
    bl.re = 60;
    bl.profileCount = 2;
    for (int k = 1; k <= 4; ++k) {
        const double s = 0.25 * k;
        for (BlSurfaceExport* surf : {&bl.upper, &bl.lower}) {
            surf->stationX.push_back(s);
            surf->arcLength.push_back(s * 1.01);
            surf->thickness.push_back(0.001 * k);
            surf->friction.push_back(0.004 / k);
            surf->distance.push_back({0.0, 0.0005 * k});
            surf->velocity.push_back({0.0, surf == &bl.upper ? 0.99 : 0.98});
        }
    }
    return bl;
}

TEST(AsciiExport, BoundaryLayerVariants) {
    const BlExportInput bl = smallBoundaryLayer();
    auto up = BoundaryLayerLines(1, bl);
    ASSERT_EQ(up.size(), 8u);
    EXPECT_EQ(up[1], "Airfoil: 0012 Reynolds Number: 60");
    EXPECT_EQ(up[2], "X-Station:  0.25000"); // upper: k = Int(4 * 0 / 2) + 1 = 1
    EXPECT_EQ(up[5], "X-Station:  0.75000"); // k = Int(4 * 1 / 2) + 1 = 3
    auto low = BoundaryLayerLines(2, bl);
    EXPECT_EQ(low[2], "X-Station:  0.50000"); // lower: k = Int(4 * 1 / 2) = 2
    EXPECT_EQ(low[5], "X-Station:  1.00000"); // k = 4
    EXPECT_EQ(low[7], "0.00200       0.98000");
    auto thick = BoundaryLayerLines(3, bl);
    ASSERT_EQ(thick.size(), 6u);
    EXPECT_EQ(thick[2], "0.25250       0.00100");
    EXPECT_EQ(BoundaryLayerLines(6, bl)[5], "1.01000       0.00100");
    EXPECT_TRUE(BoundaryLayerLines(0, bl).empty());
    for (int opt = 1; opt <= 6; ++opt)
        expectGolden("boundary_layer_" + std::to_string(opt) + ".txt", JoinCrLf(BoundaryLayerLines(opt, bl)));
}

TEST(AsciiExport, ProfileStationsStayOnTheSurface) {
    EXPECT_EQ(BlProfileStation(true, 40, 1, 10), 1);
    EXPECT_EQ(BlProfileStation(true, 40, 10, 10), 37);
    EXPECT_EQ(BlProfileStation(false, 40, 10, 10), 40);
    EXPECT_EQ(BlProfileStation(false, 40, 1, 10), 4);
    // Fewer lower stations than profiles: Int(5 * 1 / 10) = 0 is no station.
    EXPECT_EQ(BlProfileStation(false, 5, 1, 10), 0);
    EXPECT_EQ(BlProfileStation(true, 5, 1, 0), 0);
    BlExportInput bl = smallBoundaryLayer();
    bl.profileCount = 10;
    auto low = BoundaryLayerLines(2, bl); // profiles 1 and 2 (k = 0) are left out, 8 remain
    EXPECT_EQ(std::count_if(low.begin(), low.end(), [](const std::string& l) { return l.rfind("X-Station", 0) == 0; }),
              8);
}

TEST(AsciiExport, EmptyFilesAndDialogTitles) {
    AsciiExportSources src;
    src.sectionX = std::span(kX).first(4);
    src.sectionY = std::span(kY).first(4);
    for (int view : {4, 5, 8, 9}) {
        src.VFlag = view;
        EXPECT_EQ(AsciiFileText(src), "") << view; // no report lines, no coefficients given
    }
    // The picture-only views have nothing to save; the listing views save their text.
    EXPECT_FALSE(SaveDialogTitle(4, "0012").has_value());
    EXPECT_FALSE(SaveDialogTitle(5, "0012").has_value());
    EXPECT_EQ(SaveDialogTitle(1, "0012"), "Save 0012 Airfoil DATA");
    EXPECT_EQ(SaveDialogTitle(2, "0012"), "Save Pressure Coefficient for 0012");
    EXPECT_EQ(SaveDialogTitle(3, "0012"), "Save Velocity Distribution for 0012");
    EXPECT_EQ(SaveDialogTitle(6, "0012"), "Save Mesh for 0012");
    EXPECT_EQ(SaveDialogTitle(10, "0012"), "Save CL-CD Polar");
    EXPECT_EQ(SaveDialogTitle(7, "0012"), "Save CFD Bounday Layer Solution");
    EXPECT_FALSE(WriteTextFile("/nonexistent-dir/x.txt", "x"));
}

} // namespace
} // namespace ribcraft
