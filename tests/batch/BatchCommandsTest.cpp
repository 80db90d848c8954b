// SPDX-License-Identifier: MIT
// ribcraft-batch commands on one state: what each does to the results, and
// that a refused command stops the script and leaves the state as it was.

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>

#include "BatchFixture.h"
#include "app/Recompute.h"
#include "app/ReportSource.h"
#include "io/NumberFormat.h"
#include "io/ReportText.h"

namespace ribcraft::test {
namespace {

TEST_F(BatchTest, ResultsPrintEveryKeyInOrderWithTheWindowTexts) {
    const KeyValues kv = ParseResults(ResultsText());
    const std::vector<std::string> keys = {"airfoil", "alpha", "flap_length", "flap_deflection",
                                           "cl",      "cm_le", "cm_c4",       "alpha_cl0",
                                           "xcp",     "cd",    "stalled"};
    ASSERT_EQ(kv.size(), keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(kv[i].first, keys[i]);

    // The start: NACA 0012 at 0 degrees, solved exactly as the window's first redraw.
    SharedState window;
    ASSERT_TRUE(RecomputeForRedraw(window).ok());
    const PanelTexts& t = window.Texts;
    const std::vector<std::string> texts = {
        t.SectionName, t.AngleDisplay, t.FlapLengthText, t.FlapDeflectionText, t.LiftText, t.CmLeText,
        t.CmC4Text,    t.AlphaCl0Text, t.XcpText,        t.DragText,           ""};
    for (size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(kv[i].second, texts[i]) << keys[i];
    EXPECT_EQ(kv[0].second, "0012");
    EXPECT_EQ(kv[1].second, "0 Deg.");
    EXPECT_EQ(kv[4].second, "0.000");
    EXPECT_EQ(kv[8].second, "N/A");
    EXPECT_TRUE(std::regex_match(kv[9].second, std::regex(R"(0\.\d{6})"))) << kv[9].second;
}

TEST_F(BatchTest, CamberedSectionAtAngle) {
    Run({"naca 2412", "alpha 4"});
    EXPECT_EQ(Result("airfoil"), "2412");
    EXPECT_EQ(Result("alpha"), "4 Deg.");
    // Thin-airfoil theory: Cl = 2 pi (4 + 2.077) pi / 180 = 0.666, alpha0 = -2.08.
    EXPECT_NEAR(Val(Result("cl")), 0.666, 0.002);
    EXPECT_EQ(Result("alpha_cl0"), "-2.08 Deg.");
    EXPECT_EQ(Result("cm_c4"), "-0.053");
    EXPECT_EQ(Result("stalled"), "");
    EXPECT_EQ(runner.state().AirfoilType, 4);

    Run({"naca 23012"});
    EXPECT_EQ(Result("airfoil"), "23012");
    EXPECT_EQ(runner.state().AirfoilType, 5);
    EXPECT_EQ(runner.state().SectionNumber, 23012);
}

TEST_F(BatchTest, SteepAngleStallsAndReynoldsNumberMovesDrag) {
    Run({"alpha 20"});
    EXPECT_EQ(Result("stalled"), "Airfoil Stalled");
    Run({"alpha 2"});
    EXPECT_EQ(Result("stalled"), "");
    const double cdHigh = Val(Result("cd"));
    Run({"re 200000"});
    EXPECT_DOUBLE_EQ(runner.state().re, 200000);
    EXPECT_GT(Val(Result("cd")), cdHigh); // thicker layers at the lower Reynolds number
}

TEST_F(BatchTest, CommentsBlankLinesAndLineEnds) {
    std::istringstream script("# a comment\n\n   \nnaca 4412   # trailing comment\r\nalpha 2\r\n#results\n");
    std::ostringstream err;
    EXPECT_EQ(runner.runScript(script, err), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str(), ""); // the commented-out results printed nothing
    EXPECT_EQ(Result("airfoil"), "4412");
    EXPECT_EQ(Result("alpha"), "2 Deg.");
}

TEST_F(BatchTest, PointsFlapAndSettings) {
    Run({"points 340"});
    EXPECT_EQ(runner.state().PointCount, 340);
    EXPECT_EQ(runner.state().SurfacePoints, 170);
    EXPECT_EQ(Result("cl"), "0.000");
    EXPECT_TRUE(std::isfinite(Val(Result("cd"))));
    EXPECT_GT(Val(Result("cd")), 0.003);

    Run({"points 120"});
    const std::vector<float> before = OutlineY();
    Run({"flap 20 10"});
    EXPECT_EQ(Result("flap_length"), "20 %c");
    EXPECT_EQ(Result("flap_deflection"), "10 Deg.");
    const std::vector<float> after = OutlineY();
    EXPECT_NEAR(after[0] - before[0], -0.2 * std::sin(10 * M_PI / 180), 0.005); // trailing edge down
    const int le = runner.state().SurfacePoints;                                // element of the leading-edge point
    EXPECT_EQ(after[size_t(le)], before[size_t(le)]);                           // ahead of the hinge nothing moves
    EXPECT_GT(Val(Result("cl")), 0.3);

    Run({"set VInf 30", "set XChoice 0", "set BlOptions 2"});
    EXPECT_DOUBLE_EQ(runner.state().Qinf, 0.5 * 1.2 * 30 * 30);
    EXPECT_EQ(runner.state().XChoice, 0);
    EXPECT_EQ(runner.state().BlOptions, 2);

    const std::vector<std::string> names = BatchRunner::settingNames();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_NE(std::find(names.begin(), names.end(), "FlowSeperationModel"), names.end());
}

TEST_F(BatchTest, EveryViewDrawsAndReportPrintsItsLines) {
    Run({"naca 2412", "alpha 4", "set MeshX 21", "set MeshY 11"});
    for (const char* view : {"coordinates", "velocity-distribution", "pressure-distribution", "cp", "velocity",
                             "pressure", "streamlines", "mesh", "fourier", "report", "polar", "cl-cm", "transition",
                             "bl-upper-profiles", "bl-lower-thickness", "boundary-layer-airfoil"}) {
        const CommandResult r = runner.runLine(std::string("view ") + view);
        EXPECT_TRUE(r.ok()) << view << ": " << r.message();
    }
    Run({"view cp"});
    EXPECT_EQ(runner.state().VFlag, 2);
    Run({"view bl-lower-friction"});
    EXPECT_EQ(runner.state().VFlag, 7);
    EXPECT_EQ(runner.state().BlDisplayOpt, 6);
    // A second Reynolds number adds a second polar; the reset forgets both and the
    // redraw that follows computes the current one again.
    Run({"re 2000000", "view polar"});
    EXPECT_EQ(runner.state().PolarCount, 2);
    Run({"reset-polar"});
    EXPECT_EQ(runner.state().VFlag, 10);
    EXPECT_EQ(runner.state().PolarCount, 1);

    out.str("");
    Run({"report"});
    std::string expected;
    for (const ReportLine& line : ReportLines(ReportInputsFor(runner.state())))
        expected += line.text + '\n';
    const std::string report = out.str();
    EXPECT_EQ(report, expected);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 13);
    EXPECT_NE(report.find("Report"), std::string::npos);
    EXPECT_NE(report.find(Result("cl")), std::string::npos);
    EXPECT_NE(report.find(Result("cd")), std::string::npos);
}

// Each refused line: the message it must give and a check that nothing changed.
TEST_F(BatchTest, RefusedCommandsKeepTheState) {
    Run({"naca 2412", "alpha 4", "flap 10 5"});
    const std::string results = ResultsText();
    const std::vector<float> outline = OutlineY();
    const int points = runner.state().PointCount;

    const std::vector<std::pair<std::string, std::string>> refused = {
        {"frobnicate", "unknown command"},
        {"naca", "wrong number of words"},
        {"naca 2412 4", "wrong number of words"},
        {"alpha", "wrong number of words"},
        {"results now", "wrong number of words"},
        {"naca 24x2", "4 or 5 digits"},
        {"naca 124", "4 or 5 digits"},
        {"naca 0000", "is not a NACA 4 or 5 digit section"},
        {"naca 12345", "is not a NACA 4 or 5 digit section"},
        {"naca 99999", "is not a NACA 4 or 5 digit section"},
        {"alpha four", "alpha takes a number"},
        {"alpha 4deg", "alpha takes a number"},
        {"alpha 1e999", "alpha takes a number"},
        {"alpha 95", "is not a usable angle of attack"},
        {"points many", "points takes a number"},
        {"flap 10", "wrong number of words"},
        {"flap x 5", "flap takes a length"},
        {"re 10", "re takes a Reynolds number"},
        {"re nan", "re takes a Reynolds number"},
        {"set Nothing 1", "unknown setting: Nothing"},
        {"set BlOptions 4", "BlOptions must lie between 1 and 3"}, // the solver knows three transition codes
        {"set PolarSolution 0", "PolarSolution must lie between 1 and 2"},
        {"set BlOptions 2.5", "BlOptions takes a whole number"},
        {"set VInf fast", "set VInf takes a number"},
        {"view sideways", "unknown view: sideways"},
        {"read " + Data("no-such-file.dat"), "Error Reading Airfoil Data"},
        {"read " + Data("not_numbers.dat"), "Error Reading Airfoil Data"},
        {"read " + Data("too_many.dat"), "Error Reading Airfoil Data"},
        {"png " + Path("p.png") + " 10 10", "png size"},
        {"save " + Path("missing-folder/out.txt"), "Cannot write the file"},
    };
    for (const auto& [line, message] : refused) {
        SCOPED_TRACE(line);
        const CommandResult r = runner.runLine(line);
        EXPECT_FALSE(r.ok());
        EXPECT_NE(r.message().find(message), std::string::npos) << r.message();
        EXPECT_EQ(ResultsText(), results);
        EXPECT_EQ(runner.state().PointCount, points);
        EXPECT_EQ(OutlineY(), outline);
        EXPECT_EQ(runner.state().RawAirfoilFlag, 0);
    }
}

TEST_F(BatchTest, BoundaryLayerFailureKeepsThePreviousSolution) {
    // The panel solution at 8 degrees succeeds but the boundary layer cannot
    // run on a Reynolds number of 0 (which no command accepts, so it is put
    // into the state directly); the angle, the outline, the surface solution
    // and every text stay those of the last good command.
    Run({"alpha 3"});
    const std::string results = ResultsText();
    const SharedState before = runner.state();
    runner.state().re = 0;
    const CommandResult r = runner.runLine("alpha 8");
    runner.state().re = before.re;
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.message(), "Redo your Boundary Layer Computation: An error occured in the BL Subroutine");
    EXPECT_EQ(ResultsText(), results);
    EXPECT_EQ(runner.state().Alpha, 3.0f);
    EXPECT_EQ(runner.state().Texts.AngleText, "3");
    EXPECT_EQ(runner.state().ClPanel, before.ClPanel);
    EXPECT_EQ(runner.state().SurfaceV, before.SurfaceV);
}

TEST_F(BatchTest, ScriptStopsAtTheFirstRefusedLine) {
    std::istringstream script("naca 2412\n\n# comment\nnaca 12345\nresults\n");
    std::ostringstream err;
    EXPECT_EQ(runner.runScript(script, err), 1);
    EXPECT_EQ(err.str(), "line 4: \"12345\" is not a NACA 4 or 5 digit section: the previous section is kept.\n");
    EXPECT_EQ(out.str(), ""); // results after the refusal never ran
    EXPECT_EQ(Result("airfoil"), "2412");

    std::istringstream second("results\nview nowhere\n");
    std::ostringstream err2;
    EXPECT_EQ(runner.runScript(second, err2), 1);
    EXPECT_EQ(err2.str(), "line 2: unknown view: nowhere\n");
}

// The mesh export follows every input the mesh is made from, set in any
// order: the same as a run given those inputs before the mesh was first made.
TEST_F(BatchTest, MeshExportFollowsFlapAndMeshSettings) {
    const auto meshText = [this](BatchRunner& r, const std::string& name) {
        const CommandResult saved = r.runLine("save " + Path(name));
        EXPECT_TRUE(saved.ok()) << saved.message();
        std::ifstream in(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    Run({"view mesh"});
    std::string before = meshText(runner, "plain.txt");
    for (const char* change : {"flap 50 30", "set OuterRadius 4", "set GridCluster 1.6", "points 60"}) {
        Run({std::string(change)});
        const std::string changed = meshText(runner, "changed.txt");
        EXPECT_NE(changed, before) << change;
        before = changed;
    }
    std::ostringstream freshOut;
    BatchRunner fresh{freshOut};
    for (const char* line : {"flap 50 30", "set OuterRadius 4", "set GridCluster 1.6", "points 60", "view mesh"})
        ASSERT_TRUE(fresh.runLine(line).ok()) << line;
    EXPECT_EQ(meshText(runner, "last.txt"), meshText(fresh, "fresh.txt"));
}

} // namespace
} // namespace ribcraft::test
