// SPDX-License-Identifier: MIT
#pragma once
// Coordinate files of airfoil sections.
//
// Three layouts are read, recognised from the file itself:
//  - Counted (the program's own): name line; NUpper; NUpper x y pairs; NLower; NLower pairs.
//    Fields are separated by blanks, tabs, commas or line ends, any number per line.
//  - Lednicer: name line; a line with the two counts written as reals ("17. 17."); the upper
//    surface then the lower surface, each from the leading edge; blank lines between blocks.
//  - Selig: name line; x y pairs from the trailing edge over the upper surface to the leading
//    edge and back along the lower surface.
//
// Recognition, in this order:
//  1. The first field after the name line is an integer ("3", "17", "+5", no point, no
//     exponent): the file is read as Counted. A file in the Counted layout always reads as
//     Counted. Only when that reading fails do the next rules get a chance (a Lednicer file
//     whose counts were written "17 17" fails as Counted: its 18th number is a coordinate, not
//     a count).
//  2. The first data line holds exactly two numbers, both whole values from 2 to 200: Lednicer.
//  3. Otherwise, or when rule 2's reading fails: Selig. The loop is split at its first point
//     of smallest x; both surfaces are returned from the leading edge to the trailing edge and
//     share the leading-edge point.
//
// Every list is then put from the leading edge to the trailing edge (a list written from the
// trailing edge is turned round, in any layout), and the list lying below the other becomes the
// lower surface (a Selig loop written the other way round, or a Counted file with the lower
// list first, reads as the same section as the usual order).
//
// A file is refused (BadFile, message "Error Reading Airfoil Data" and the reason on a line of its own)
// when it cannot be opened, is larger than 1 MiB, a count is outside 2..200, a list is cut
// short, a field where a number belongs is not a number, a Counted file has more numbers after
// the lower list than its count says, a value is not finite or its magnitude exceeds 1000, a
// surface has all x equal, a surface does not run from one end of its x range to the other or
// turns back in x on the way, or the points cannot be a section: the surfaces end more than a
// tenth of the chord apart in x, they cross, a surface has a spike (a point that goes out and
// straight back), or the trailing edge is open by more than a quarter of the chord. Nothing of
// a refused file is returned, so the caller keeps its previous section.
//
// Shapes a real file may have are read with a warning: a trailing edge thicker than 2% of the
// chord, fewer than 10 points on a surface, text after the lower list of a Counted file.

#include <string>
#include <string_view>
#include <vector>

#include "base/Status.h"

namespace ribcraft {

enum class AirfoilFileLayout { Counted, Lednicer, Selig };

struct AirfoilFileData {
    std::vector<std::string> warnings; // shapes read as they are but worth a look
    AirfoilFileLayout layout = AirfoilFileLayout::Counted;
    std::string name; // the first line without its line end
    int NUpper = 0;
    int NLower = 0;
    // Point i (1-based, as the raw lists XUpper(1..NUpper) of the section routine) is element
    // i - 1, so XUpper.data() can be copied to the caller's element 1.
    std::vector<double> XUpper, YUpper, XLower, YLower;
};

inline constexpr std::string_view AirfoilReadError = "Error Reading Airfoil Data";

// The message of a refused file: "Error Reading Airfoil Data", then the reason (one sentence for
// the user) on a line of its own.
std::string AirfoilReadMessage(std::string_view detail);
inline constexpr int MaxAirfoilFileBytes = 1 << 20;
inline constexpr double MaxAirfoilCoordinate = 1000.0;

// Reads a coordinate file.
Result<AirfoilFileData> ReadAirfoilFile(const std::string& path);

// Reads the text of a coordinate file (the same rules as ReadAirfoilFile).
Result<AirfoilFileData> ParseAirfoilText(std::string_view text);

} // namespace ribcraft
