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

// The section's closed loop in chord units, and its thickness range.
struct UnitSection {
    std::vector<double> x, y;
    double thickness = 0; // largest minus smallest y
};

UnitSection unitSection(const SharedState& state) {
    UnitSection u;
    const int n = state.PointCount + 1;
    u.x.reserve(n);
    u.y.reserve(n);
    for (int i = 1; i <= n; ++i) {
        u.x.push_back(state.SectionX[i]);
        u.y.push_back(state.SectionY[i]);
    }
    const auto [lo, hi] = std::minmax_element(u.y.begin(), u.y.end());
    u.thickness = *hi - *lo;
    return u;
}

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Checks that need no printer: the count, the chords and the section.
CommandResult checkJob(const SharedState& state, const TemplateJob& job) {
    if (!allFinite({job.RootChord, job.TipChord, job.SkinThickness, job.Sections}))
        return CommandResult::failure("The template dimensions are not numbers: nothing was printed.");
    if (RoundHalfEven(job.Sections) < 1)
        return CommandResult::failure("Number of Sections must be 1 or more: nothing was printed.");
    if (job.RootChord < 0 || (RoundHalfEven(job.Sections) > 1 && job.TipChord < 0))
        return CommandResult::failure("A chord cannot be negative: nothing was printed.");
    if (!state.HaveSolution || state.PointCount < 2 || state.PointCount + 1 > cap::Outline)
        return CommandResult::failure("There is no section to print: nothing was printed.");
    return {};
}

// Lays the templates out strip by strip: each strip starts a page and
// repeats every section; a row that would run past the page width goes on
// the next page (only when another template follows, so no page is blank).
// Stops as soon as the job needs more than MaxTemplatePages pages.
std::vector<Placement> layOut(int strips, int sections, const TemplateJob& job, double thickness,
                              const PageMetrics& m) {
    std::vector<Placement> out;
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
            if (y + w + m.textHeight > m.width) {
                y = 0;
                pageFull = true;
            }
        }
    }
    return out;
}

// Draws one template of the layout.
void drawTemplate(Surface& target, const SharedState& state, const UnitSection& unit, const TemplateJob& job,
                  const Placement& t, const PageMetrics& m, int sections) {
    const size_t n = unit.x.size();
    std::vector<double> tx(n), ty(n);
    for (size_t i = 0; i < n; ++i) {
        tx[i] = t.chord * unit.x[i];
        ty[i] = t.chord * unit.y[i];
    }
    // Shift the outline to the right of the band left for the label.
    const double smallest = *std::min_element(ty.begin(), ty.end());
    for (double& v : ty)
        v = v - smallest + 1.5 * m.textHeight;
    std::vector<double> ix, iy;
    InsetOutline(tx, ty, job.SkinThickness, ix, iy);

    target.SetDrawStyle(DrawSolid);
    target.SetDrawWidth(1);
    const std::string label = TemplateLabel(state.Texts.SectionName, t.section, t.chord, job.Centimetres,
                                            TemplateSpan(sections, t.section), t.strip + 1);
    PrintRotated(target, label, t.left + m.textHeight, 0, LabelSize, LabelAngle);

    // Axes exchanged: the chord runs down the page, the strip offset moves it up by whole pages.
    const double stripOffset = -t.strip * m.height;
    const OutlineContext none;
    const int count = static_cast<int>(n);
    DrawOutline(target, ty, tx, count, 0, 1, DrawSolid, 0, 0, 0, 0, t.left, stripOffset, none);
    DrawOutline(target, iy, ix, count, 0, 1, DrawDash, 0, 0, 0, 0, t.left, stripOffset, none);
}

// The scale of the job's unit; every page starts with an empty label, as the
// label font is first selected on the page.
void startPage(Surface& target, const TemplateJob& job) {
    target.SetScaleMode(job.Centimetres ? ScaleCentimetres : ScaleInches);
    PrintRotated(target, "", 0, 0, LabelSize, LabelAngle);
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
           ": chord = " + FormatNumber(chord, "###0.00") + (centimetres ? " cm." : " in.") +
           ";  span location = " + FormatNumber(span, "##0.0") + " % " + " Page " + std::to_string(page);
}

void InsetOutline(std::span<const double> x, std::span<const double> y, double skin, std::vector<double>& insetX,
                  std::vector<double>& insetY) {
    const size_t n = std::min(x.size(), y.size());
    insetX.assign(n, 0);
    insetY.assign(n, 0);
    if (n == 0) return;
    for (size_t i = 0; i + 1 < n; ++i) {
        const double dx = x[i + 1] - x[i], dy = y[i + 1] - y[i];
        const double d = std::hypot(dx, dy);
        const double mx = (x[i] + x[i + 1]) / 2, my = (y[i] + y[i + 1]) / 2;
        if (d > 0 && std::isfinite(d)) {
            insetX[i] = mx + dy / d * skin;
            insetY[i] = my - dx / d * skin;
        } else if (i > 0) {
            insetX[i] = insetX[i - 1];
            insetY[i] = insetY[i - 1];
        } else {
            insetX[i] = mx;
            insetY[i] = my;
        }
    }
    insetX[n - 1] = insetX[0];
    insetY[n - 1] = insetY[0];
}

CommandResult PrintTemplates(Surface& target, const SharedState& state, const TemplateJob& job) {
    if (!target.IsPrinter()) return CommandResult::failure("Templates are printed on the printer only.");
    if (CommandResult checked = checkJob(state, job); !checked.ok) return checked;
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

    const double extra = std::floor(job.RootChord / m.height);
    if (extra + 1 > MaxTemplatePages)
        return CommandResult::failure("The root chord needs more than " + std::to_string(MaxTemplatePages) +
                                      " pages: nothing was printed.");
    const UnitSection unit = unitSection(state);
    const std::vector<Placement> layout = layOut(static_cast<int>(extra) + 1, sections, job, unit.thickness, m);
    if (layout.size() < static_cast<size_t>(sections) * (static_cast<size_t>(extra) + 1))
        return CommandResult::failure("The templates need more than " + std::to_string(MaxTemplatePages) +
                                      " pages: nothing was printed.");

    int page = 0;
    startPage(target, job);
    for (const Placement& t : layout) {
        if (t.page != page) {
            target.NewPage();
            startPage(target, job);
            page = t.page;
        }
        drawTemplate(target, state, unit, job, t, m, sections);
    }
    target.EndDoc();
    return {};
}

} // namespace ribcraft
