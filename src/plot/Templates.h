#pragma once
// Full-size wing-rib templates of the current section on the printer: one
// outline per section of a straight-tapered wing, scaled to that section's
// chord, with a dashed outline inset by the skin thickness and a rotated
// label. The chord runs down the page and the sections stand side by side;
// a row that is full continues on a new page, and a chord longer than the
// page is printed in strips, one page (or more) per strip.

#include <span>
#include <string>
#include <vector>

#include "app/CommandResult.h"
#include "app/SharedState.h"
#include "app/dialogs/TemplatesModel.h"
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

// The outline moved inward by skin: for every segment from point i to i + 1,
// its midpoint moved by skin along the normal to the right of the direction
// of travel; the last point repeats the first, so the result is closed and
// has as many points as the outline. A segment of zero length has no normal:
// it repeats the previous inset point (the first one falls back to its
// midpoint).
void InsetOutline(std::span<const double> x, std::span<const double> y, double skin, std::vector<double>& insetX,
                  std::vector<double>& insetY);

// Prints the templates of the current section (state.SectionX/SectionY, closed
// loop of PointCount + 1 points) on target, which must be a printer. Nothing
// is drawn when the job cannot be printed: fewer than one section, a negative
// chord, no printable area, no section, or more than MaxTemplatePages pages.
// Ends the document when done.
CommandResult PrintTemplates(Surface& target, const SharedState& state, const TemplateJob& job);

} // namespace ribcraft
