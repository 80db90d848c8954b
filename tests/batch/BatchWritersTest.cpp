// SPDX-License-Identifier: MIT
// Every file the batch tool writes is written whole or not at all: a target that cannot be
// written, or a disk that fills up part-way, is reported as a failed line, and an existing file
// keeps its old bytes.

#include <sstream>

#include "../io/ScratchFiles.h"
#include "BatchFixture.h"

namespace ribcraft::test {
namespace {

namespace fs = std::filesystem;
using ribcraft::testing::ScratchFolder;
using ribcraft::testing::WithFileSizeLimit;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

enum class Target { Folder, MissingFolder, FullDisk };

struct WriterCase {
    const char* name;
    const char* command; // FILE stands for the target
    Target target;
};

void PrintTo(const WriterCase& c, std::ostream* os) {
    *os << c.name;
}

class BatchWriters : public ::testing::TestWithParam<WriterCase> {};

TEST_P(BatchWriters, FailureIsReportedAndLeavesTheOldFile) {
    const WriterCase& c = GetParam();
    ScratchFolder dir;
    std::string target;
    switch (c.target) {
    case Target::Folder:
        target = (dir.path() / "sub").string();
        break;
    case Target::MissingFolder:
        target = (dir.path() / "nowhere" / "out").string();
        break;
    case Target::FullDisk:
        target = (dir.path() / "plain.txt").string(); // an existing file of a few bytes
        break;
    }
    const std::string old = fs::is_regular_file(target) ? slurp(target) : std::string();
    std::string line = c.command;
    line.replace(line.find("FILE"), 4, "\"" + target + "\"");

    std::ostringstream out, err;
    BatchRunner runner(out);
    const std::unique_ptr<PictureCommands> pictures = MakeQtPictureCommands();
    runner.setPictures([&]() -> Result<PictureCommands*> { return pictures.get(); });
    std::istringstream script("naca 2412\n" + line + "\n");
    int status = 0;
    {
        // Every output of these commands is well over 1 KiB.
        WithFileSizeLimit limit(c.target == Target::FullDisk ? 1024 : 0);
        status = runner.runScript(script, err);
    }
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.str().rfind("line 2: Cannot write the file " + target, 0), 0u) << err.str();
    EXPECT_EQ(dir.names(), std::vector<std::string>{});
    if (!old.empty()) {
        EXPECT_EQ(slurp(target), old);
    }
}

std::vector<WriterCase> writerCases() {
    const std::pair<const char*, const char*> writers[] = {
        {"Save", "save FILE"},
        {"Dxf", "dxf FILE"},
        {"Png", "png FILE 400 300"},
        {"Templates", "templates FILE 6 4 3 0.0625"},
    };
    const std::pair<const char*, Target> targets[] = {
        {"Folder", Target::Folder}, {"MissingFolder", Target::MissingFolder}, {"FullDisk", Target::FullDisk}};
    std::vector<WriterCase> cases;
    static std::vector<std::string> names; // the cases point into these
    names.reserve(16);
    for (const auto& [writer, command] : writers)
        for (const auto& [where, target] : targets) {
            names.push_back(std::string(writer) + where);
            cases.push_back({names.back().c_str(), command, target});
        }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Targets, BatchWriters, ::testing::ValuesIn(writerCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BatchTest, RefusedTemplatesKeepTheExistingDocument) {
    const std::string pdf = Path("ribs.pdf");
    Run({"templates \"" + pdf + "\" 6 4 3 0.0625"});
    const std::string printed = slurp(pdf);
    ASSERT_TRUE(printed.starts_with("%PDF-"));
    for (const char* job : {"6 4 0 0.0625", "-6 4 3 0.0625", "1000 4 3 0.0625", "6 4 1000 0.0625"}) {
        EXPECT_FALSE(runner.runLine("templates \"" + pdf + "\" " + job).ok()) << job;
        EXPECT_EQ(slurp(pdf), printed) << job;
    }
}

} // namespace
} // namespace ribcraft::test
