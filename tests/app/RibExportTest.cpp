// SPDX-License-Identifier: MIT
// Rib files for cutters: NACA 2412, root 10 in, tip 6 in, 5 ribs, skin 1/16 in,
// laid out, written as DXF and read back with ezdxf, and as SVG (rasterised
// by the batch tests); bad values leave no file behind.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Recompute.h"
#include "app/RibExport.h"
#include "geometry/RibGeometry.h"
#include "io/NumberFormat.h"

namespace ribcraft {
namespace {

namespace fs = std::filesystem;

struct RibExport : ::testing::Test {
    SharedState st;
    fs::path dir;
    void SetUp() override {
        st.Texts.SectionName = "2412";
        st.Texts.AngleText = "0";
        st.AirfoilType = 4;
        ASSERT_TRUE(RecomputeForRedraw(st).ok());
        dir = fs::path(RIBCRAFT_BINARY_DIR) / "test-output" / "ribs";
        fs::create_directories(dir);
    }
    static RibJob wing() {
        RibJob job;
        job.RootChord = 10, job.TipChord = 6, job.Ribs = 5, job.SkinThickness = 1.0 / 16;
        return job;
    }
    static std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Runs a shell command, returning its exit code and its output.
    std::pair<int, std::string> run(const std::string& command) const {
        const fs::path out = dir / "command-output.txt";
        const int rc = std::system((command + " > '" + out.string() + "' 2>&1").c_str());
        return {rc, read(out)};
    }
};

TEST_F(RibExport, LayoutGivesEveryRibItsChordAndItsOwnPlaceOnTheSheet) {
    RibJob job = wing();
    job.Notches = {{30, 0.25, 0.25, true, true}};
    const Result<RibDrawing> d = LayOutRibs(st, job);
    ASSERT_TRUE(d.ok()) << d.status().message();
    ASSERT_EQ(d->ribs.size(), 5u);
    double previousBottom = d->height;
    for (size_t k = 0; k < d->ribs.size(); ++k) {
        const RibDrawing::Rib& rib = d->ribs[k];
        ASSERT_EQ(rib.outline.size(), 1u);
        ASSERT_EQ(rib.inset.size(), 1u);
        double xmin = INFINITY, xmax = -INFINITY, ymin = INFINITY, ymax = -INFINITY;
        for (const Point2& p : rib.outline.front())
            xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x), ymin = std::min(ymin, p.y),
            ymax = std::max(ymax, p.y);
        EXPECT_NEAR(xmax - xmin, 10 - k, 1e-5); // chords 10, 9, 8, 7, 6
        // One under the other: the label above the rib, both below the previous rib, all on the sheet.
        EXPECT_LT(rib.label.y + rib.label.height, previousBottom);
        EXPECT_LT(ymax, rib.label.y);
        EXPECT_GT(xmin, 0);
        EXPECT_LT(xmax, d->width);
        EXPECT_GT(ymin, 0);
        previousBottom = ymin;
        EXPECT_FALSE(LoopSelfIntersects(rib.outline.front()));
        EXPECT_FALSE(LoopSelfIntersects(rib.inset.front()));
        // The notches are in both outlines: top and bottom, 0.25 wide, at 30 % of the chord.
        for (const Loop* loop : {&rib.outline.front(), &rib.inset.front()}) {
            int corners = 0;
            for (const Point2& p : *loop)
                corners += std::abs(p.x - (xmin + 0.3 * (10 - k) - 0.125)) < 1e-9 ||
                           std::abs(p.x - (xmin + 0.3 * (10 - k) + 0.125)) < 1e-9;
            EXPECT_GE(corners, 8) << k; // two floor corners and two surface points per notch
        }
    }
    EXPECT_EQ(d->ribs[2].label.text, "2412 Airfoil #3: chord = 8.00 in.;  span location = 50.0 %");
}

TEST_F(RibExport, DxfOpensInAReaderWithClosedCleanPolylinesOnTheirLayers) {
    if (std::system("/usr/bin/python3 -c 'import ezdxf' > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "python3 with ezdxf is not installed";
    RibJob job = wing();
    job.Unit = RibUnit::Millimetres;
    job.RootChord = 254, job.TipChord = 152.4, job.SkinThickness = 1.5;
    job.Notches = {{25, 6, 6, true, false}};
    const fs::path file = dir / "wing.dxf";
    ASSERT_TRUE(ExportRibs(st, job, file.string()).ok());
    const fs::path script = dir / "check_dxf.py";
    std::ofstream(script) << R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
assert doc.dxfversion == 'AC1009', doc.dxfversion
assert {'outline', 'inset', 'labels'} <= {l.dxf.name for l in doc.layers}
msp = doc.modelspace()
def crosses(p, q, r, s):
    d = (q[0] - p[0]) * (s[1] - r[1]) - (q[1] - p[1]) * (s[0] - r[0])
    if d == 0: return False
    t = ((r[0] - p[0]) * (s[1] - r[1]) - (r[1] - p[1]) * (s[0] - r[0])) / d
    u = ((r[0] - p[0]) * (q[1] - p[1]) - (r[1] - p[1]) * (q[0] - p[0])) / d
    return 0 <= t <= 1 and 0 <= u <= 1
counts = {}
chords = []
for e in msp:
    layer = e.dxf.layer
    counts[(e.dxftype(), layer)] = counts.get((e.dxftype(), layer), 0) + 1
    if e.dxftype() != 'POLYLINE': continue
    assert e.is_closed, layer
    pts = [(v.dxf.location.x, v.dxf.location.y) for v in e.vertices]
    n = len(pts)
    for i in range(n):
        for j in range(i + 2, n):
            if i == 0 and j == n - 1: continue
            assert not crosses(pts[i], pts[(i + 1) % n], pts[j], pts[(j + 1) % n]), (layer, i, j)
    if layer == 'outline':
        xs = [p[0] for p in pts]
        chords.append(max(xs) - min(xs))
assert counts == {('POLYLINE', 'outline'): 5, ('POLYLINE', 'inset'): 5, ('TEXT', 'labels'): 5}, counts
for got, want in zip(chords, [254, 228.6, 203.2, 177.8, 152.4]):
    assert abs(got - want) < 1e-3, (got, want)
print('ok', len(chords))
)";
    const auto [rc, out] = run("/usr/bin/python3 '" + script.string() + "' '" + file.string() + "'");
    EXPECT_EQ(rc, 0) << out;
    EXPECT_NE(out.find("ok 5"), std::string::npos) << out;
}

TEST_F(RibExport, SvgCarriesItsRealUnits) {
    const fs::path file = dir / "wing.svg";
    RibJob job = wing();
    job.Svg = true;
    job.Ribs = 1;
    ASSERT_TRUE(ExportRibs(st, job, file.string()).ok());
    const std::string svg = read(file);
    const Result<RibDrawing> d = LayOutRibs(st, job);
    ASSERT_TRUE(d.ok());
    // width and height carry the unit; the view box is in the same unit.
    const std::string size = "width=\"" + FormatNumber(d->width, "0.0#####") + "in\" height=\"" +
                             FormatNumber(d->height, "0.0#####") + "in\"";
    EXPECT_NE(svg.find(size), std::string::npos) << svg.substr(0, 400);
    EXPECT_NE(svg.find("viewBox=\"0 0 " + FormatNumber(d->width, "0.0#####") + " "), std::string::npos);
}

TEST_F(RibExport, BadValuesAreRefusedWithAClearMessageAndLeaveNoFile) {
    struct Case {
        std::vector<std::string> words;
        const char* message;
    };
    const std::string f = (dir / "refused.dxf").string();
    fs::remove(f);
    const std::vector<Case> cases = {
        {{"ribs", f, "-10", "6", "5", "0.0625"}, "Root Chord must be greater than 0."},
        {{"ribs", f, "0", "6", "5", "0.0625"}, "Root Chord must be greater than 0."},
        {{"ribs", f, "10", "0", "5", "0.0625"}, "Tip Chord must be greater than 0."},
        {{"ribs", f, "ten", "6", "5", "0.0625"}, "ROOT is not a number: ten"},
        {{"ribs", f, "10", "6", "10000", "0.0625"}, "SECTIONS must be a whole number from 1 to 500: 10000"},
        {{"ribs", f, "10", "6", "2.5", "0.0625"}, "SECTIONS must be a whole number"},
        {{"ribs", f, "10", "6", "5", "-0.1"}, "Skin Thickness cannot be negative."},
        {{"ribs", f, "10", "6", "5", "0.7"}, "The skin of 0.7 in. is too thick for rib #1 (chord = 10.00 in.)."},
        {{"ribs", f, "10", "1", "5", "0.07"}, "The skin of 0.07 in. is too thick for rib #5 (chord = 1.00 in.)."},
        {{"ribs", f, "10", "6", "5", "0", "notch", "30", "0.25", "2", "top"}, "Spar notch 1 on rib #1"},
        {{"ribs", f, "10", "6", "5", "0", "notch", "0", "0.25", "0.2", "top"}, "between 0 and 100 %"},
        {{"ribs", f, "10", "6", "5", "0", "notch", "30", "0.25", "0.2", "side"}, "top, the bottom or both"},
        {{"ribs", f, "10", "6", "5", "0", "yards"}, "ribs takes FILE ROOT TIP"},
    };
    for (const Case& c : cases) {
        Result<RibJob> job = ParseRibsCommand(c.words);
        Status s = job.ok() ? ExportRibs(st, *job, f) : job.status();
        EXPECT_FALSE(s.ok()) << c.message;
        EXPECT_NE(s.message().find(c.message), std::string::npos) << s.message();
        EXPECT_FALSE(fs::exists(f)) << c.message;
    }
    // A refused export keeps an earlier file as it was; a good one replaces it whole.
    std::ofstream(f) << "earlier";
    EXPECT_FALSE(ExportRibs(st, *ParseRibsCommand({"ribs", f, "10", "6", "5", "0.9"}), f).ok());
    EXPECT_EQ(read(f), "earlier");
    ASSERT_TRUE(ExportRibs(st, *ParseRibsCommand({"ribs", f, "10", "6", "5", "0.0625", "cm", "svg"}), f).ok());
    EXPECT_TRUE(read(f).starts_with("<?xml"));
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".refused")) << entry.path(); // no temporary left
    // A folder that does not exist.
    EXPECT_FALSE(ExportRibs(st, wing(), (dir / "missing" / "x.dxf").string()).ok());
    // Without a section.
    EXPECT_FALSE(ExportRibs(SharedState{}, wing(), f).ok());
}

TEST(RibWords, UnitsFormatsAndNotchesAreRead) {
    const Result<RibJob> job = ParseRibsCommand({"ribs", "w.SVG", "250", "150", "7", "1.5", "mm", "notch", "25", "6",
                                                 "4", "both", "notch", "60", "3", "3", "bottom"});
    ASSERT_TRUE(job.ok()) << job.status().message();
    EXPECT_TRUE(job->Svg);
    EXPECT_EQ(job->Unit, RibUnit::Millimetres);
    EXPECT_EQ(job->Ribs, 7);
    ASSERT_EQ(job->Notches.size(), 2u);
    EXPECT_TRUE(job->Notches[0].Top && job->Notches[0].Bottom);
    EXPECT_TRUE(!job->Notches[1].Top && job->Notches[1].Bottom);
    EXPECT_DOUBLE_EQ(RibChord(*job, 4), 200);
    const Result<RibJob> dxf = ParseRibsCommand({"ribs", "w.svg", "10", "6", "5", "0", "dxf", "cm"});
    ASSERT_TRUE(dxf.ok());
    EXPECT_FALSE(dxf->Svg);
    EXPECT_EQ(dxf->Unit, RibUnit::Centimetres);
}

} // namespace
} // namespace ribcraft
