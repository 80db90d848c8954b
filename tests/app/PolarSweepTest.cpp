// SPDX-License-Identifier: MIT
// The polar sweep on whole sections: what a polar holds, when it is computed,
// and the aerodynamics any user checks it against.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/Drag.h"
#include "app/FileCommands.h"
#include "app/PanelDriver.h"
#include "app/PolarSweep.h"
#include "app/Recompute.h"

namespace ribcraft {
namespace {

// A fresh state solved at its current angle, as the redraw leaves it before
// the polar view draws.
SharedState solvedState(const char* section = "0012", double re = 1e6) {
    SharedState s;
    s.Texts.SectionName = section;
    s.re = re;
    EXPECT_TRUE(RecomputeForRedraw(s).ok());
    return s;
}

const StoredPolar& polarOf(const SharedState& s, const PolarOutcome& o) {
    return ActivePolars(s)[size_t(o.polar - 1)];
}

// Row of the polar at the given angle, or nullptr when the angle was left out.
const PolarRow* rowAt(const StoredPolar& p, double alpha) {
    for (const PolarRow& r : p.PolarData)
        if (std::abs(r[PolarAngle] - alpha) < 1e-9) return &r;
    return nullptr;
}

class SymmetricPolar : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        state = new SharedState(solvedState());
        outcome = Polar(*state);
    }
    static void TearDownTestSuite() { delete state; }
    static SharedState* state;
    static PolarOutcome outcome;
};
SharedState* SymmetricPolar::state = nullptr;
PolarOutcome SymmetricPolar::outcome;

TEST_F(SymmetricPolar, HoldsTwentyOneAnglesFromMinusToPlusTwenty) {
    ASSERT_TRUE(outcome.result.ok()) << outcome.result.message();
    EXPECT_TRUE(outcome.computed);
    EXPECT_EQ(state->PolarCount, 1);
    const StoredPolar& p = polarOf(*state, outcome);
    EXPECT_EQ(p.Key, (PolarKey{"0012", 0, 0, 1e6, 0, {}, 60, 1, 0}));
    ASSERT_EQ(p.PolarPoints(), 21);
    for (int k = 0; k < 21; ++k)
        EXPECT_DOUBLE_EQ(p.PolarData[size_t(k)][PolarAngle], -20 + 2 * k);
}

// A symmetric section gives Cl(-a) = -Cl(a), Cm(-a) = -Cm(a), Cd(-a) = Cd(a)
// and swaps the transition points of the two surfaces: lift and moment within
// 1e-4, drag and transition within 0.5 %.
TEST_F(SymmetricPolar, IsSymmetricInTheAngle) {
    const StoredPolar& p = polarOf(*state, outcome);
    ASSERT_EQ(p.PolarPoints(), 21);
    for (int k = 0; k <= 10; ++k) {
        const PolarRow& neg = p.PolarData[size_t(10 - k)];
        const PolarRow& pos = p.PolarData[size_t(10 + k)];
        SCOPED_TRACE(pos[PolarAngle]);
        EXPECT_NEAR(neg[PolarCl], -pos[PolarCl], 1e-4);
        EXPECT_NEAR(neg[PolarCm], -pos[PolarCm], 1e-4);
        EXPECT_NEAR(neg[PolarCd], pos[PolarCd], 0.005 * pos[PolarCd]);
        EXPECT_NEAR(neg[PolarUpperTransition], pos[PolarLowerTransition], 0.005 * pos[PolarLowerTransition] + 1e-6);
    }
    EXPECT_NEAR(p.PolarData[10][PolarCl], 0, 3e-3);
}

// Thin-airfoil slope 2 pi per radian, raised by thickness; the boundary
// layer's displacement takes a little of it. Within 5 % of the inviscid panel
// slope of the same section.
TEST_F(SymmetricPolar, LiftSlopeIsNearThePanelSlope) {
    const StoredPolar& p = polarOf(*state, outcome);
    const double polarSlope = (p.PolarData[12][PolarCl] - p.PolarData[8][PolarCl]) / 8; // per degree, -4..+4
    SharedState plain = solvedState();
    plain.Texts.AngleText = "4";
    ASSERT_TRUE(PlainSolution(plain).ok());
    const double panelSlope = plain.PanelCl / 4;
    EXPECT_NEAR(polarSlope, panelSlope, 0.05 * panelSlope);
    EXPECT_GT(polarSlope * 180 / std::numbers::pi, 2 * std::numbers::pi);
}

// The drag of each angle is the drag estimate of the plain solution: at 0
// degrees exactly what the window shows after the redraw.
TEST_F(SymmetricPolar, DragAtZeroIsTheRedrawsDrag) {
    const SharedState redraw = solvedState();
    const PolarRow* zero = rowAt(polarOf(*state, outcome), 0);
    ASSERT_NE(zero, nullptr);
    EXPECT_NEAR((*zero)[PolarCd] / 1000, redraw.Cd, 1e-9);
    // Same order as measured natural-transition drag of a 12 % section at 1e6.
    EXPECT_GT((*zero)[PolarCd], 4.0);
    EXPECT_LT((*zero)[PolarCd], 9.0);
}

TEST_F(SymmetricPolar, TransitionLiesOnTheChordAndMovesForwardWithAngle) {
    const StoredPolar& p = polarOf(*state, outcome);
    for (const PolarRow& r : p.PolarData) {
        EXPECT_GE(r[PolarUpperTransition], 0);
        EXPECT_LE(r[PolarUpperTransition], 1);
        EXPECT_GE(r[PolarLowerTransition], 0);
        EXPECT_LE(r[PolarLowerTransition], 1);
    }
    for (int k = 10; k < 20; ++k) {
        EXPECT_LE(p.PolarData[size_t(k + 1)][PolarUpperTransition], p.PolarData[size_t(k)][PolarUpperTransition]);
        EXPECT_GE(p.PolarData[size_t(k + 1)][PolarLowerTransition], p.PolarData[size_t(k)][PolarLowerTransition]);
    }
    EXPECT_LT(p.PolarData[16][PolarUpperTransition], 0.1); // at 12 degrees close behind the suction peak
}

// The sweep leaves the solution of +20 degrees, restores the angle and asks
// the next redraw to solve the current angle again.
TEST_F(SymmetricPolar, LeavesTheLastAngleAndRestoresAlpha) {
    EXPECT_EQ(state->Alpha, 0.0f);
    EXPECT_EQ(state->NewFlag, 1);
    EXPECT_NEAR(state->PanelCl, polarOf(*state, outcome).PolarData[20][PolarCl], 1e-6);
    EXPECT_LT(state->StagPoint, state->SurfacePoints); // +20 degrees: on the lower surface
    EXPECT_DOUBLE_EQ(state->Polars.CmQuarter, polarOf(*state, outcome).PolarData[20][PolarCm]);

    SharedState after = *state;
    after.DialogCancelled = 1; // a redraw that would otherwise keep the arrays
    ASSERT_TRUE(RecomputeForRedraw(after).ok());
    EXPECT_NEAR(after.PanelCl, 0, 1e-4);
    EXPECT_EQ(after.StagPoint, solvedState().StagPoint);
}

TEST(PolarSweep, AskingTwiceComputesOnce) {
    SharedState s = solvedState();
    const PolarOutcome first = Polar(s);
    ASSERT_TRUE(first.result.ok());
    const std::vector<PolarRow> rows = ActivePolars(s)[0].PolarData;
    s.Alpha = 3; // the angle is not an input of a polar
    const PolarOutcome second = Polar(s);
    EXPECT_TRUE(second.result.ok());
    EXPECT_FALSE(second.computed);
    EXPECT_EQ(second.polar, first.polar);
    EXPECT_EQ(s.PolarCount, 1);
    EXPECT_EQ(ActivePolars(s)[0].PolarData, rows);
    EXPECT_EQ(s.Alpha, 3.0f);
    // The momentum-equation method is: a polar made with the other one is not this one.
    s.PolarSolution = 2;
    const PolarOutcome third = Polar(s);
    EXPECT_TRUE(third.computed);
    EXPECT_EQ(s.PolarCount, 2);
    EXPECT_NE(ActivePolars(s)[1].PolarData, rows);
}

TEST(PolarSweep, EachSectionFlapAndReynoldsNumberHasItsOwnPolar) {
    SharedState s = solvedState();
    ASSERT_TRUE(Polar(s).result.ok());
    s.re = 3e5;
    const PolarOutcome lowRe = Polar(s);
    ASSERT_TRUE(lowRe.computed);
    s.Texts.SectionName = "2412";
    const PolarOutcome cambered = Polar(s);
    ASSERT_TRUE(cambered.computed);
    s.Texts.FlapDeflectionText = "10 Deg.";
    s.Texts.FlapLengthText = "25 %c";
    const PolarOutcome flapped = Polar(s);
    ASSERT_TRUE(flapped.computed);
    EXPECT_EQ(s.PolarCount, 4);
    EXPECT_EQ(ActivePolars(s)[3].Key, (PolarKey{"2412", 10, 25, 3e5, 0, {}, 60, 1, 0}));

    const auto at0 = [&s](int j) { return *rowAt(ActivePolars(s)[size_t(j)], 0); };
    EXPECT_GT(at0(1)[PolarCd], at0(0)[PolarCd]); // more drag at the lower Reynolds number
    EXPECT_GT(at0(2)[PolarCl], 0.2);             // camber lifts at 0 degrees
    EXPECT_LT(at0(2)[PolarCm], -0.03);           // and pitches nose down

    // Back to the first key: found, not computed.
    s.Texts = SharedState().Texts;
    s.re = 1e6;
    EXPECT_FALSE(Polar(s).computed);
    EXPECT_EQ(s.PolarCount, 4);
}

TEST(PolarSweep, SeparationModelLeavesOutStalledAngles) {
    SharedState s = solvedState();
    s.FlowSeperationModel = 1;
    ASSERT_TRUE(Polar(s).result.ok());
    const StoredPolar& p = ActivePolars(s)[0];
    EXPECT_LT(p.PolarPoints(), 21);
    EXPECT_GT(p.PolarPoints(), 10);
    EXPECT_EQ(rowAt(p, 20), nullptr);
    EXPECT_EQ(rowAt(p, -20), nullptr);
    ASSERT_NE(rowAt(p, 0), nullptr);
    // Kept angles that separate a little are flown at a smaller effective
    // angle: less lift than without the model.
    SharedState plain = solvedState();
    ASSERT_TRUE(Polar(plain).result.ok());
    const PolarRow* with = rowAt(p, 12);
    ASSERT_NE(with, nullptr);
    EXPECT_LT((*with)[PolarCl], (*rowAt(ActivePolars(plain)[0], 12))[PolarCl]);
    EXPECT_EQ((*with)[PolarCd], (*rowAt(ActivePolars(plain)[0], 12))[PolarCd]); // drag of the geometric angle
}

// The crossed points of the default polar begin where the section really
// stalls: on each side at the angle where the separation model's effective
// angle (and with it the lift it predicts) peaks, or at most two sweep steps
// (4 degrees) beyond it, where the separated arc reaches half a chord. Seen at
// Re 1e6: peaks at 14..18 degrees and -12..-16, first crosses one or two steps
// further out.
TEST(PolarSweep, StallCrossesBeginAtTheSeparationModelsLiftPeak) {
    for (const char* section : {"0012", "2412", "4412", "23012"}) {
        SharedState s = solvedState(section);
        ASSERT_TRUE(Polar(s).result.ok()) << section;
        const StoredPolar& p = ActivePolars(s)[0];
        SharedState w = solvedState(section);
        std::vector<double> effective;
        for (const PolarRow& r : p.PolarData) {
            w.Texts.AngleText = std::to_string(r[PolarAngle]);
            w.NewFlag = 1;
            ASSERT_TRUE(RecomputeForRedraw(w).ok());
            effective.push_back(w.EffectiveAlpha);
        }
        for (double side : {1.0, -1.0}) {
            double peakAngle = 0, peak = 0, firstCross = 99;
            for (size_t i = 0; i < p.PolarData.size(); ++i) {
                const double a = side * p.PolarData[i][PolarAngle];
                if (side * effective[i] > peak) peak = side * effective[i], peakAngle = a;
                if (p.stalled(i) && a > 0) firstCross = std::min(firstCross, a);
            }
            const std::string what = std::string(section) + (side > 0 ? " positive" : " negative");
            EXPECT_GE(firstCross, peakAngle) << what;
            EXPECT_LE(firstCross, peakAngle + 4) << what;
        }
    }
}

TEST(PolarSweep, TruckenbrodtSettingChangesTheDrag) {
    SharedState direct = solvedState();
    direct.PolarSolution = 2;
    ASSERT_TRUE(Polar(direct).result.ok());
    SharedState quadrature = solvedState();
    ASSERT_TRUE(Polar(quadrature).result.ok());
    const auto& a = ActivePolars(direct)[0].PolarData;
    const auto& b = ActivePolars(quadrature)[0].PolarData;
    ASSERT_EQ(a.size(), b.size());
    int differing = 0;
    for (size_t k = 0; k < a.size(); ++k)
        differing += a[k][PolarCd] != b[k][PolarCd];
    EXPECT_GT(differing, 0);
}

TEST(PolarSweep, AFaultStopsTheSweepAndKeepsThePolar) {
    SharedState s = solvedState();
    s.re = 0; // no layer can be marched
    s.Alpha = 5;
    const PolarOutcome failed = Polar(s);
    EXPECT_FALSE(failed.result.ok());
    EXPECT_EQ(failed.result.message(), BlErrorMessage);
    EXPECT_EQ(failed.result.kind(), ErrorKind::BoundaryLayerFailed);
    EXPECT_EQ(s.Alpha, 5.0f);
    ASSERT_EQ(s.PolarCount, 1);
    EXPECT_EQ(ActivePolars(s)[0].PolarPoints(), 0);
    const PolarOutcome again = Polar(s); // kept: only drawn
    EXPECT_TRUE(again.result.ok());
    EXPECT_FALSE(again.computed);
}

TEST(PolarSweep, ASectionThatCannotBeBuiltAddsNoPolar) {
    SharedState s = solvedState();
    s.Texts.SectionName = "12345";
    const PolarOutcome o = Polar(s);
    EXPECT_FALSE(o.result.ok());
    EXPECT_NE(o.result.message().find("12345"), std::string::npos);
    EXPECT_EQ(s.PolarCount, 0);
    EXPECT_EQ(o.polar, 0);
}

TEST(PolarSweep, ResetForgetsAndAFullStoreRefusesNewPolars) {
    SharedState s = solvedState();
    for (int j = 0; j < PolarStore::MaxPolars; ++j)
        s.Polars.Polars.push_back({{"x" + std::to_string(j), 0, 0, 1e6}, {}});
    s.PolarCount = PolarStore::MaxPolars;
    const PolarOutcome full = Polar(s);
    EXPECT_TRUE(full.result.ok());
    EXPECT_FALSE(full.result.notice.empty());
    EXPECT_TRUE(full.result.warning.empty()); // not inside the separation warning
    EXPECT_FALSE(full.computed);
    EXPECT_EQ(s.PolarCount, PolarStore::MaxPolars);
    EXPECT_EQ(FindPolar(s, CurrentPolarKey(s)), 0);

    s.PolarCount = 0; // RESET POLAR
    EXPECT_TRUE(ActivePolars(s).empty());
    const PolarOutcome fresh = Polar(s);
    EXPECT_TRUE(fresh.computed);
    EXPECT_EQ(s.PolarCount, 1);
    EXPECT_EQ(s.Polars.Polars.size(), 1u);
    EXPECT_EQ(ActivePolars(s)[0].Key.SectionName, "0012");
}

} // namespace
} // namespace ribcraft

namespace ribcraft {
namespace {

// The Save command of the polar views writes every polar that counts, drag
// back as a coefficient; after a reset the file is empty.
TEST(PolarExport, WritesTheActivePolars) {
    SharedState s;
    s.VFlag = 10;
    s.Polars.Polars.push_back({{"0012", 0, 0, 1e6}, {{-2, -0.2415, 7.1521, 0.0036, 0.727, 0.4218}}});
    s.Polars.Polars.push_back({{"2412", 10, 25, 3e5}, {{0, 0.5, 8, -0.05, 0.5, 0.6}, {2, 0.75, 9, -0.05, 0.4, 0.7}}});
    s.PolarCount = 2;
    const std::string text = AsciiFileText(s);
    EXPECT_EQ(text.substr(0, text.find("Angle")), "Lift-Drag Polar for 0012\r\nReynolds Number: 1000000\r\n");
    EXPECT_NE(text.find("\r\n-2.00         -0.24150      0.007152      0.003600      0.73          0.42\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Lift-Drag Polar for 2412\r\nReynolds Number: 300000\r\n"), std::string::npos);
    size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    EXPECT_EQ(lines, 3u + 1u + 3u + 2u);

    // A point whose stall flag is set ends its row with a mark; the others are unchanged.
    s.Polars.Polars[1].Stalled = {false, true};
    const std::string marked = AsciiFileText(s);
    EXPECT_NE(marked.find("0.40          0.70          stalled\r\n"), std::string::npos) << marked;
    EXPECT_EQ(marked.find("stalled"), marked.rfind("stalled"));

    s.PolarCount = 0;
    EXPECT_EQ(AsciiFileText(s), "");
}

} // namespace
} // namespace ribcraft
