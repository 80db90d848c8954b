// SPDX-License-Identifier: MIT
#include "plot/Templates.h"

#include <algorithm>
#include <cmath>

#include "app/dialogs/DialogText.h"
#include "io/NumberFormat.h"
#include "plot/GraphFrame.h"
#include "plot/SurfacePlots.h"

namespace ribcraft {

namespace {

constexpr double LabelSize = 8;
constexpr double LabelAngle = -90;

// One template on the printed sheets.
struct Placement {
    int page = 0;    // 0-based page of the job
    int strip = 0;   // 0-based strip along the chord
    int section = 1; // 1-based section number
    double chord = 0;
    double left = 0; // page x where the template's band starts
};

// The page metrics the layout needs, in the job's unit.
struct PageMetrics {
    double width = 0, height = 0; // printable area
    double textHeight = 0;        // height of "c" in the printer's font
    double gap = 0;               // space between stacked templates
};

// The thickness of the section's loop in chord units (largest minus smallest y).
double unitThickness(const SharedState& state) {
    double lo = INFINITY, hi = -INFINITY;
    for (int i = 1; i <= state.PointCount + 1; ++i)
        lo = std::min(lo, double(state.SectionY[i])), hi = std::max(hi, double(state.SectionY[i]));
    return hi - lo;
}

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

std::string unitText(bool centimetres) {
    return centimetres ? " cm." : " in.";
}

// Checks of the values alone.
CommandResult checkValues(const SharedState& state, const TemplateJob& job) {
    if (!allFinite({job.RootChord, job.TipChord, job.SkinThickness, job.Sections}))
        return CommandResult::failure("The template dimensions are not numbers: nothing was printed.");
    if (RoundHalfEven(job.Sections) < 1)
        return CommandResult::failure("Number of Sections must be 1 or more: nothing was printed.");
    if (job.RootChord < 0 || (RoundHalfEven(job.Sections) > 1 && job.TipChord < 0))
        return CommandResult::failure("A chord cannot be negative: nothing was printed.");
    if (job.SkinThickness < 0) return CommandResult::failure("Skin Thickness cannot be negative: nothing was printed.");
    if (!state.HaveSolution || state.PointCount < 2 || state.PointCount + 1 > cap::Outline)
        return CommandResult::failure("There is no section to print: nothing was printed.");
    return {};
}

// Lays the templates out strip by strip: each strip starts a page and
// repeats every section; a row that would run into the calibration band goes
// on the next page (only when another template follows, so no page is
// blank). Stops as soon as the job needs more than MaxTemplatePages pages.
std::vector<Placement> layOut(int strips, int sections, const TemplateJob& job, double thickness,
                              const PageMetrics& m) {
    std::vector<Placement> out;
    const double rowWidth = m.width - CalibrationBand(job.Centimetres);
    int page = -1;
    for (int p = 0; p < strips; ++p) {
        double y = 0;
        bool pageFull = true; // a strip always begins a page
        for (int s = 1; s <= sections; ++s) {
            if (pageFull && ++page >= MaxTemplatePages) return out;
            pageFull = false;
            const double c = TemplateChord(job.RootChord, job.TipChord, sections, s);
            out.push_back({page, p, s, c, y});
            const double w = c * thickness;
            y += w + m.gap;
            if (y + w + m.textHeight > rowWidth) {
                y = 0;
                pageFull = true;
            }
        }
    }
    return out;
}

// Short ticks across the edge where a template's chord runs on from one
// strip to the next, at both sides of its band, and the strip to join,
// written in the template's own label column (below its label at the head of
// a page): the ticks of the two pages meet when the sheets are butted together.
void drawJoinMarks(Surface& target, const Placement& t, const PageMetrics& m, double across, bool centimetres,
                   const std::string& label) {
    const double tick = centimetres ? 0.6 : 0.25;
    const double left = t.left + 1.25 * m.textHeight;
    const double right = t.left + 1.75 * m.textHeight + across;
    // Lengths of the rotated texts, with room for the printer's own face.
    const double oldSize = target.FontSize();
    target.SetFontSize(LabelSize);
    const double joinLength = 1.15 * target.TextWidth("join to Page 00");
    const double labelLength = 1.15 * target.TextWidth(label);
    target.SetFontSize(oldSize);
    target.SetDrawStyle(DrawSolid);
    auto marks = [&](double from, double to, int otherStrip, double textY) {
        target.Line(left, from, left, to, QBColor(0));
        target.Line(right, from, right, to, QBColor(0));
        PrintRotated(target, "join to Page " + std::to_string(otherStrip), t.left + m.textHeight, textY, LabelSize,
                     LabelAngle);
    };
    const double stripTop = t.strip * m.height, stripBottom = stripTop + m.height;
    if (t.chord > stripBottom) marks(m.height - tick, m.height, t.strip + 2, m.height - joinLength);
    if (t.strip > 0 && t.chord > stripTop) marks(0, tick, t.strip, labelLength + tick);
}

// Draws one template of the layout.
void drawTemplate(Surface& target, const SharedState& state, const RibOutlines& rib, const TemplateJob& job,
                  const Placement& t, const PageMetrics& m, int sections) {
    // Shift the outline to the right of the band left for the label.
    double smallest = INFINITY, largest = -INFINITY;
    for (const Point2& p : rib.outline)
        smallest = std::min(smallest, p.y), largest = std::max(largest, p.y);
    const double shift = -smallest + 1.5 * m.textHeight;

    target.SetDrawStyle(DrawSolid);
    target.SetDrawWidth(1);
    const std::string label = TemplateLabel(state.Texts.SectionName, t.section, t.chord, job.Centimetres,
                                            TemplateSpan(sections, t.section), t.strip + 1);
    PrintRotated(target, label, t.left + m.textHeight, 0, LabelSize, LabelAngle);

    // Axes exchanged: the chord runs down the page, the strip offset moves it up by whole pages.
    const double stripOffset = -t.strip * m.height;
    const OutlineContext none;
    auto draw = [&](const Loop& loop, int style) {
        std::vector<double> across, down;
        for (size_t i = 0; i <= loop.size(); ++i) {
            const Point2& p = loop[i % loop.size()];
            across.push_back(p.y + shift);
            down.push_back(p.x);
        }
        DrawOutline(target, across, down, static_cast<int>(across.size()), 0, 1, style, 0, 0, 0, 0, t.left, stripOffset,
                    none);
    };
    draw(rib.outline, DrawSolid);
    for (const Loop& loop : rib.inset)
        draw(loop, DrawDash);
    if (std::isfinite(largest)) drawJoinMarks(target, t, m, largest - smallest, job.Centimetres, label);
}

// The scale of the job's unit; every page starts with an empty label, as the
// label font is first selected on the page, and carries the calibration bar.
void startPage(Surface& target, const TemplateJob& job) {
    target.SetScaleMode(job.Centimetres ? ScaleCentimetres : ScaleInches);
    PrintRotated(target, "", 0, 0, LabelSize, LabelAngle);
    DrawCalibrationBar(target, job.Centimetres, target.ScaleWidth());
}

} // namespace

double TemplateChord(double root, double tip, int sections, int s) {
    if (sections <= 1 || s <= 1) return root;
    return root + (s - 1) * (tip - root) / (sections - 1);
}

double TemplateSpan(int sections, int s) {
    return sections > 1 ? static_cast<double>(s - 1) / (sections - 1) * 100 : 0;
}

std::string TemplateLabel(const std::string& sectionName, int section, double chord, bool centimetres, double span,
                          int page) {
    return "|__ " + sectionName + " Airfoil #" + std::to_string(section) +
           ": chord = " + FormatNumber(chord, "###0.00") + unitText(centimetres) +
           ";  span location = " + FormatNumber(span, "##0.0") + " % " + " Page " + std::to_string(page);
}

Result<RibOutlines> TemplateRib(const SharedState& state, double chord, double skin) {
    RibOutlines rib;
    // Points 1 to PointCount + 1 form the closed loop; the last usually repeats the first.
    const int n = state.PointCount + 1;
    const bool repeats = std::abs(state.SectionX[n] - state.SectionX[1]) < 1e-6f &&
                         std::abs(state.SectionY[n] - state.SectionY[1]) < 1e-6f;
    for (int i = 1; i <= (repeats ? n - 1 : n); ++i)
        rib.outline.push_back({chord * state.SectionX[i], chord * state.SectionY[i]});
    rib.inset = InnerOutline(rib.outline, skin);
    if (skin > 0 && rib.inset.empty())
        return Status::Error(ErrorKind::InvalidInput, "The skin is too thick for a rib of this chord.");
    return rib;
}

CommandResult CheckTemplateJob(const SharedState& state, const TemplateJob& job) {
    if (CommandResult r = checkValues(state, job); !r.ok()) return r;
    const int sections = RoundHalfEven(job.Sections);
    if (job.SkinThickness == 0) return {};
    // The chords run linearly, so the thinner end decides whether the skin fits every rib.
    for (const int s : {1, sections}) {
        const double c = TemplateChord(job.RootChord, job.TipChord, sections, s);
        if (!TemplateRib(state, c, job.SkinThickness).ok())
            return CommandResult::failure("The skin of " + FormatNumber(job.SkinThickness, "0.0###") +
                                          unitText(job.Centimetres) + " is too thick for Airfoil #" +
                                          std::to_string(s) + " (chord = " + FormatNumber(c, "###0.00") +
                                          unitText(job.Centimetres) + "): nothing was printed.");
    }
    return {};
}

double CalibrationBand(bool centimetres) {
    return centimetres ? 2.5 : 1;
}

void DrawCalibrationBar(Surface& target, bool centimetres, double pageWidth) {
    // In the page's unit: 5 in with quarter-inch ticks, or 10 cm with millimetre ticks.
    const double length = centimetres ? 10 : 5;
    const int ticksPerUnit = centimetres ? 10 : 4;
    const double top = centimetres ? 1 : 0.5;
    const double inch = centimetres ? 2.54 : 1;
    const double bar = pageWidth - 0.6 * inch;
    target.SetDrawStyle(DrawSolid);
    target.SetDrawWidth(1);
    target.Line(bar, top, bar, top + length, QBColor(0));
    const double oldSize = target.FontSize();
    target.SetFontSize(LabelSize);
    const int ticks = static_cast<int>(length) * ticksPerUnit;
    for (int k = 0; k <= ticks; ++k) {
        const double y = top + static_cast<double>(k) / ticksPerUnit;
        const bool whole = k % ticksPerUnit == 0, half = !whole && (2 * k) % ticksPerUnit == 0;
        const double tick = (whole ? 0.25 : half ? 0.15 : 0.08) * inch;
        target.Line(bar - tick, y, bar, y, QBColor(0));
        if (whole) {
            target.SetCurrentX(bar + 0.05 * inch);
            target.SetCurrentY(y - target.TextHeight("0") / 2);
            target.PrintNoNewline(std::to_string(k / ticksPerUnit));
        }
    }
    const double textHeight = target.TextHeight("c");
    target.SetFontSize(oldSize);
    const std::string words = centimetres ? "Scale check: the bar from 0 to 10 must measure exactly 10 cm."
                                          : "Scale check: the bar from 0 to 5 must measure exactly 5 in.";
    PrintRotated(target, words, pageWidth - 0.05 * inch, top, LabelSize, LabelAngle);
    PrintRotated(target, "Print at 100 % (actual size), never fit to page.", pageWidth - 0.05 * inch - 1.2 * textHeight,
                 top, LabelSize, LabelAngle);
}

CommandResult PrintTemplates(Surface& target, const SharedState& state, const TemplateJob& job) {
    if (!target.IsPrinter()) return CommandResult::failure("Templates are printed on the printer only.");
    if (CommandResult checked = checkValues(state, job); !checked.ok()) return checked;
    const int sections = RoundHalfEven(job.Sections);

    target.SetScaleMode(job.Centimetres ? ScaleCentimetres : ScaleInches);
    PageMetrics m;
    m.width = target.ScaleWidth();
    m.height = target.ScaleHeight();
    m.textHeight = target.TextHeight("c");
    m.gap = job.Centimetres ? 1 : 0.25;
    const bool hasArea = target.DeviceWidth() > 0 && target.DeviceHeight() > 0;
    if (!(hasArea && m.width > 0 && m.height > 0 && std::isfinite(m.width) && std::isfinite(m.height)))
        return CommandResult::failure("The printer has no printable area: nothing was printed.");

    // The longest chord decides the strips (a tip longer than the root is printed whole too).
    const double longest = sections > 1 ? std::max(job.RootChord, job.TipChord) : job.RootChord;
    const double extra = std::floor(longest / m.height);
    if (extra + 1 > MaxTemplatePages)
        return CommandResult::failure("The root chord needs more than " + std::to_string(MaxTemplatePages) +
                                      " pages: nothing was printed.");
    const std::vector<Placement> layout = layOut(static_cast<int>(extra) + 1, sections, job, unitThickness(state), m);
    if (layout.size() < static_cast<size_t>(sections) * (static_cast<size_t>(extra) + 1))
        return CommandResult::failure("The templates need more than " + std::to_string(MaxTemplatePages) +
                                      " pages: nothing was printed.");
    if (CommandResult checked = CheckTemplateJob(state, job); !checked.ok()) return checked;
    std::vector<RibOutlines> ribs;
    for (int s = 1; s <= sections; ++s) {
        Result<RibOutlines> rib =
            TemplateRib(state, TemplateChord(job.RootChord, job.TipChord, sections, s), job.SkinThickness);
        if (!rib.ok())
            return CommandResult::failure(rib.status().kind(), rib.status().message() + " Nothing was printed.");
        ribs.push_back(std::move(rib).value());
    }

    int page = 0;
    startPage(target, job);
    for (const Placement& t : layout) {
        if (t.page != page) {
            target.NewPage();
            startPage(target, job);
            page = t.page;
        }
        drawTemplate(target, state, ribs[static_cast<size_t>(t.section - 1)], job, t, m, sections);
    }
    target.EndDoc();
    return {};
}

} // namespace ribcraft
