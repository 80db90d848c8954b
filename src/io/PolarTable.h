// SPDX-License-Identifier: MIT
#pragma once
// Polars as a plain comma-separated table that a spreadsheet or pandas reads
// as it is (pandas.read_csv(path)):
//
//   section,flap_deflection,flap_length,re,alpha,cl,cd,cm_c4,xtr_upper,xtr_lower,stalled
//   "2412",0,0,1e+06,-20,-1.0771,0.0312,-0.0534,0.0121,1,0
//
// The first line names the columns; then one line per angle of every polar,
// the polars one after the other in the order they were computed:
//   section          the section's name, always in double quotes (a quote
//                    inside is doubled); control characters become blanks
//   flap_deflection  flap deflection, degrees, trailing edge down positive
//   flap_length      flap length, % chord (0 with no flap)
//   re               Reynolds number
//   alpha            angle of attack, degrees
//   cl, cd, cm_c4    lift, drag, moment about the quarter chord
//   xtr_upper        chord position (x/c) where the upper surface's layer turns turbulent
//   xtr_lower        the same on the lower surface
//   stalled          1 when half a chord or more of a surface was separated, else 0
// Numbers are written in the shortest form that reads back as the same
// double, with a point as decimal sign whatever the locale. Lines end in
// "\n"; a reader also takes "\r\n". Consecutive lines with the same section,
// flap and Reynolds number make one polar; a polar without points has no line.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Status.h"

namespace ribcraft {

inline constexpr std::string_view PolarTableHeader =
    "section,flap_deflection,flap_length,re,alpha,cl,cd,cm_c4,xtr_upper,xtr_lower,stalled";

struct PolarTableRow {
    double alpha = 0, cl = 0, cd = 0, cmQuarter = 0, transitionUpper = 0, transitionLower = 0;
    bool stalled = false;
    friend bool operator==(const PolarTableRow&, const PolarTableRow&) = default;
};

struct PolarTable {
    std::string section;
    double flapDeflection = 0, flapLength = 0, re = 0;
    std::vector<PolarTableRow> rows;
    friend bool operator==(const PolarTable&, const PolarTable&) = default;
};

// The whole file's text: the header line and every row.
std::string PolarTableText(std::span<const PolarTable> polars);

// A double in the shortest form that reads back as the same value ("1e+06", "0.25", "-3").
std::string ShortestNumber(double value);

// The polars of a file's text; a line that is not as described above is an
// error naming its line number (ErrorKind::BadFile).
Result<std::vector<PolarTable>> ReadPolarTable(std::string_view text);

} // namespace ribcraft
