// SPDX-License-Identifier: MIT
#pragma once
// A batch runner with its output captured, and helpers to read what it
// printed and wrote.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "batch/BatchRunner.h"
#include "pictures/QtPictures.h"

namespace ribcraft::test {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// Splits "key = text" lines; the text may be empty.
inline KeyValues ParseResults(const std::string& text) {
    KeyValues kv;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const size_t eq = line.find(" = ");
        if (eq == std::string::npos) {
            ADD_FAILURE() << "not a result line: " << line;
            continue;
        }
        kv.emplace_back(line.substr(0, eq), line.substr(eq + 3));
    }
    return kv;
}

// Lines of a file without their line ends; crlf tells whether every line ended in CR LF.
struct FileLines {
    std::vector<std::string> lines;
    bool crlf = true;
};

inline FileLines ReadLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    FileLines f;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.back() != '\r')
            f.crlf = false;
        else
            line.pop_back();
        f.lines.push_back(line);
    }
    return f;
}

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        runner.setPictures([this]() -> ribcraft::Result<PictureCommands*> { return pictures.get(); });
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // One folder per test and process: test runs of other builds may run side by side.
        m_dir = std::filesystem::temp_directory_path() / (std::string("ribcraft-batch-") + info->test_suite_name() +
                                                          "-" + info->name() + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // Runs lines that must all succeed.
    void Run(std::initializer_list<std::string> lines) {
        for (const std::string& line : lines) {
            const CommandResult r = runner.runLine(line);
            ASSERT_TRUE(r.ok()) << line << ": " << r.message();
        }
    }

    // The result panel as `results` prints it.
    std::string ResultsText() {
        out.str("");
        EXPECT_TRUE(runner.runLine("results").ok());
        std::string text = out.str();
        out.str("");
        return text;
    }
    std::string Result(const std::string& key) {
        for (const auto& [k, v] : ParseResults(ResultsText()))
            if (k == key) return v;
        ADD_FAILURE() << "no result " << key;
        return {};
    }

    std::vector<float> OutlineY() {
        const SharedState& s = runner.state();
        return {&s.SectionY[1], &s.SectionY[1] + s.PointCount + 1};
    }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }
    static std::string Data(const std::string& name) { return std::string(RIBCRAFT_TEST_DATA) + "/batch/" + name; }

    std::ostringstream out;
    std::unique_ptr<PictureCommands> pictures = MakeQtPictureCommands();
    BatchRunner runner{out};

private:
    std::filesystem::path m_dir;
};

} // namespace ribcraft::test
