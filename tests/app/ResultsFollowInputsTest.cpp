// SPDX-License-Identifier: MIT
// Every number shown belongs to the inputs shown. The property: after any
// sequence of commands, what the window would show and export for the
// current view equals what a fresh state shows after applying only the final
// inputs once. Then one regression test for each way results used to lag
// behind their inputs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/Drag.h"
#include "app/FileCommands.h"
#include "app/PolarSweep.h"
#include "app/Recompute.h"
#include "app/ReportSource.h"
#include "app/dialogs/DialogProtocol.h"
#include "app/dialogs/FlapDialogModel.h"
#include "app/dialogs/GridControlModel.h"
#include "app/dialogs/OptionsDialogModel.h"
#include "io/NumberFormat.h"
#include "io/ReportText.h"

namespace ribcraft {
namespace {

std::string Data(const std::string& name) {
    return std::string(RIBCRAFT_TEST_DATA) + "/" + name;
}
const std::string GoodFile = Data("batch/naca2412_selig.dat");
const std::string FlatPlate = Data("app/flat_plate.dat");

// ---- the inputs a user can set, and applying them as the commands do

struct Inputs {
    std::string section = "0012"; // NACA digits, or empty for the file
    std::string file;
    int points = 40;
    std::string angle = "0";
    int flapLength = 0, flapDeflection = 0;
    bool flapSet = false; // the flap dialog was accepted (its displays then read "0 Deg." rather than "0.0 Deg.")
    double re = 1e6;
    int blOptions = 3, polarSolution = 1, separationModel = 0;
    int meshX = 41;
    bool meshSet = false; // the Grid Control dialog was accepted (its slider rounds the clustering)
    double radius = 10;
    int vflag = 1, xchoice = 2, blDisplay = 1, polarView = 1;
    // The inputs of the panel solution, which a refused one puts back together.
    void takePanelInputsOf(const Inputs& o) {
        section = o.section, file = o.file, points = o.points, angle = o.angle;
        flapLength = o.flapLength, flapDeflection = o.flapDeflection, flapSet = o.flapSet;
    }
};

void SetPoints(SharedState& s, int count) {
    OptionsDialogModel m(s);
    m.setCountText(std::to_string(count));
    m.ok();
    AfterOptionsAccepted(s);
}
void SetFlap(SharedState& s, int length, int deflection) {
    FlapDialogModel m(s);
    m.lengthTextChanged(std::to_string(length));
    m.deflectionTextChanged(std::to_string(deflection));
    m.ok();
    AfterFlapDialog(s, FlapPiMenu, true);
}
void SetMesh(SharedState& s, int meshX, double radius) {
    GridControlModel m(s);
    m.setPointsAroundText(std::to_string(meshX));
    m.setRadiusText(FreeForm(radius));
    m.ok();
    AfterGridControlAccepted(s);
}
void SetView(SharedState& s, const Inputs& in) {
    s.VFlag = in.vflag;
    s.XChoice = in.xchoice;
    s.BlDisplayOpt = in.blDisplay;
    s.PolarView = in.polarView;
}
void ChooseNaca(SharedState& s, const std::string& digits) {
    s.Texts.SectionName = digits;
    s.AirfoilType = int(digits.size());
    AfterNacaAccepted(s);
}

// A fresh state that is given only the final inputs, then redrawn once.
SharedState Fresh(const Inputs& in) {
    SharedState s;
    if (in.file.empty())
        ChooseNaca(s, in.section);
    else
        EXPECT_TRUE(ReadAirfoil(s, in.file).ok());
    SetPoints(s, in.points);
    s.Texts.AngleText = in.angle;
    AngleBoxEntered(s);
    if (in.flapSet) SetFlap(s, in.flapLength, in.flapDeflection);
    s.re = in.re;
    s.BlOptions = in.blOptions;
    s.PolarSolution = in.polarSolution;
    s.FlowSeperationModel = in.separationModel;
    if (in.meshSet) SetMesh(s, in.meshX, in.radius);
    SetView(s, in);
    const CommandResult r = RecomputeForRedraw(s);
    EXPECT_TRUE(r.ok() || r.message() == BlErrorMessage) << r.message();
    return s;
}

// ---- what is shown: texts, the report, the export of the view, and the data the view draws

template <typename A> bool SameFloats(const A& a, const A& b, size_t from, size_t to) {
    return std::memcmp(&a[from], &b[from], sizeof(a[0]) * (to - from)) == 0;
}

std::string Shown(const SharedState& s) {
    std::ostringstream o;
    const PanelTexts& t = s.Texts;
    for (const std::string* x :
         {&t.SectionName, &t.AngleText, &t.AngleDisplay, &t.FlapDeflectionText, &t.FlapLengthText, &t.LiftText,
          &t.CmLeText, &t.CmC4Text, &t.AlphaCl0Text, &t.XcpText, &t.DragText, &t.PlotTitle})
        o << *x << '|';
    o << t.Stalled << t.LegendVisible << '\n';
    if (s.VFlag == 8)
        for (const ReportLine& line : ReportLines(ReportInputsFor(s)))
            o << line.text << '\n';
    if (s.VFlag != 10) o << AsciiFileText(s);
    return o.str();
}

void ExpectSameView(const SharedState& a, const SharedState& b, const std::string& story) {
    EXPECT_EQ(Shown(a), Shown(b)) << story;
    const int n = a.PointCount;
    ASSERT_EQ(n, b.PointCount) << story;
    EXPECT_TRUE(SameFloats(a.SectionX, b.SectionX, 1, n + 1) && SameFloats(a.SectionY, b.SectionY, 1, n + 1) &&
                SameFloats(a.DistX, b.DistX, 1, n + 1) && SameFloats(a.SurfaceCp, b.SurfaceCp, 1, n + 1) &&
                SameFloats(a.SurfaceV, b.SurfaceV, 1, n + 1))
        << story;
    EXPECT_EQ(a.StagPoint, b.StagPoint) << story;
    EXPECT_TRUE(std::memcmp(a.A, b.A, sizeof a.A) == 0) << story;
    const ResultNeeds needs = NeedsOfView(a);
    if (needs.BoundaryLayer) {
        EXPECT_EQ(a.Bl.Solved, b.Bl.Solved) << story;
        EXPECT_EQ(a.Bl.ResultLine, b.Bl.ResultLine) << story;
        for (const auto* w : {&a.Bl.Lower, &a.Bl.Upper}) {
            const BlSurfaceSolution& v = w == &a.Bl.Lower ? b.Bl.Lower : b.Bl.Upper;
            EXPECT_EQ(w->SolvedCount, v.SolvedCount) << story;
            EXPECT_EQ(w->Thickness, v.Thickness) << story;
            EXPECT_EQ(w->ProfileU, v.ProfileU) << story;
        }
        if (a.Bl.Solved) {
            EXPECT_TRUE(SameFloats(a.EdgeY, b.EdgeY, 1, n + 1)) << story;
        }
    }
    if (needs.UserMesh) {
        EXPECT_EQ(a.Flow.KeptMX, b.Flow.KeptMX) << story;
        // The mesh in use; storage beyond it may keep points of a larger earlier mesh.
        for (int j = 1; j <= a.Flow.KeptMY && j <= b.Flow.KeptMY; ++j)
            for (int k = 1; k <= a.Flow.KeptMX; ++k) {
                const size_t at = size_t(cap::At2(k, j, cap::MeshI));
                ASSERT_EQ(a.MeshGridX[at], b.MeshGridX[at]) << story << " mesh point " << k << "," << j;
                ASSERT_EQ(a.MeshGridY[at], b.MeshGridY[at]) << story << " mesh point " << k << "," << j;
            }
        EXPECT_EQ(a.Flow.KeptMY, b.Flow.KeptMY) << story;
    }
    if (needs.Contours != 0) {
        EXPECT_EQ(a.Flow.CpField, b.Flow.CpField) << story;
        EXPECT_EQ(a.Flow.Contours.Counts, b.Flow.Contours.Counts) << story;
        EXPECT_EQ(a.Flow.Contours.X1, b.Flow.Contours.X1) << story;
    }
    if (needs.Polar) {
        const int pa = FindPolar(a, CurrentPolarKey(a)), pb = FindPolar(b, CurrentPolarKey(b));
        ASSERT_EQ(pa != 0, pb != 0) << story;
        if (pa != 0) {
            EXPECT_EQ(ActivePolars(a)[size_t(pa - 1)].PolarData, ActivePolars(b)[size_t(pb - 1)].PolarData) << story;
        }
    }
}

// ---- one regression test for each way results used to lag behind their inputs

// The boundary layer solves the displaced contour with the panel method as
// well; the plain solution's panel stations, which the Cp export lists, are
// those of the plain outline whatever was solved after it.
TEST(ShownResults, StationsOfThePlainSolutionOutliveTheBoundaryLayer) {
    for (const int flapDeflection : {0, -5}) {
        Inputs in;
        in.points = 20;
        in.flapSet = true, in.flapLength = 30, in.flapDeflection = flapDeflection;
        in.vflag = 2;
        SharedState s = Fresh(in);
        const std::string plainExport = AsciiFileText(s);
        const auto plainStations = s.DistX;
        s.VFlag = 7, s.BlDisplayOpt = 1;
        ASSERT_TRUE(RecomputeForRedraw(s).ok());
        ASSERT_TRUE(s.Bl.Solved);
        s.VFlag = 2;
        RecomputeForRedraw(s);
        EXPECT_TRUE(SameFloats(s.DistX, plainStations, 1, s.PointCount + 1)) << "flap " << flapDeflection;
        EXPECT_EQ(AsciiFileText(s), plainExport) << "flap " << flapDeflection;
    }
}

// ---- random sessions

const std::vector<std::string> Sections = {"0012", "2412", "4415", "23012"};
const std::vector<std::string> Angles = {"0", "3", "-2", "6.5", "99999"}; // the last is refused
struct ViewChoice {
    int vflag, sub;
};
const std::vector<ViewChoice> Views = {{1, 2}, {1, 0}, {1, 1}, {1, 3}, {2, 0}, {3, 0}, {4, 0}, {5, 0},
                                       {6, 0}, {7, 1}, {7, 4}, {7, 5}, {8, 0}, {9, 0}, {10, 1}};

bool Usable(const Inputs& in) {
    const bool sectionOk = !in.file.empty() ? in.file != FlatPlate
                                            : std::find(Sections.begin(), Sections.end(), in.section) != Sections.end();
    return sectionOk && in.angle != "99999";
}

class Session {
public:
    explicit Session(unsigned seed) : m_random(seed) {
        ChooseNaca(m_state, m_shown.section);
        SetPoints(m_state, m_shown.points);
        redraw();
        // The session opens on a view of its own, so its results exist
        // before any input changes; half the sessions end on that view again.
        m_first = pick(Views);
        show(m_first);
    }

    // One random command; the story says what was done.
    void step() {
        std::uniform_int_distribution<int> pickCommand(0, 12);
        switch (pickCommand(m_random)) {
        case 0: { // a NACA dialog
            m_typed.section = pick(Sections), m_typed.file.clear();
            ChooseNaca(m_state, m_typed.section);
            say("naca " + m_typed.section);
            redraw();
            break;
        }
        case 1: { // digits typed into the section-name box, taken by the next redraw
            m_typed.section = pick(Sections), m_typed.file.clear();
            SectionNameTyped(m_state, m_typed.section);
            say("type " + m_typed.section);
            break;
        }
        case 2: { // "&General Airfoils" as the window runs it
            const std::string path = pick(std::vector<std::string>{GoodFile, FlatPlate});
            say("read " + path.substr(path.rfind('/') + 1));
            const SharedState before = m_state;
            const Inputs typedBefore = m_typed;
            m_typed.file = path;
            ASSERT_TRUE(ReadAirfoil(m_state, path).ok());
            redraw();
            if (!FileSectionTaken(m_state, path)) {
                m_state = before;
                m_typed = typedBefore;
                redraw();
            }
            break;
        }
        case 3:
            m_typed.points = pick(std::vector<int>{20, 40});
            SetPoints(m_state, m_typed.points);
            say("points " + std::to_string(m_typed.points));
            redraw();
            break;
        case 4: // the angle box with Enter
            m_typed.angle = pick(Angles);
            m_state.Texts.AngleText = m_typed.angle;
            AngleBoxEntered(m_state);
            say("alpha " + m_typed.angle + " Enter");
            redraw();
            break;
        case 5: // the angle box without Enter
            m_typed.angle = pick(Angles);
            m_state.Texts.AngleText = m_typed.angle;
            say("alpha " + m_typed.angle + " typed");
            break;
        case 6: {
            const std::vector<std::pair<int, int>> flaps = {{0, 0}, {25, 10}, {30, -5}};
            const auto f = pick(flaps);
            m_typed.flapLength = f.first, m_typed.flapDeflection = f.second, m_typed.flapSet = true;
            SetFlap(m_state, f.first, f.second);
            say("flap " + std::to_string(f.first) + " " + std::to_string(f.second));
            redraw();
            break;
        }
        case 7:
            m_typed.re = pick(std::vector<double>{3e5, 1e6});
            m_state.re = m_typed.re;
            say("re " + FreeForm(m_typed.re));
            redraw();
            break;
        case 8:
            m_typed.blOptions = pick(std::vector<int>{2, 3});
            m_typed.polarSolution = pick(std::vector<int>{1, 2});
            m_typed.separationModel = pick(std::vector<int>{0, 1});
            m_state.BlOptions = m_typed.blOptions;
            m_state.PolarSolution = m_typed.polarSolution;
            m_state.FlowSeperationModel = m_typed.separationModel;
            say("options " + std::to_string(m_typed.blOptions) + std::to_string(m_typed.polarSolution) +
                std::to_string(m_typed.separationModel));
            redraw();
            break;
        case 9:
            m_typed.meshX = pick(std::vector<int>{21, 41});
            m_typed.radius = pick(std::vector<double>{4, 10});
            m_typed.meshSet = true;
            SetMesh(m_state, m_typed.meshX, m_typed.radius);
            say("mesh " + std::to_string(m_typed.meshX) + " " + FreeForm(m_typed.radius));
            redraw();
            break;
        case 10:
            m_state.BlUpdateRequest = 1;
            say("update boundary layer");
            redraw();
            break;
        default:
            view();
            break;
        }
    }

    // A view command: it ends every session, so the last inputs are on screen.
    void view() { show(pick(std::vector<int>{0, 1}) ? m_first : pick(Views)); }

    void show(const ViewChoice& v) {
        m_typed.vflag = v.vflag;
        m_typed.xchoice = v.vflag == 1 ? v.sub : m_typed.xchoice;
        m_typed.blDisplay = v.vflag == 7 ? v.sub : m_typed.blDisplay;
        SetView(m_state, m_typed);
        say("view " + std::to_string(v.vflag) + "/" + std::to_string(v.sub));
        redraw();
    }

    const SharedState& state() const { return m_state; }
    const Inputs& shown() const { return m_shown; }
    const std::string& story() const { return m_story; }

private:
    template <typename T> T pick(const std::vector<T>& from) {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(m_random)];
    }
    void say(const std::string& what) { m_story += what + "; "; }
    // The redraw: a refused input puts the panel's inputs back to the shown ones.
    void redraw() {
        RecomputeForRedraw(m_state);
        if (Usable(m_typed))
            m_shown = m_typed;
        else {
            m_typed.takePanelInputsOf(m_shown);
            m_shown = m_typed;
        }
    }

    std::mt19937 m_random;
    ViewChoice m_first{1, 2};
    SharedState m_state;
    Inputs m_typed, m_shown;
    std::string m_story;
};

// 5 x 110 seeded sessions of up to 8 commands, each ended by a view command
// (unoptimised and sanitised builds run fewer: they look for memory faults).
#ifndef RIBCRAFT_SESSIONS_PER_SEED
#define RIBCRAFT_SESSIONS_PER_SEED 110
#endif
class EveryShownNumber : public ::testing::TestWithParam<unsigned> {};

TEST_P(EveryShownNumber, BelongsToTheShownInputs) {
    for (unsigned k = 0; k < RIBCRAFT_SESSIONS_PER_SEED; ++k) {
        const unsigned seed = GetParam() * 1000 + k;
        Session session(seed);
        std::mt19937 length(seed);
        const int steps = std::uniform_int_distribution<int>(1, 7)(length);
        for (int i = 0; i < steps; ++i)
            session.step();
        session.view();
        const SharedState fresh = Fresh(session.shown());
        ExpectSameView(session.state(), fresh, "seed " + std::to_string(seed) + ": " + session.story());
        if (HasFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, EveryShownNumber, ::testing::Values(1u, 2u, 3u, 4u, 5u));

} // namespace
} // namespace ribcraft
