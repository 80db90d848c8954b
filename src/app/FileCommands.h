// SPDX-License-Identifier: MIT
#pragma once
// The file commands without their dialogs: reading a coordinate file into the
// current section, the ASCII export of the current view and the DXF export of
// the outline. The window and the batch tool both use these.

#include <string>
#include <string_view>

#include "app/CommandResult.h"
#include "app/SharedState.h"
#include "io/AirfoilReader.h"

namespace ribcraft {

// Reads a coordinate file. On success the name line, the raw lists and the
// flags of a new file section are in the state (the caller redraws), and the
// warning holds the reader's notes on the shape, one per line; on any failure
// nothing changes and the message is "Error Reading Airfoil Data" with the
// reason on a second line.
CommandResult ReadAirfoil(SharedState& s, const std::string& path);
// The same for a file already read (path is kept as AirfoilFileName).
CommandResult AcceptAirfoilFile(SharedState& s, const Result<AirfoilFileData>& read, const std::string& path);

// Whether the section of the file read from path is the one solved and shown
// (after ReadAirfoil and a redraw): false when the panel method refused it
// and the previous section was put back.
bool FileSectionTaken(const SharedState& s, const std::string& path);

// The text the Save command writes for the current view.
std::string AsciiFileText(const SharedState& s);
// Writes the current view's data to ExportFileName (set to path first).
CommandResult AsciiFile(SharedState& s, const std::string& path);

// A file name to propose for the current section: its name with every
// character that does not belong in a file name replaced by '_', blanks at
// the ends dropped, then the extension (".dxf"); "airfoil" for an empty name.
std::string SuggestedFileName(std::string_view sectionName, std::string_view extension);

// Writes the outline as a DXF drawing.
CommandResult ExportDxf(const SharedState& s, const std::string& path);

} // namespace ribcraft
