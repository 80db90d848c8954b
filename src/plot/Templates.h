// SPDX-License-Identifier: MIT
#pragma once
// Full-size wing-rib templates of the current section on the printer: one
// outline per section of a straight-tapered wing, scaled to that section's
// chord, with its dashed inner outline a skin thickness inside and a rotated
// label. The chord runs down the page and the sections stand side by side;
// a row that is full continues on a new page, and a chord longer than the
// page is printed in strips, one page (or more) per strip, with join marks
// where a strip continues on the next. Every page carries a calibration bar
// at its right edge, so the builder can check that nothing was scaled.

#include <span>
#include <string>
#include <vector>

#include "app/CommandResult.h"
#include "app/SharedState.h"
#include "app/dialogs/TemplatesModel.h"
#include "geometry/RibGeometry.h"
#include "plot/Surface.h"

namespace ribcraft {

// No print job is started that would need more pages than this (or more
// strips along the chord).
inline constexpr int MaxTemplatePages = 50;

// Chord of section s (1..sections) for a straight taper from root to tip.
double TemplateChord(double root, double tip, int sections, int s);

// Span position of section s in per cent of the half span (0 for a single section).
double TemplateSpan(int sections, int s);

// The label printed beside a template, e.g.
// "|__ 0012 Airfoil #1: chord = 6.00 in.;  span location = 0.0 %  Page 1".
std::string TemplateLabel(const std::string& sectionName, int section, double chord, bool centimetres, double span,
                          int page);

// The outline of a rib of the given chord (the section's loop scaled) and its
// inner outline a skin inside it, as closed loops in the job's unit.
struct RibOutlines {
    Loop outline;
    std::vector<Loop> inset; // empty only for a skin of 0 on a section without area
};

// The rib of the given chord; refused (with the words "too thick") when the
// skin leaves no inner outline.
Result<RibOutlines> TemplateRib(const SharedState& state, double chord, double skin);

// Checks that need no printer: the count, the chords, the skin (not negative,
// and thin enough for every rib) and the section. The message says that
// nothing was printed.
CommandResult CheckTemplateJob(const SharedState& state, const TemplateJob& job);

// Width of the band at the right of every page that holds the calibration
// bar (1 in, or 2.5 cm), and the bar itself: 5 in with quarter-inch ticks, or
// 10 cm with millimetre ticks, from 0.5 in (1 cm) below the top of the page,
// with the words that tell the builder to measure it.
double CalibrationBand(bool centimetres);
void DrawCalibrationBar(Surface& target, bool centimetres, double pageWidth);

// Prints the templates of the current section (state.SectionX/SectionY, closed
// loop of PointCount + 1 points) on target, which must be a printer. Nothing
// is drawn when the job cannot be printed: whatever CheckTemplateJob refuses,
// no printable area, or more than MaxTemplatePages pages.
// Ends the document when done.
CommandResult PrintTemplates(Surface& target, const SharedState& state, const TemplateJob& job);

} // namespace ribcraft
