// SPDX-License-Identifier: MIT
// The analysis commands of the batch tool: a sweep row is what `results`
// shows at that angle; the polar file reads back as the stored polars; a
// folder of sections gives the same files on one thread or two, with a
// broken file named and skipped; several scripts give the same output
// whatever the number of jobs.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "BatchFixture.h"
#include "app/FolderPolars.h"
#include "app/PolarFile.h"
#include "app/PolarSweep.h"
#include "batch/ScriptJobs.h"
#include "io/NumberFormat.h"
#include "io/PolarTable.h"

namespace ribcraft::test {
namespace {

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');)
        cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    return cells;
}

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every row of a sweep against `alpha A` + `results` on the same state, for a
// NACA section and a flapped file section, with and without the drag estimate.
TEST_F(BatchTest, SweepRowsAreWhatResultsShowsAtEachAngle) {
    for (const std::string& section : {std::string("naca 4412"), "read " + Data("naca2412_selig.dat")}) {
        for (const std::string& mode : {std::string(), std::string(" inviscid")}) {
            Run({section, "points 80", "flap 25 10", "alpha 1.5"});
            out.str("");
            const CommandResult r = runner.runLine("sweep -8 10.5 2.5" + mode);
            ASSERT_TRUE(r.ok()) << r.message();
            std::istringstream table(out.str());
            std::string title, header;
            std::getline(table, title);
            std::getline(table, header);
            EXPECT_EQ(title.rfind("# sweep of \"", 0), 0u) << title;
            EXPECT_NE(title.find("80 points"), std::string::npos) << title;
            EXPECT_EQ(header, "alpha,cl,cm_le,cm_c4,cd,xtr_upper,xtr_lower,stalled,cl_panel,cm_le_panel");
            EXPECT_EQ(runner.state().Texts.AngleText, "1.5"); // the state keeps its own angle
            std::vector<std::vector<std::string>> rows;
            for (std::string line; std::getline(table, line);)
                rows.push_back(Split(line));
            ASSERT_EQ(rows.size(), 8u); // -8 to 9.5
            for (const auto& row : rows) {
                ASSERT_EQ(row.size(), 10u);
                Run({"alpha " + row[0]});
                SCOPED_TRACE(section + mode + " at " + row[0]);
                EXPECT_EQ(row[1], Result("cl"));
                EXPECT_EQ(row[2], Result("cm_le"));
                EXPECT_EQ(row[3], Result("cm_c4"));
                EXPECT_EQ(row[8], FormatNumber(runner.state().ClPanel, "0.0###"));
                if (mode.empty()) {
                    EXPECT_EQ(row[4], Result("cd"));
                    EXPECT_EQ(row[7], Result("stalled").empty() ? "0" : "1");
                } else {
                    EXPECT_EQ(row[4], "");
                    EXPECT_EQ(row[7], "");
                }
            }
        }
    }
}

// The transition points of a sweep row are those of the polar at the same
// angle (both march the same layers on the plain solution), and they move as
// a lifting section's do: forward on the upper surface, back on the lower.
TEST_F(BatchTest, SweepTransitionPointsMatchThePolars) {
    Run({"naca 2412", "points 80", "polar " + Path("p.csv")});
    out.str("");
    ASSERT_TRUE(runner.runLine("sweep -20 20 2").ok());
    std::istringstream table(out.str());
    std::map<std::string, std::vector<std::string>> rows;
    for (std::string line; std::getline(table, line);)
        if (line[0] != '#' && line[0] != 'a') rows[Split(line)[0]] = Split(line);
    const auto polars = ActivePolars(runner.state());
    ASSERT_EQ(polars.size(), 1u);
    int compared = 0;
    for (const PolarRow& p : polars[0].PolarData) {
        const auto& row = rows[ShortestNumber(p[PolarAngle])];
        ASSERT_EQ(row.size(), 10u) << p[PolarAngle];
        EXPECT_EQ(row[5], FormatNumber(p[PolarUpperTransition], "0.0###")) << p[PolarAngle];
        EXPECT_EQ(row[6], FormatNumber(p[PolarLowerTransition], "0.0###")) << p[PolarAngle];
        ++compared;
    }
    EXPECT_GE(compared, 15);
    EXPECT_LT(Val(rows["8"][5]), Val(rows["0"][5]));
    EXPECT_GT(Val(rows["8"][6]), Val(rows["0"][6]));
}

TEST_F(BatchTest, SweepRefusesRangesItCannotRun) {
    for (const char* line : {"sweep 0 10 0", "sweep 0 10 -1", "sweep 0 91 1", "sweep 0 1 1e-6", "sweep a 1 1",
                             "sweep 0 1 1 viscous", "sweep 0 1"}) {
        out.str("");
        const CommandResult r = runner.runLine(line);
        EXPECT_FALSE(r.ok()) << line;
        EXPECT_EQ(out.str(), "") << line;
    }
    // Descending sweeps and steps that do not land on the end are fine.
    out.str("");
    ASSERT_TRUE(runner.runLine("sweep 3 -1 -1.5 inviscid").ok());
    std::istringstream table(out.str());
    std::vector<std::string> alphas;
    for (std::string line; std::getline(table, line);)
        if (line[0] != '#' && line[0] != 'a') alphas.push_back(Split(line)[0]);
    EXPECT_EQ(alphas, (std::vector<std::string>{"3", "1.5", "0"}));
}

// The polar file holds every stored polar exactly (drag as Cd), and reading
// it gives back the same tables.
TEST_F(BatchTest, PolarFileRoundTripsTheStoredPolars) {
    Run({"naca 2412", "points 60", "polar " + Path("one.csv"), "re 300000", "flap 20 5", "polar " + Path("p.csv")});
    const auto stored = ActivePolars(runner.state());
    ASSERT_EQ(stored.size(), 2u); // each polar command computed the current one
    const std::string text = Contents(Path("p.csv"));
    const auto back = ReadPolarTable(text);
    ASSERT_TRUE(back.ok()) << back.status().message();
    EXPECT_EQ(*back, PolarTablesOf(stored));
    EXPECT_EQ(PolarTableText(*back), text);
    ASSERT_EQ(back->size(), 2u);
    EXPECT_EQ((*back)[1].re, 300000);
    EXPECT_EQ((*back)[1].rows.size(), stored[1].PolarData.size());
    EXPECT_EQ((*back)[1].rows[3].cd * 1000, stored[1].PolarData[3][PolarCd]);
    // A file that cannot be written leaves nothing behind and says so.
    const CommandResult r = runner.runLine("polar " + Path("no/such/folder/p.csv"));
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(std::filesystem::exists(Path("no")));
}

// The stalled column: the polar table carries each stored angle's flag, the
// sweep the result panel's. NACA 0012 stalls at the ends of its polar and not
// near 0 degrees, and being symmetric it stalls at -a exactly when at +a.
TEST_F(BatchTest, StalledColumnsFollowTheStallOfEachAngle) {
    Run({"naca 0012", "polar " + Path("p.csv")});
    const StoredPolar& p = ActivePolars(runner.state())[0];
    const auto back = ReadPolarTable(Contents(Path("p.csv")));
    ASSERT_TRUE(back.ok()) << back.status().message();
    const std::vector<PolarTableRow>& rows = (*back)[0].rows;
    ASSERT_EQ(rows.size(), 21u);
    int stalled = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].alpha);
        EXPECT_EQ(rows[i].stalled, p.stalled(i));
        EXPECT_EQ(rows[i].stalled, rows[rows.size() - 1 - i].stalled);
        stalled += rows[i].stalled;
    }
    EXPECT_TRUE(rows.front().stalled);
    EXPECT_FALSE(rows[10].stalled); // 0 degrees
    EXPECT_GT(stalled, 0);
    EXPECT_LT(stalled, 21);

    out.str("");
    Run({"sweep -20 20 20"});
    std::istringstream table(out.str());
    std::vector<std::vector<std::string>> sweep;
    for (std::string line; std::getline(table, line);)
        if (!line.starts_with("#") && !line.starts_with("alpha")) sweep.push_back(Split(line));
    ASSERT_EQ(sweep.size(), 3u);
    EXPECT_EQ(sweep[0][7], "1");
    EXPECT_EQ(sweep[1][7], "0");
    EXPECT_EQ(sweep[2][7], "1");
}

// A folder with two sections and a broken file, at two Reynolds numbers, on
// one thread and on two: the same result files, the broken one named and
// skipped, and each section's polars what a single run computes.
TEST_F(BatchTest, FolderPolarsSkipBrokenFilesAndDoNotDependOnThreads) {
    const std::filesystem::path in = Path("sections");
    std::filesystem::create_directories(in);
    std::filesystem::copy_file(Data("naca2412_selig.dat"), in / "a2412.dat");
    std::filesystem::copy_file(Data("naca2412_counted.dat"), in / "b2412.txt");
    std::filesystem::copy_file(Data("not_numbers.dat"), in / "c_broken.dat");
    std::ofstream(in / ".hidden") << "ignored\n";
    Run({"points 40"});
    for (int jobs : {1, 2}) {
        runner.setJobs(jobs);
        const std::string outDir = Path("out" + std::to_string(jobs));
        out.str("");
        const CommandResult r = runner.runLine("polars " + in.string() + " " + outDir + " 200000 1e6");
        ASSERT_TRUE(r.ok()) << r.message();
        EXPECT_NE(r.warning.find("c_broken.dat: Error Reading Airfoil Data"), std::string::npos) << r.warning;
        EXPECT_EQ(r.warning.find("a2412"), std::string::npos) << r.warning;
        EXPECT_NE(out.str().find("on " + std::to_string(jobs) + " thread"), std::string::npos) << out.str();
    }
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(Path("out1")))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a2412.dat.polar.csv", "b2412.txt.polar.csv", "summary.csv"}));
    for (const std::string& name : names)
        EXPECT_EQ(Contents(std::filesystem::path(Path("out1")) / name),
                  Contents(std::filesystem::path(Path("out2")) / name))
            << name;

    const FileLines summary = ReadLines(std::filesystem::path(Path("out1")) / "summary.csv");
    ASSERT_EQ(summary.lines.size(), 6u); // header, 2 files x 2 Re, the broken file
    EXPECT_EQ(summary.lines[0], "file,section,re,points,cl_max,alpha_cl_max,cd_min,max_cl_cd,alpha_max_cl_cd,error");
    EXPECT_EQ(summary.lines[5].rfind("\"c_broken.dat\",\"\",,0,,,,,,\"Error Reading Airfoil Data", 0), 0u)
        << summary.lines[5];

    // The polars of a section equal those of a single run with the same settings.
    BatchTest::Run({"read " + (in / "a2412.dat").string(), "re 200000", "polar " + Path("single.csv"), "re 1e6",
                    "polar " + Path("single.csv")});
    EXPECT_EQ(Contents(Path("single.csv")), Contents(std::filesystem::path(Path("out1")) / "a2412.dat.polar.csv"));
}

TEST_F(BatchTest, FolderPolarsRefuseRequestsThatCannotStart) {
    for (const std::string& line :
         {"polars " + Path("missing") + " " + Path("out") + " 1e6", "polars " + Path("") + " " + Path("out") + " 10",
          "polars " + Path("") + " " + Path("out") + " 1e6 x"}) {
        const CommandResult r = runner.runLine(line);
        EXPECT_FALSE(r.ok()) << line;
    }
}

// Scripts run one after the other or two at a time print the same, in the
// order given, and the exit status is the worst of them.
TEST_F(BatchTest, ScriptsGiveTheSameOutputOnOneOrTwoJobs) {
    const std::string scripts[] = {Path("s1.txt"), Path("s2.txt"), Path("s3.txt"), Path("s4.txt")};
    std::ofstream(scripts[0]) << "naca 2412\nalpha 3\nresults\nsweep -2 2 2\n";
    std::ofstream(scripts[1]) << "naca 0012\npoints 60\nsweep 0 4 2 inviscid\nreport\n";
    std::ofstream(scripts[2]) << "naca 4412\nalpha 2\nresults\nnaca 12345\nresults\n";
    std::ofstream(scripts[3]) << "naca 23012\npoints 80\npolar " + Path("s4.csv") + "\nresults\n";
    std::string first;
    for (int jobs : {1, 2}) {
        std::ostringstream o, e;
        const int status = RunScripts({std::begin(scripts), std::end(scripts)}, jobs, o, e);
        EXPECT_EQ(status, 1); // the third script stops at its fourth line
        EXPECT_NE(e.str().find(scripts[2] + ": line 4: "), std::string::npos) << e.str();
        if (jobs == 1)
            first = o.str() + e.str();
        else
            EXPECT_EQ(o.str() + e.str(), first);
    }
    EXPECT_NE(first.find("airfoil = 2412"), std::string::npos);
    EXPECT_LT(first.find("airfoil = 2412"), first.find("airfoil = 4412"));
}

TEST(BatchArgumentsTest, ReadsJobsAndScripts) {
    auto parse = [](std::vector<std::string> words) {
        std::vector<char*> argv;
        for (std::string& w : words)
            argv.push_back(w.data());
        return ParseBatchArguments(int(argv.size()), argv.data());
    };
    const Result<BatchArguments> a = parse({"ribcraft-batch", "--jobs", "3", "a.txt", "b.txt"});
    ASSERT_TRUE(a.ok()) << a.status().message();
    EXPECT_EQ(a->jobs, 3);
    EXPECT_EQ(a->scripts, (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_TRUE(parse({"ribcraft-batch"})->scripts.empty());
    for (const char* bad : {"0", "-1", "x", "2x", "5000"})
        EXPECT_NE(parse({"ribcraft-batch", "--jobs", bad}).status().message(), "") << bad;
    EXPECT_NE(parse({"ribcraft-batch", "--jobs"}).status().message(), "");
}

} // namespace
} // namespace ribcraft::test
