// SPDX-License-Identifier: MIT
#pragma once
// Files are written whole or not at all. The bytes go to a temporary file in the target's own
// folder (so the final rename never crosses a file system); the temporary file is checked,
// flushed to disk and only then renamed over the target. A failure at any step removes the
// temporary file and leaves the target as it was: an existing file keeps its old contents, a
// new file does not appear. Every failure is reported with ErrorKind::WriteFailed and a message
// that names the file and the reason.
//
// Two forms:
// - WriteFileAtomically: the caller has the bytes (or writes them to a stream).
// - PendingFile: the caller's writer needs a path of its own (a PDF or image writer); it writes
//   to tempPath(), then Commit() checks and renames, or the file is discarded.
//
// Check what you are about to write before calling either: a refused job must not touch any
// file, and these functions cannot know that a job was refused.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "base/Status.h"

namespace ribcraft {

// Whether path can name a file to be written: not empty, not an existing folder, its folder
// exists and is a folder. Opens nothing.
Status CheckWriteTarget(const std::string& path);

// Writes every byte to an open descriptor (retrying short writes and interrupted calls). Fails on
// the first error, e.g. a full disk; `name` is the file name used in the message.
Status WriteAll(int fd, std::string_view bytes, const std::string& name);

// Replaces (or creates) path with exactly these bytes, whole or not at all.
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

// As above with the bytes a producer writes to a stream; a producer that returns false or leaves
// the stream failed writes nothing.
Status WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& produce);

// A temporary file next to the target for writers that open a path themselves. Destroying a
// PendingFile that was not committed removes its temporary file.
class PendingFile {
public:
    // Checks the target (CheckWriteTarget) and creates an empty temporary file in its folder.
    static Status Create(const std::string& target, PendingFile& out);

    PendingFile() = default;
    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&& other) noexcept;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();

    bool active() const { return !m_temp.empty(); }
    const std::string& tempPath() const { return m_temp; }
    const std::string& target() const { return m_target; }

    // The writer's own verdict on the bytes it wrote (e.g. that a document ends as it must).
    using Check = std::function<bool(std::string_view bytes)>;

    // Checks the temporary file (it must exist, be a regular file, not be empty and pass `check`
    // when given), flushes it to disk and renames it over the target. On failure the temporary
    // file is removed and the target is left as it was.
    Status Commit(const Check& check = {});
    // Removes the temporary file; the target is left as it was.
    void Discard();

private:
    std::string m_target;
    std::string m_temp;
};

} // namespace ribcraft
