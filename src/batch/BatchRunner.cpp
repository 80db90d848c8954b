// SPDX-License-Identifier: MIT
#include "batch/BatchRunner.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <utility>

#include "app/FileCommands.h"
#include "app/PanelDriver.h"
#include "app/Recompute.h"
#include "app/ReportSource.h"
#include "app/RibExport.h"
#include "app/dialogs/DialogProtocol.h"
#include "app/dialogs/FlapDialogModel.h"
#include "app/dialogs/OptionsDialogModel.h"
#include "app/dialogs/TemplatesModel.h"
#include "base/ViewCodes.h"
#include "io/AirfoilReader.h"
#include "io/NumberFormat.h"
#include "io/ReportText.h"

namespace ribcraft {

namespace {

// Words separated by blanks; a word in double quotes may hold blanks and '#' ("my wing.pdf").
// '#' outside quotes starts a comment. False for a quote that is never closed.
bool splitWords(const std::string& line, std::vector<std::string>& words) {
    words.clear();
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            const size_t close = line.find('"', i + 1);
            if (close == std::string::npos) return false;
            words.push_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            const size_t end = line.find_first_of(" \t\r#\"", i);
            words.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
            i = end == std::string::npos ? line.size() : end;
        }
    }
    return true;
}

// A whole-text number: "1e6", "-2.5"; nothing else on the word.
bool parseNumber(const std::string& text, double& value) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> value;
    return !in.fail() && in.eof() && std::isfinite(value);
}

struct Setting {
    double SharedState::*real = nullptr;
    int SharedState::*whole = nullptr;
    double low, high;
};

// The numeric settings `set` may change, with the range each accepts.
const std::map<std::string, Setting>& settings() {
    using S = SharedState;
    static const std::map<std::string, Setting> table = {
        {"BlDisplayOpt", {nullptr, &S::BlDisplayOpt, BlSubView::UpperProfiles, BlSubView::LowerFriction}},
        {"BlLimit", {&S::BlLimit, nullptr, 1, 1000}},
        {"BlOptions", {nullptr, &S::BlOptions, 1, 3}},
        {"BlPoints", {nullptr, &S::BlPoints, 2, cap::BlProfilePoints - 1}},
        {"BlRough", {&S::BlRough, nullptr, 0, 1e6}},
        {"BlVelView", {nullptr, &S::BlVelView, 1, 100}},
        {"ContMaxX", {&S::ContMaxX, nullptr, -100, 100}},
        {"ContMaxY", {&S::ContMaxY, nullptr, -100, 100}},
        {"ContMinX", {&S::ContMinX, nullptr, -100, 100}},
        {"ContMinY", {&S::ContMinY, nullptr, -100, 100}},
        {"DisplayBlasius", {nullptr, &S::DisplayBlasius, 0, 1}},
        {"FlowSeperationModel", {nullptr, &S::FlowSeperationModel, 0, 1}},
        {"GridCluster", {&S::GridCluster, nullptr, 1, 2}},
        {"MaxCdSetting", {&S::MaxCdSetting, nullptr, 1, 1000}},
        {"MeshMax", {&S::MeshMax, nullptr, -100, 100}},
        {"MeshMaxY", {&S::MeshMaxY, nullptr, -100, 100}},
        {"MeshMin", {&S::MeshMin, nullptr, -100, 100}},
        {"MeshMinY", {&S::MeshMinY, nullptr, -100, 100}},
        {"MeshX", {nullptr, &S::MeshX, 3, cap::MeshI}},
        {"MeshY", {nullptr, &S::MeshY, 2, cap::MeshJ}},
        {"OuterRadius", {&S::OuterRadius, nullptr, 1.5, 1000}},
        {"Pinf", {&S::Pinf, nullptr, 0, 1e9}},
        {"PointRadius", {&S::PointRadius, nullptr, 0, 1}},
        {"PolarSolution", {nullptr, &S::PolarSolution, 1, 2}},
        {"RhoInf", {&S::RhoInf, nullptr, 1e-6, 1e4}},
        {"VInf", {&S::VInf, nullptr, 0, 1e5}},
        {"XChoice", {nullptr, &S::XChoice, AirfoilSubView::VelocityDistribution, AirfoilSubView::BoundaryLayer}},
    };
    return table;
}

struct ViewCommand {
    int vflag;
    int sub; // XChoice of the airfoil view, BlDisplayOpt of the boundary-layer view, PolarView of the polar view
};

const std::map<std::string, ViewCommand>& views() {
    static const std::map<std::string, ViewCommand> table = {
        {"coordinates", {ViewCode::Airfoil, AirfoilSubView::Coordinates}},
        {"velocity-distribution", {ViewCode::Airfoil, AirfoilSubView::VelocityDistribution}},
        {"pressure-distribution", {ViewCode::Airfoil, AirfoilSubView::PressureDistribution}},
        {"boundary-layer-airfoil", {ViewCode::Airfoil, AirfoilSubView::BoundaryLayer}},
        {"cp", {ViewCode::SurfaceCp, 0}},
        {"velocity", {ViewCode::SurfaceVelocity, 0}},
        {"streamlines", {ViewCode::Streamlines, 0}},
        {"pressure", {ViewCode::PressureContours, 0}},
        {"mesh", {ViewCode::Mesh, 0}},
        {"bl-upper-profiles", {ViewCode::BoundaryLayer, BlSubView::UpperProfiles}},
        {"bl-lower-profiles", {ViewCode::BoundaryLayer, BlSubView::LowerProfiles}},
        {"bl-upper-thickness", {ViewCode::BoundaryLayer, BlSubView::UpperThickness}},
        {"bl-lower-thickness", {ViewCode::BoundaryLayer, BlSubView::LowerThickness}},
        {"bl-upper-friction", {ViewCode::BoundaryLayer, BlSubView::UpperFriction}},
        {"bl-lower-friction", {ViewCode::BoundaryLayer, BlSubView::LowerFriction}},
        {"polar", {ViewCode::Polar, PolarSubView::ClCd}},
        {"cl-cm", {ViewCode::Polar, PolarSubView::ClCmAlpha}},
        {"transition", {ViewCode::Polar, PolarSubView::Transition}},
        {"report", {ViewCode::Report, 0}},
        {"fourier", {ViewCode::Fourier, 0}},
    };
    return table;
}

CommandResult fail(const std::string& text) {
    return CommandResult::failure(text);
}

// A command's result with a note put before its own warnings.
CommandResult withWarning(CommandResult r, const std::string& note) {
    if (!note.empty()) r.warning = note + (r.warning.empty() ? "" : "\n" + r.warning);
    return r;
}

// A number for a message: the free form with a zero before a bare decimal point (0.5, -0.25).
std::string numberText(double v) {
    std::string t = FreeForm(v);
    if (t.starts_with(".")) t.insert(0, "0");
    if (t.starts_with("-.")) t.insert(1, "0");
    return t;
}

// The note for a value the program pulled into its range ("" when it was in range).
std::string pulledNote(const std::string& what, double asked, double low, double high) {
    if (asked >= low && asked <= high) return {};
    return what + " " + numberText(asked) + " is out of range (" + numberText(low) + " to " + numberText(high) +
           "): " + numberText(std::clamp(asked, low, high)) + " is used";
}

} // namespace

BatchRunner::BatchRunner(std::ostream& out) : m_out(out) {}

BatchRunner::~BatchRunner() = default;

std::vector<std::string> BatchRunner::settingNames() {
    std::vector<std::string> names;
    for (const auto& [name, setting] : settings())
        names.push_back(name);
    return names;
}

void BatchRunner::startUp() {
    if (m_started) return;
    m_started = true;
    (void)redraw(); // the first redraw solves the default section
}

CommandResult BatchRunner::redraw() {
    return RecomputeForRedraw(m_state);
}

Result<PictureCommands*> BatchRunner::pictures() {
    if (!m_pictures) return Status::Error(ErrorKind::NotAvailable, "this program draws no pictures");
    Result<PictureCommands*> p = m_pictures();
    if (!p) return p;
    if (const CommandResult r = (*p)->prepare(); !r.ok()) return Status::Error(ErrorKind::NotAvailable, r.message());
    return p;
}

bool BatchRunner::drawsPicture(const std::string& line) {
    std::vector<std::string> words;
    return splitWords(line, words) && !words.empty() && (words[0] == "png" || words[0] == "templates");
}

CommandResult BatchRunner::runLine(const std::string& line) {
    std::vector<std::string> words;
    if (!splitWords(line, words)) return fail("a quoted name has no closing quote");
    if (words.empty()) return {};
    // These end with the redraw (or the recompute) of their own inputs, which
    // solves whatever the start-up one would have; the others read the state.
    static const std::set<std::string> redrawsItself = {"naca", "read",   "points", "alpha",       "flap",
                                                        "re",   "set",    "view",   "reset-polar", "save",
                                                        "dxf",  "report", "results"};
    if (!redrawsItself.contains(words[0])) startUp();
    const bool wasStarted = m_started;
    // A command that cannot run leaves nothing behind: a redraw that fails
    // half-way (a boundary layer that breaks down at a steep angle) would
    // otherwise keep a solution that no longer matches the displayed inputs.
    *m_before = m_state;
    CommandResult r = command(words);
    if (r.ok()) {
        m_started = true;
    } else {
        m_state = *m_before;
        m_started = wasStarted;
    }
    return r;
}

int BatchRunner::runScript(std::istream& in, std::ostream& err) {
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const CommandResult r = runLine(line);
        if (!r.ok()) {
            err << "line " << number << ": " << r.message() << '\n';
            return 1;
        }
        // One "warning:" line for each line of the warning text.
        std::istringstream warnings(r.warning);
        for (std::string w; std::getline(warnings, w);)
            err << "line " << number << ": warning: " << w << '\n';
        if (!r.notice.empty()) err << "line " << number << ": notice: " << r.notice << '\n';
    }
    return 0;
}

CommandResult BatchRunner::command(const std::vector<std::string>& w) {
    const std::string& verb = w[0];
    const size_t args = w.size() - 1;
    auto needs = [&](size_t n) { return args == n; };
    double value = 0;

    if (verb == "naca" && needs(1)) {
        const std::string& digits = w[1];
        if ((digits.size() != 4 && digits.size() != 5) || digits.find_first_not_of("0123456789") != std::string::npos)
            return fail("naca takes 4 or 5 digits: " + digits);
        SharedState& trial = *m_trial;
        trial = m_state;
        trial.Texts.SectionName = digits;
        trial.RawAirfoilFlag = 0;
        if (CommandResult c = CheckSection(trial, int32_t(std::stol(digits))); !c.ok()) return c;
        m_state.Texts.SectionName = digits;
        m_state.AirfoilType = int(digits.size());
        AfterNacaAccepted(m_state);
        return redraw();
    }
    if (verb == "read" && needs(1)) {
        CommandResult read = ReadAirfoil(m_state, w[1]);
        if (!read.ok()) return read;
        // Nothing of a file that cannot be solved is kept (runLine restores the state).
        CommandResult drawn = redraw();
        if (!FileSectionTaken(m_state, w[1]))
            return CommandResult::failure(ErrorKind::BadFile, std::string(AirfoilReadError) + "\n" + drawn.message());
        if (!drawn.ok()) return drawn;
        if (!drawn.warning.empty()) read.warning += (read.warning.empty() ? "" : "\n") + drawn.warning;
        return read;
    }
    if (verb == "points" && needs(1)) {
        if (!parseNumber(w[1], value)) return fail("points takes a number: " + w[1]);
        OptionsDialogModel options(m_state);
        options.setCountText(w[1]);
        options.ok();
        AfterOptionsAccepted(m_state);
        return withWarning(redraw(),
                           pulledNote("points", value, OptionsDialogModel::MinCount, OptionsDialogModel::MaxCount));
    }
    if (verb == "alpha" && needs(1)) {
        if (!parseNumber(w[1], value)) return fail("alpha takes a number of degrees: " + w[1]);
        m_state.Texts.AngleText = w[1];
        AngleBoxEntered(m_state);
        return redraw();
    }
    if (verb == "flap" && needs(2)) {
        double deflection = 0;
        if (!parseNumber(w[1], value) || !parseNumber(w[2], deflection))
            return fail("flap takes a length (% chord) and a deflection (degrees)");
        FlapDialogModel flap(m_state);
        flap.lengthTextChanged(w[1]);
        flap.deflectionTextChanged(w[2]);
        flap.ok();
        AfterFlapDialog(m_state, FlapPiMenu, true);
        std::string note = pulledNote("flap length", value, FlapDialogModel::LengthMin, FlapDialogModel::LengthMax);
        const std::string deflectionNote =
            pulledNote("flap deflection", deflection, FlapDialogModel::DeflectionMin, FlapDialogModel::DeflectionMax);
        if (!deflectionNote.empty()) note += (note.empty() ? "" : "\n") + deflectionNote;
        return withWarning(redraw(), note);
    }
    if (verb == "re" && needs(1)) {
        if (!parseNumber(w[1], value) || value < 1e3 || value > 1e9)
            return fail("re takes a Reynolds number from 1000 to 1e9: " + w[1]);
        m_state.re = value;
        m_state.NewFlag = 1;
        return redraw();
    }
    if (verb == "set" && needs(2)) return setCommand(w[1], w[2]);
    if (verb == "view" && needs(1)) return viewCommand(w[1]);
    if (verb == "reset-polar" && needs(0)) {
        m_state.VFlag = ViewCode::Polar;
        m_state.PolarCount = 0;
        return redraw();
    }
    if (verb == "save" && needs(1)) {
        if (CommandResult r = redraw(); !r.ok()) return r;
        return AsciiFile(m_state, w[1]);
    }
    if (verb == "dxf" && needs(1)) {
        if (CommandResult r = redraw(); !r.ok()) return r;
        return ExportDxf(m_state, w[1]);
    }
    if (verb == "png" && (needs(1) || needs(3))) return pngCommand(w);
    if (verb == "templates" && args >= 5 && args <= 7) return templatesCommand(w);
    if (verb == "ribs" && args >= 5) {
        const Result<RibJob> job = ParseRibsCommand(w);
        if (!job.ok()) return fail(job.status().message());
        if (const Status s = ExportRibs(m_state, *job, w[1]); !s.ok()) return fail(s.message());
        return {};
    }
    if (verb == "report" && needs(0)) {
        // The report's boundary-layer column needs the detailed boundary layer of these inputs.
        ResultNeeds report = NeedsOfView(m_state);
        report.BoundaryLayer = true;
        if (CommandResult r = BringUpToDate(m_state, report); !r.ok()) return r;
        printReport();
        return {};
    }
    if (verb == "results" && needs(0)) {
        if (CommandResult r = redraw(); !r.ok()) return r;
        printResults();
        return {};
    }
    if (verb == "sweep" && (needs(3) || needs(4))) return sweepCommand(w);
    if (verb == "polar" && needs(1)) return polarCommand(w[1]);
    if (verb == "polars" && args >= 3) return polarsCommand(w);
    return fail("unknown command or wrong number of words: " + verb);
}

CommandResult BatchRunner::viewCommand(const std::string& name) {
    const auto it = views().find(name);
    if (it == views().end()) return fail("unknown view: " + name);
    const ViewCommand v = it->second;
    m_state.VFlag = v.vflag;
    if (v.vflag == ViewCode::Airfoil) m_state.XChoice = v.sub;
    if (v.vflag == ViewCode::BoundaryLayer) m_state.BlDisplayOpt = v.sub;
    if (v.vflag == ViewCode::Polar) m_state.PolarView = v.sub;
    return redraw();
}

CommandResult BatchRunner::setCommand(const std::string& name, const std::string& text) {
    const auto it = settings().find(name);
    if (it == settings().end()) return fail("unknown setting: " + name);
    double value = 0;
    if (!parseNumber(text, value)) return fail("set " + name + " takes a number: " + text);
    const Setting& s = it->second;
    if (value < s.low || value > s.high)
        return fail(name + " must lie between " + FreeForm(s.low) + " and " + FreeForm(s.high));
    // The contour plot maps its window onto the picture: a window of no width or height has no picture.
    const auto emptyWindow = [&](const char* low, const char* high, double SharedState::*lo, double SharedState::*hi) {
        const double a = name == low ? value : m_state.*lo, b = name == high ? value : m_state.*hi;
        return (name == low || name == high) && a == b;
    };
    if (emptyWindow("ContMinX", "ContMaxX", &SharedState::ContMinX, &SharedState::ContMaxX) ||
        emptyWindow("ContMinY", "ContMaxY", &SharedState::ContMinY, &SharedState::ContMaxY))
        return fail("the contour window would be empty: " + name + " " + text + " equals the other end");
    if (s.whole) {
        if (value != std::floor(value)) return fail(name + " takes a whole number");
        m_state.*s.whole = int(value);
    } else {
        m_state.*s.real = value;
    }
    m_state.Qinf = 0.5 * m_state.RhoInf * m_state.VInf * m_state.VInf;
    m_state.NewFlag = 1;
    return redraw();
}

CommandResult BatchRunner::templatesCommand(const std::vector<std::string>& w) {
    TemplateJob job;
    double* values[4] = {&job.RootChord, &job.TipChord, &job.Sections, &job.SkinThickness};
    for (int i = 0; i < 4; ++i)
        if (!parseNumber(w[size_t(i) + 2], *values[i]))
            return fail("templates takes FILE ROOT TIP SECTIONS SKIN [in|cm] [letter|a4|a3]");
    TemplatePage page = TemplatePage::Letter;
    for (size_t i = 6; i < w.size(); ++i) {
        if (w[i] == "in" || w[i] == "cm")
            job.Centimetres = w[i] == "cm";
        else if (w[i] == "letter" || w[i] == "a4" || w[i] == "a3")
            page = w[i] == "letter" ? TemplatePage::Letter : w[i] == "a4" ? TemplatePage::A4 : TemplatePage::A3;
        else
            return fail("templates takes in or cm and a page of letter, a4 or a3: " + w[i]);
    }
    const Result<PictureCommands*> painter = pictures();
    if (!painter) return CommandResult::from(painter.status());
    return (*painter)->templates(m_state, job, page, w[1]);
}

CommandResult BatchRunner::pngCommand(const std::vector<std::string>& w) {
    int width = 1200, height = 800;
    if (w.size() == 4) {
        double a = 0, b = 0;
        if (!parseNumber(w[2], a) || !parseNumber(w[3], b) || a < 16 || b < 16 || a > 8000 || b > 8000)
            return fail("png size must be two numbers from 16 to 8000");
        width = int(a);
        height = int(b);
    }
    const Result<PictureCommands*> painter = pictures();
    if (!painter) return CommandResult::from(painter.status());
    return (*painter)->png(m_state, width, height, w[1]);
}

void BatchRunner::printResults() {
    const PanelTexts& t = m_state.Texts;
    m_out << "airfoil = " << t.SectionName << '\n'
          << "alpha = " << t.AngleDisplay << '\n'
          << "flap_length = " << t.FlapLengthText << '\n'
          << "flap_deflection = " << t.FlapDeflectionText << '\n'
          << "cl = " << t.LiftText << '\n'
          << "cm_le = " << t.CmLeText << '\n'
          << "cm_c4 = " << t.CmC4Text << '\n'
          << "alpha_cl0 = " << t.AlphaCl0Text << '\n'
          << "xcp = " << t.XcpText << '\n'
          << "cd = " << t.DragText << '\n'
          << "stalled = " << (t.Stalled ? "Airfoil Stalled" : "") << '\n';
}

void BatchRunner::printReport() {
    for (const ReportLine& line : ReportLines(ReportInputsFor(m_state)))
        m_out << line.text << '\n';
}

} // namespace ribcraft
