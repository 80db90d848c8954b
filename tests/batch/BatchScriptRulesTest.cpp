// SPDX-License-Identifier: MIT
// What a script is told: quoted file names, values pulled into range, refused angles and
// windows, coordinate files in either order and files that cannot be a section.

#include "BatchFixture.h"

namespace ribcraft::test {
namespace {

// Runs a whole script; returns its exit status and what it printed on the error stream.
std::pair<int, std::string> runScript(BatchRunner& runner, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream err;
    const int status = runner.runScript(in, err);
    return {status, err.str()};
}

TEST_F(BatchTest, QuotedNamesAndPulledValuesAreReported) {
    const std::string spaced = Path("my wing #1.txt");
    const auto [status, err] = runScript(runner, "points 0   # too few\n"
                                                 "flap 150 90\n"
                                                 "flap 10 -5\n"
                                                 "view coordinates\n"
                                                 "save \"" +
                                                     spaced + "\"\n");
    EXPECT_EQ(status, 0) << err;
    EXPECT_EQ(err, "line 1: warning: points 0 is out of range (20 to 340): 20 is used\n"
                   "line 2: warning: flap length 150 is out of range (0 to 50): 50 is used\n"
                   "line 2: warning: flap deflection 90 is out of range (-30 to 30): 30 is used\n");
    EXPECT_EQ(runner.state().PointCount, 20);
    EXPECT_EQ(ReadLines(spaced).lines.size(), 23u); // title, 2 headings, 2 x 10 rows

    const auto [unclosed, message] = runScript(runner, "save \"" + Path("never.txt") + "\n");
    EXPECT_EQ(unclosed, 1);
    EXPECT_EQ(message, "line 1: a quoted name has no closing quote\n");
    EXPECT_FALSE(std::filesystem::exists(Path("never.txt")));
}

TEST_F(BatchTest, BroadsideAnglesAndEmptyContourWindowsAreRefused) {
    Run({"alpha 4"});
    const std::string results = ResultsText();
    for (const char* angle : {"90", "-90", "90.0"}) {
        const CommandResult r = runner.runLine(std::string("alpha ") + angle);
        EXPECT_FALSE(r.ok()) << angle;
        EXPECT_EQ(r.message(),
                  "\"" + std::string(angle) + "\" is not a usable angle of attack: the previous solution is kept.");
        EXPECT_EQ(ResultsText(), results);
    }
    // Just short of broadside the angle itself is accepted (the boundary layer may then fail).
    EXPECT_EQ(runner.runLine("alpha 89.9").message().find("usable angle"), std::string::npos);

    Run({"set ContMinX -1", "set ContMaxX 1"});
    const CommandResult r = runner.runLine("set ContMaxX -1");
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.message().find("the contour window would be empty"), std::string::npos) << r.message();
    EXPECT_EQ(runner.state().ContMaxX, 1.0);
    Run({"set ContMinY 0.5"});
    EXPECT_FALSE(runner.runLine("set ContMaxY 0.5").ok());
}

TEST_F(BatchTest, CoordinateFilesInEitherOrderReadAsTheSameSection) {
    Run({"alpha 4", "read " + Data("naca2412_selig.dat")});
    const std::string forward = ResultsText();
    for (const char* file : {"naca2412_selig_reversed.dat", "naca2412_counted_lower_first.dat"}) {
        Run({"naca 0012", "read \"" + Data(file) + "\""});
        EXPECT_EQ(ResultsText(), forward) << file;
    }

    // A file that cannot be a section: the reason on the second line, nothing kept.
    const auto [status, err] = runScript(runner, "\nread " + Data("open_trailing_edge.dat") + "\n");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err, "line 2: Error Reading Airfoil Data\nThe trailing edge is open by 4 chords.\n");
    EXPECT_EQ(ResultsText(), forward);
}

} // namespace
} // namespace ribcraft::test
