// SPDX-License-Identifier: MIT
#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

namespace ribcraft {
namespace {

namespace fs = std::filesystem;

Status failure(const std::string& path, const std::string& reason) {
    return Status::Error(ErrorKind::WriteFailed, "Cannot write the file " + path + ": " + reason);
}

Status errnoFailure(const std::string& path, int err) {
    return failure(path, std::strerror(err));
}

// The folder a file of this name goes into ("." for a bare name).
std::string folderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// A link is followed, so that the file it points to is replaced and the link stays.
std::string resolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::error_code ec;
        const fs::path real = fs::canonical(path, ec);
        if (!ec) return real.string();
    }
    return path;
}

// The permissions a new file gets: those of the file it replaces, or the default of the process.
mode_t modeFor(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool readWhole(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bytes.clear();
    std::vector<char> buffer(1 << 16);
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        bytes.append(buffer.data(), static_cast<size_t>(n));
    }
    ::close(fd);
    return ok;
}

// Gives the complete temporary file its final permissions, flushes it to disk and renames it
// over the target. The temporary file is removed on failure.
Status renameIntoPlace(const std::string& temp, const std::string& target, int fd) {
    int err = 0;
    if (::fchmod(fd, modeFor(target)) != 0) err = errno;
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (!err && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err) {
        ::unlink(temp.c_str());
        return errnoFailure(target, err);
    }
    // Make the new name itself durable; a folder that cannot be synced is not an error of the file.
    const int dir = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return Status::Ok();
}

// Creates an empty temporary file in the target's folder; returns its descriptor or -1 (err set).
int createTemp(const std::string& target, std::string& temp, int& err) {
    std::string pattern =
        (fs::path(folderOf(target)) / ("." + fs::path(target).filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        return -1;
    }
    temp.assign(name.data());
    return fd;
}

} // namespace

Status CheckWriteTarget(const std::string& path) {
    if (path.empty()) return Status::Error(ErrorKind::WriteFailed, "Cannot write the file: no file name given");
    const std::string target = resolvedTarget(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return failure(path, "it is a folder");
        if (!S_ISREG(st.st_mode)) return failure(path, "it is not a regular file");
    }
    const std::string folder = folderOf(target);
    if (::stat(folder.c_str(), &st) != 0) return failure(path, "the folder " + folder + " does not exist");
    if (!S_ISDIR(st.st_mode)) return failure(path, folder + " is not a folder");
    return Status::Ok();
}

Status WriteAll(int fd, std::string_view bytes, const std::string& name) {
    const char* at = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errnoFailure(name, errno);
        if (n == 0) return failure(name, "nothing more could be written");
        at += n;
        left -= static_cast<size_t>(n);
    }
    return Status::Ok();
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (Status st = CheckWriteTarget(path); !st) return st;
    const std::string target = resolvedTarget(path);
    std::string temp;
    int err = 0;
    const int fd = createTemp(target, temp, err);
    if (fd < 0) return errnoFailure(path, err);
    if (Status st = WriteAll(fd, bytes, path); !st) {
        ::close(fd);
        ::unlink(temp.c_str());
        return st;
    }
    return renameIntoPlace(temp, target, fd);
}

Status WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& produce) {
    if (Status st = CheckWriteTarget(path); !st) return st;
    std::ostringstream out;
    if (!produce || !produce(out) || out.fail()) return failure(path, "its contents could not be produced");
    return WriteFileAtomically(path, std::string_view(out.view()));
}

Status PendingFile::Create(const std::string& target, PendingFile& out) {
    out.Discard();
    if (Status st = CheckWriteTarget(target); !st) return st;
    const std::string resolved = resolvedTarget(target);
    std::string temp;
    int err = 0;
    const int fd = createTemp(resolved, temp, err);
    if (fd < 0) return errnoFailure(target, err);
    ::close(fd);
    out.m_target = resolved;
    out.m_temp = temp;
    return Status::Ok();
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : m_target(std::move(other.m_target)), m_temp(std::move(other.m_temp)) {
    other.m_temp.clear();
}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
    if (this != &other) {
        Discard();
        m_target = std::move(other.m_target);
        m_temp = std::move(other.m_temp);
        other.m_temp.clear();
    }
    return *this;
}

PendingFile::~PendingFile() {
    Discard();
}

Status PendingFile::Commit(const Check& check) {
    if (!active()) return failure(m_target, "nothing was written");
    const std::string temp = m_temp;
    m_temp.clear(); // from here on the temporary file is either renamed or removed
    auto refuse = [&](const std::string& reason) {
        ::unlink(temp.c_str());
        return failure(m_target, reason);
    };
    struct stat st {};
    if (::stat(temp.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return refuse("the writer left no file");
    if (st.st_size == 0) return refuse("the writer wrote nothing");
    if (check) {
        std::string bytes;
        if (!readWhole(temp, bytes)) return refuse("the written file cannot be read back");
        if (!check(bytes)) return refuse("the written file is incomplete");
    }
    const int fd = ::open(temp.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return errnoFailure(m_target, err);
    }
    return renameIntoPlace(temp, m_target, fd);
}

void PendingFile::Discard() {
    if (!m_temp.empty()) ::unlink(m_temp.c_str());
    m_temp.clear();
}

} // namespace ribcraft
