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

// The start-up section is solved only when a command first reads it. Whatever
// the first command is, the script must give what it gave with the start-up
// solution already there: the same outcome, output and files.
TEST_F(BatchTest, AScriptOpensAsIfTheStartUpSectionWereSolved) {
    const std::vector<std::string> firsts = {"naca 2412",
                                             "naca 99999",
                                             "read " + Data("naca2412_selig.dat"),
                                             "read " + Data("not_numbers.dat"),
                                             "points 80",
                                             "alpha 6",
                                             "alpha 24",
                                             "flap 25 15",
                                             "re 300000",
                                             "set VInf 30",
                                             "view cp",
                                             "view mesh",
                                             "view bl-upper-profiles",
                                             "reset-polar",
                                             "save @.txt",
                                             "dxf @.dxf",
                                             "report",
                                             "results",
                                             "sweep -4 4 2",
                                             "sweep -4 4 2 inviscid",
                                             "polar @.csv",
                                             "ribs @.dxf 10 6 1 0.0625 in",
                                             "png @.png 64 48"};
    const std::vector<std::string> probes = {"results", "report", "view cp", "save @.txt", "sweep 0 2 2"};
    // Every line of a session with '@' replaced by a file of its own; the outcome, the output and the files.
    const auto session = [&](bool solvedFirst, const std::string& first, const std::string& tag) {
        std::ostringstream text;
        BatchRunner r(text);
        r.setPictures([this]() -> ribcraft::Result<PictureCommands*> { return pictures.get(); });
        if (solvedFirst) (void)r.state();
        std::string log;
        int n = 0;
        std::vector<std::string> lines = {first};
        lines.insert(lines.end(), probes.begin(), probes.end());
        for (std::string line : lines) {
            const std::string file = Path(tag + std::to_string(n++));
            if (const size_t at = line.find('@'); at != std::string::npos) line.replace(at, 1, file);
            const CommandResult c = r.runLine(line);
            log +=
                std::to_string(c.ok()) + " " + c.message() + " | " + c.warning + " | " + c.notice + "\n" + text.str();
            text.str("");
            for (const char* ext : {".txt", ".dxf", ".csv", ".png"})
                if (std::ifstream in(file + ext, std::ios::binary); in)
                    log += std::string(std::istreambuf_iterator<char>(in), {}) + "\n";
        }
        return log;
    };
    for (const std::string& first : firsts)
        EXPECT_EQ(session(false, first, "lazy"), session(true, first, "eager")) << "first line: " << first;
}

} // namespace
} // namespace ribcraft::test
