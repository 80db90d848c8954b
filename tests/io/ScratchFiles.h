// SPDX-License-Identifier: MIT
#pragma once
// Helpers for tests of file writers: a scratch folder, a simulated full disk and a run without
// the superuser's rights.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace ribcraft::testing {

// A fresh folder under the temporary directory, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rc_scratch_XXXXXX").string();
        if (::mkdtemp(pattern.data())) m_path = pattern;
        std::filesystem::create_directory(m_path / "sub");
        std::ofstream(m_path / "plain.txt") << "plain file\n";
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The names in the folder, sorted, without the two that every scratch folder starts with.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(m_path)) {
            const std::string n = e.path().filename().string();
            if (n != "sub" && n != "plain.txt") out.push_back(n);
        }
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    std::filesystem::path m_path;
};

// While alive, no file of this process can grow past `bytes` (0: no limit is set): writes beyond
// fail part-way with EFBIG, as on a full disk. The signal such a write raises is ignored.
class WithFileSizeLimit {
public:
    explicit WithFileSizeLimit(rlim_t bytes) : m_active(bytes > 0) {
        if (!m_active) return;
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = m_old;
        lim.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~WithFileSizeLimit() {
        if (!m_active) return;
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    WithFileSizeLimit(const WithFileSizeLimit&) = delete;
    WithFileSizeLimit& operator=(const WithFileSizeLimit&) = delete;

private:
    bool m_active;
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

// Runs fn where file permissions bind: directly for an ordinary user, as "nobody" in a child
// process for the superuser. Returns 1 when fn returned true, 0 when false, -1 when it could
// not run.
inline int RunUnprivileged(const std::function<bool()>& fn) {
    if (::geteuid() != 0) return fn() ? 1 : 0;
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        ::_exit(fn() ? 1 : 0);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    const int code = WEXITSTATUS(status);
    return code <= 1 ? code : -1;
}

} // namespace ribcraft::testing
