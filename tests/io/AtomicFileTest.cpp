// SPDX-License-Identifier: MIT
#include "io/AtomicFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "ScratchFiles.h"

namespace ribcraft {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::WithFileSizeLimit;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// 200 KiB of text that ends in a known line, so a cut-off copy is easy to tell from the whole.
std::string bigText() {
    std::string s;
    while (s.size() < 200 * 1024)
        s += "0.123456      -0.654321\r\n";
    return s + "END\r\n";
}

TEST(AtomicFile, ReplacesWholeKeepsPermissionsAndLeavesNoTemporaryFile) {
    ScratchFolder dir;
    const fs::path target = dir.path() / "out.txt";
    put(target, "old contents");
    ::chmod(target.c_str(), 0640);
    const std::string text = bigText();
    ASSERT_TRUE(WriteFileAtomically(target.string(), text));
    EXPECT_EQ(slurp(target), text);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.txt"});

    // An empty file is a legitimate result (views without data write one), and a link is followed.
    const fs::path link = dir.path() / "link.txt";
    fs::create_symlink(target, link);
    ASSERT_TRUE(WriteFileAtomically(link.string(), std::string_view()));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(slurp(target), "");

    // The stream form writes what the producer wrote, and nothing when the producer fails.
    ASSERT_TRUE(WriteFileAtomically(target.string(), [](std::ostream& out) { return bool(out << "a\r\nb\r\n"); }));
    EXPECT_EQ(slurp(target), "a\r\nb\r\n");
    const Status refused = WriteFileAtomically(target.string(), [](std::ostream& out) {
        out << "half";
        return false;
    });
    EXPECT_EQ(refused.kind(), ErrorKind::WriteFailed);
    EXPECT_EQ(slurp(target), "a\r\nb\r\n");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"link.txt", "out.txt"}));
}

// Every way a write can fail: the result is WriteFailed with the file's name in the message, an
// existing file keeps its old bytes and no temporary file is left behind.
struct FailingTarget {
    const char* name;
    std::function<std::string(const fs::path& dir)> prepare; // returns the target path
    bool fullDisk = false;
};

void PrintTo(const FailingTarget& t, std::ostream* os) {
    *os << t.name;
}

class AtomicFileFailure : public ::testing::TestWithParam<FailingTarget> {};

TEST_P(AtomicFileFailure, LeavesNoTraceAndSaysWhy) {
    ScratchFolder dir;
    const std::string target = GetParam().prepare(dir.path());
    const std::vector<std::string> before = dir.names();
    const bool existed = fs::is_regular_file(target);
    const std::string old = existed ? slurp(target) : std::string();

    Status st;
    {
        WithFileSizeLimit limit(GetParam().fullDisk ? 8192 : 0);
        st = WriteFileAtomically(target, bigText());
    }
    EXPECT_EQ(st.kind(), ErrorKind::WriteFailed);
    EXPECT_NE(st.message().find(target), std::string::npos) << st.message();
    EXPECT_EQ(dir.names(), before);
    if (existed) {
        EXPECT_EQ(slurp(target), old);
    }

    // The two-step form refuses the same targets, or its commit fails, with the same guarantees.
    PendingFile pending;
    Status created = PendingFile::Create(target, pending);
    if (created) {
        {
            WithFileSizeLimit limit(GetParam().fullDisk ? 8192 : 0);
            std::ofstream out(pending.tempPath(), std::ios::binary);
            out << bigText();
        }
        created = pending.Commit([](std::string_view bytes) { return bytes.ends_with("END\r\n"); });
    }
    EXPECT_EQ(created.kind(), ErrorKind::WriteFailed);
    EXPECT_EQ(dir.names(), before);
    if (existed) {
        EXPECT_EQ(slurp(target), old);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, AtomicFileFailure,
    ::testing::Values(
        FailingTarget{"Folder", [](const fs::path& d) { return (d / "sub").string(); }},
        FailingTarget{"MissingFolder", [](const fs::path& d) { return (d / "nowhere" / "out.txt").string(); }},
        FailingTarget{"FolderIsAFile", [](const fs::path& d) { return (d / "plain.txt" / "out.txt").string(); }},
        FailingTarget{"Device", [](const fs::path&) { return std::string("/dev/full"); }},
        FailingTarget{"NoName", [](const fs::path&) { return std::string(); }},
        FailingTarget{"FullDisk", [](const fs::path& d) { return (d / "plain.txt").string(); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AtomicFile, ReadOnlyFolderKeepsTheFile) {
    ScratchFolder dir;
    const fs::path target = dir.path() / "out.txt";
    put(target, "old contents");
    // Permissions bind only an unprivileged user: as the superuser, try it as "nobody" in a child.
    ::chmod(dir.path().c_str(), 0555);
    const int code = testing::RunUnprivileged([&] {
        const Status st = WriteFileAtomically(target.string(), "new");
        return st.kind() == ErrorKind::WriteFailed && st.message().find("Permission denied") != std::string::npos;
    });
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(slurp(target), "old contents");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"out.txt"});
}

TEST(AtomicFile, WriteAllReportsAFullDevice) {
    const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const Status st = WriteAll(fd, "0.5 ", "/dev/full");
    ::close(fd);
    EXPECT_EQ(st.kind(), ErrorKind::WriteFailed);
    EXPECT_NE(st.message().find("No space left on device"), std::string::npos) << st.message();
    // A closed descriptor fails too, and an empty write succeeds without touching it.
    EXPECT_FALSE(WriteAll(fd, "x", "closed"));
    EXPECT_TRUE(WriteAll(-1, "", "nothing"));
}

TEST(AtomicFile, PendingFileCommitsOrDiscards) {
    ScratchFolder dir;
    const fs::path target = dir.path() / "doc.pdf";
    put(target, "old document");
    {
        PendingFile pending;
        ASSERT_TRUE(PendingFile::Create(target.string(), pending));
        EXPECT_EQ(fs::path(pending.tempPath()).parent_path(), dir.path());
        put(pending.tempPath(), "half a docu");
        // Dropped without a commit: the old document stays.
    }
    EXPECT_EQ(slurp(target), "old document");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"doc.pdf"});

    PendingFile empty;
    ASSERT_TRUE(PendingFile::Create(target.string(), empty));
    EXPECT_EQ(empty.Commit().kind(), ErrorKind::WriteFailed); // the writer wrote nothing
    EXPECT_EQ(slurp(target), "old document");

    PendingFile pending;
    ASSERT_TRUE(PendingFile::Create((dir.path() / "new.pdf").string(), pending));
    put(pending.tempPath(), "%PDF whole %%EOF\n");
    ASSERT_TRUE(pending.Commit([](std::string_view b) { return b.ends_with("%%EOF\n"); }));
    EXPECT_FALSE(pending.active());
    EXPECT_EQ(slurp(dir.path() / "new.pdf"), "%PDF whole %%EOF\n");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"doc.pdf", "new.pdf"}));
}

} // namespace
} // namespace ribcraft
