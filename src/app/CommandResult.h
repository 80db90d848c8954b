#pragma once
// The outcome of a command that can fail in an expected way (a section that
// cannot be built, a file that cannot be read): the core never shows a
// message itself, it returns one.

#include <string>

namespace ribcraft {

struct CommandResult {
    bool ok = true;
    std::string message;
    // A notice that does not stop the command (the separation warning); the
    // window shows it in its own dialog, the batch tool prints it.
    std::string warning;
    // A message about the command itself that says nothing about the flow
    // (the polar store is full): the window shows it in a message box of its
    // own, never inside the separation warning; the batch tool prints it.
    std::string notice = {};

    static CommandResult failure(std::string text) { return {false, std::move(text), {}, {}}; }
};

} // namespace ribcraft
