// SPDX-License-Identifier: MIT
#pragma once
// The outcome of a command that can fail in an expected way (a section that
// cannot be built, a file that cannot be read): the core never shows a
// message itself, it returns one. A command's outcome is a Status (kind and
// message) plus the notices that do not stop the command; only the factories
// below make a failure.

#include <string>
#include <utility>

#include "base/Status.h"

namespace ribcraft {

class CommandResult {
public:
    // A notice that does not stop the command (the separation warning); the
    // window shows it in its own dialog, the batch tool prints it.
    std::string warning;
    // A message about the command itself that says nothing about the flow
    // (the polar store is full): the window shows it in a message box of its
    // own, never inside the separation warning; the batch tool prints it.
    std::string notice;

    static CommandResult failure(ErrorKind kind, std::string text) {
        CommandResult r;
        r.m_status = Status::Error(kind == ErrorKind::None ? ErrorKind::InvalidInput : kind, std::move(text));
        return r;
    }
    // A value or command the program cannot accept.
    static CommandResult failure(std::string text) { return failure(ErrorKind::InvalidInput, std::move(text)); }
    // The outcome of a step that reports a Status, with its kind.
    static CommandResult from(const Status& status) {
        return status.ok() ? CommandResult{} : failure(status.kind(), status.message());
    }

    bool ok() const { return m_status.ok(); }
    const std::string& message() const { return m_status.message(); }
    // Why the command failed; ErrorKind::None when it did not. The window
    // decides how to show a failure from the kind, never from the text.
    ErrorKind kind() const { return m_status.kind(); }
    const Status& status() const { return m_status; }

private:
    Status m_status;
};

} // namespace ribcraft
