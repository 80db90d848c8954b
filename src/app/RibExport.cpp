// SPDX-License-Identifier: MIT
#include "app/RibExport.h"

#include <algorithm>
#include <cmath>
#include <locale>
#include <sstream>

#include "geometry/RibGeometry.h"
#include "io/AtomicFile.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

Status refused(const std::string& message) {
    return Status::Error(ErrorKind::InvalidInput, message);
}

// Sizes of the sheet in the job's unit: the label's capital height and the
// space between ribs (also the margin round the drawing).
struct SheetSizes {
    double label, gap;
};

SheetSizes sizesFor(RibUnit unit) {
    switch (unit) {
    case RibUnit::Centimetres:
        return {0.3, 0.6};
    case RibUnit::Millimetres:
        return {3, 6};
    default:
        return {0.12, 0.25};
    }
}

std::string unitWord(RibUnit unit) {
    return std::string(" ") + RibUnitName(unit) + ".";
}

Status checkJob(const SharedState& state, const RibJob& job) {
    if (job.Ribs < 1 || job.Ribs > MaxRibs)
        return refused("Number of Ribs must be a whole number from 1 to " + std::to_string(MaxRibs) + ".");
    if (!(job.RootChord > 0) || !std::isfinite(job.RootChord)) return refused("Root Chord must be greater than 0.");
    if (job.Ribs > 1 && (!(job.TipChord > 0) || !std::isfinite(job.TipChord)))
        return refused("Tip Chord must be greater than 0.");
    if (!(job.SkinThickness >= 0) || !std::isfinite(job.SkinThickness))
        return refused("Skin Thickness cannot be negative.");
    for (size_t i = 0; i < job.Notches.size(); ++i) {
        const RibNotch& n = job.Notches[i];
        const std::string which = "Spar notch " + std::to_string(i + 1);
        if (!(n.PercentChord > 0 && n.PercentChord < 100))
            return refused(which + ": the position must lie between 0 and 100 % of the chord.");
        if (!(n.Width > 0) || !(n.Depth > 0) || !std::isfinite(n.Width) || !std::isfinite(n.Depth))
            return refused(which + ": width and depth must be greater than 0.");
        if (!n.Top && !n.Bottom) return refused(which + ": choose the top, the bottom or both.");
    }
    if (!state.HaveSolution || state.PointCount < 2 || state.PointCount + 1 > cap::Outline)
        return refused("There is no section to export.");
    return Status::Ok();
}

// The rib's outlines with its notches, before layout (chord from x = 0).
Result<RibDrawing::Rib> makeRib(const SharedState& state, const RibJob& job, int k) {
    const double chord = RibChord(job, k);
    const std::string unit = unitWord(job.Unit);
    const std::string name = "rib #" + std::to_string(k) + " (chord = " + FormatNumber(chord, "###0.00") + unit + ")";
    Loop outline;
    const int n = state.PointCount + 1;
    const bool repeats = std::abs(state.SectionX[n] - state.SectionX[1]) < 1e-6f &&
                         std::abs(state.SectionY[n] - state.SectionY[1]) < 1e-6f;
    for (int i = 1; i <= (repeats ? n - 1 : n); ++i)
        outline.push_back({chord * state.SectionX[i], chord * state.SectionY[i]});
    std::vector<Loop> inset;
    if (job.SkinThickness > 0) {
        inset = InnerOutline(outline, job.SkinThickness);
        if (inset.empty())
            return refused("The skin of " + FormatNumber(job.SkinThickness, "0.0###") + unit + " is too thick for " +
                           name + ".");
    }
    for (size_t i = 0; i < job.Notches.size(); ++i) {
        const RibNotch& wanted = job.Notches[i];
        for (const bool top : {true, false}) {
            if (!(top ? wanted.Top : wanted.Bottom)) continue;
            const std::string which = "Spar notch " + std::to_string(i + 1) + " on " + name + ": ";
            const Result<NotchCut> cut =
                PlaceNotch(outline, {wanted.PercentChord / 100 * chord, wanted.Width, wanted.Depth, top});
            if (!cut.ok()) return refused(which + cut.status().message());
            Result<Loop> cutOutline = CutNotch(outline, *cut);
            if (!cutOutline.ok()) return refused(which + cutOutline.status().message());
            outline = std::move(cutOutline).value();
            for (Loop& loop : inset) {
                Result<Loop> cutLoop = CutNotch(loop, *cut);
                if (!cutLoop.ok()) return refused(which + cutLoop.status().message());
                loop = std::move(cutLoop).value();
            }
        }
    }
    RibDrawing::Rib rib;
    rib.outline = {std::move(outline)};
    rib.inset = std::move(inset);
    const double span = job.Ribs > 1 ? 100.0 * (k - 1) / (job.Ribs - 1) : 0;
    rib.label.text = state.Texts.SectionName + " Airfoil #" + std::to_string(k) +
                     ": chord = " + FormatNumber(chord, "###0.00") + unit +
                     ";  span location = " + FormatNumber(span, "##0.0") + " %";
    return rib;
}

void shift(std::vector<Loop>& loops, double dx, double dy) {
    for (Loop& loop : loops)
        for (Point2& p : loop)
            p.x += dx, p.y += dy;
}

} // namespace

double RibChord(const RibJob& job, int k) {
    if (job.Ribs <= 1 || k <= 1) return job.RootChord;
    return job.RootChord + (k - 1) * (job.TipChord - job.RootChord) / (job.Ribs - 1);
}

Result<RibDrawing> LayOutRibs(const SharedState& state, const RibJob& job) {
    if (Status s = checkJob(state, job); !s.ok()) return s;
    const SheetSizes size = sizesFor(job.Unit);
    RibDrawing d;
    d.unit = job.Unit;
    // From the top down: each rib's label, then the rib, then the gap; y is
    // negative while laying out and shifted up at the end.
    double cursor = -size.gap, right = 0;
    for (int k = 1; k <= job.Ribs; ++k) {
        Result<RibDrawing::Rib> made = makeRib(state, job, k);
        if (!made.ok()) return made.status();
        RibDrawing::Rib rib = std::move(made).value();
        double xmin = INFINITY, xmax = -INFINITY, ymin = INFINITY, ymax = -INFINITY;
        for (const Point2& p : rib.outline.front())
            xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x), ymin = std::min(ymin, p.y),
            ymax = std::max(ymax, p.y);
        rib.label.height = size.label;
        rib.label.x = size.gap;
        rib.label.y = cursor - size.label;
        const double top = cursor - 1.8 * size.label;
        const double dx = size.gap - xmin, dy = top - ymax;
        shift(rib.outline, dx, dy);
        shift(rib.inset, dx, dy);
        cursor = top - (ymax - ymin) - size.gap;
        // Capitals of height h in a sans-serif face average about 0.8 h a character.
        const double labelWidth = 0.8 * size.label * static_cast<double>(rib.label.text.size());
        right = std::max({right, size.gap + (xmax - xmin), size.gap + labelWidth});
        d.ribs.push_back(std::move(rib));
    }
    d.width = right + size.gap;
    d.height = -cursor;
    for (RibDrawing::Rib& rib : d.ribs) {
        shift(rib.outline, 0, d.height);
        shift(rib.inset, 0, d.height);
        rib.label.y += d.height;
    }
    return d;
}

Status ExportRibs(const SharedState& state, const RibJob& job, const std::string& path) {
    const Result<RibDrawing> drawing = LayOutRibs(state, job);
    if (!drawing.ok()) return drawing.status();
    return WriteFileAtomically(path, job.Svg ? RibSvgText(*drawing) : RibDxfText(*drawing));
}

bool ReadNumber(const std::string& text, double& value) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> value;
    if (in.fail() || !std::isfinite(value)) return false;
    in >> std::ws;
    return in.eof();
}

Result<RibJob> ParseRibsCommand(const std::vector<std::string>& w) {
    const std::string usage =
        "ribs takes FILE ROOT TIP SECTIONS SKIN [in|cm|mm] [dxf|svg] [notch PERCENT WIDTH DEPTH top|bottom|both]...";
    if (w.size() < 6) return refused(usage);
    RibJob job;
    double values[4] = {};
    const char* names[4] = {"ROOT", "TIP", "SECTIONS", "SKIN"};
    for (size_t i = 0; i < 4; ++i)
        if (!ReadNumber(w[i + 2], values[i])) return refused(std::string(names[i]) + " is not a number: " + w[i + 2]);
    job.RootChord = values[0];
    job.TipChord = values[1];
    job.SkinThickness = values[3];
    if (values[2] != std::floor(values[2]) || values[2] < 1 || values[2] > MaxRibs)
        return refused("SECTIONS must be a whole number from 1 to " + std::to_string(MaxRibs) + ": " + w[4]);
    job.Ribs = static_cast<int>(values[2]);
    const std::string& file = w[1];
    job.Svg = file.size() >= 4 && (file.ends_with(".svg") || file.ends_with(".SVG"));
    for (size_t i = 6; i < w.size(); ++i) {
        const std::string& word = w[i];
        if (word == "in" || word == "cm" || word == "mm") {
            job.Unit = word == "in" ? RibUnit::Inches : word == "cm" ? RibUnit::Centimetres : RibUnit::Millimetres;
        } else if (word == "dxf" || word == "svg") {
            job.Svg = word == "svg";
        } else if (word == "notch") {
            if (i + 4 >= w.size()) return refused("notch takes PERCENT WIDTH DEPTH top|bottom|both");
            RibNotch n;
            if (!ReadNumber(w[i + 1], n.PercentChord) || !ReadNumber(w[i + 2], n.Width) ||
                !ReadNumber(w[i + 3], n.Depth))
                return refused("notch takes PERCENT WIDTH DEPTH top|bottom|both");
            const std::string& side = w[i + 4];
            if (side != "top" && side != "bottom" && side != "both")
                return refused("a notch is cut from the top, the bottom or both: " + side);
            n.Top = side != "bottom";
            n.Bottom = side != "top";
            job.Notches.push_back(n);
            i += 4;
        } else {
            return refused(usage);
        }
    }
    return job;
}

} // namespace ribcraft
