// SPDX-License-Identifier: MIT
#pragma once
// Help calls and the pages that answer them. A help call is a command
// (HelpContents or HelpContext) with a data number; contents calls show the
// contents page, context calls the page of that context.

#include <string>

namespace ribcraft {

inline constexpr int HelpContext = 1;
inline constexpr int HelpContents = 3;

// Context numbers of the dialogs' "Help ?" buttons.
inline constexpr int HelpNaca4 = 20;
inline constexpr int HelpNaca5 = 30;
inline constexpr int HelpFlap = 50;
inline constexpr int HelpPrintTemplates = 70;
inline constexpr int HelpExportRibs = 75;
inline constexpr int HelpAngle = 90;

struct HelpCall {
    int command = HelpContents;
    int data = 1;
    bool operator==(const HelpCall&) const = default;
};

// The help call of ContextHelp for the current view.
HelpCall ContextHelpFor(int vflag);

// The page (a file name under the help resources, e.g. "naca4.html") that
// answers a help call. Unknown contexts and unknown commands show the contents.
std::string HelpPageFor(int command, int data);

// Resource path of a page, e.g. ":/help/naca4.html".
std::string HelpResourcePath(const std::string& page);

} // namespace ribcraft
