// SPDX-License-Identifier: MIT
// Flaps over the flap dialog's whole range on four sections, through the
// redraw's computation, the detailed boundary layer and the polar sweep:
// lengths 10..50 % in steps of 5, deflections +-5..+-30 degrees in steps of 5,
// angles -4, 0, 4, 8 degrees, Reynolds number 1e6. The grid is cut into one
// test per section (and per deflection sign), so each runs in a few seconds.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "analysis/Drag.h"
#include "app/BoundaryLayer.h"
#include "app/DragDriver.h"
#include "app/PolarSweep.h"
#include "app/Recompute.h"
#include "app/dialogs/DialogProtocol.h"

namespace ribcraft {
namespace {

const std::vector<std::string> Sections = {"0012", "2412", "4412", "23012"};

#ifndef RIBCRAFT_SWEEP_STRIDE
#define RIBCRAFT_SWEEP_STRIDE 1
#endif

// Every flap length of the grid; unoptimised builds (sanitizers) take every
// third, which keeps their run short and still passes every code path.
std::vector<double> Lengths() {
    std::vector<double> l;
    for (int k = 0; k < 9; k += RIBCRAFT_SWEEP_STRIDE)
        l.push_back(10 + 5 * k);
    return l;
}

std::vector<double> Deflections(double sign) {
    std::vector<double> d;
    for (double v = 5; v <= 30; v += 5)
        d.push_back(sign * v);
    return d;
}

SharedState FlapState(const std::string& section, double length, double deflection, int surfacePoints = 60) {
    SharedState s;
    s.Texts.SectionName = section;
    s.re = 1e6;
    s.SurfacePoints = surfacePoints;
    s.PointCount = 2 * surfacePoints;
    s.FlapLength = length;
    s.FlapDeflection = deflection;
    AfterFlapDialog(s, FlapPiMenu, true);
    return s;
}

std::string Describe(const std::string& section, double length, double deflection, double alpha) {
    return section + " flap " + std::to_string(length) + " % " + std::to_string(deflection) + " at " +
           std::to_string(alpha);
}

// The solution of the state at alpha degrees, as a redraw makes it.
CommandResult SolveAt(SharedState& s, double alpha) {
    s.Texts.AngleText = std::to_string(alpha);
    s.NewFlag = 1;
    return RecomputeForRedraw(s);
}

// Whether the detailed boundary layer runs on the state's solution.
bool BoundaryLayerRuns(SharedState& s, std::string& message) {
    s.CompBlFlag = 1;
    const CommandResult bl = BoundaryLayer(s);
    message = bl.message();
    return bl.ok();
}

const std::vector<double> Angles = {-4, 0, 4, 8};

// The front stagnation point: under the nose, never on the flap or at the
// trailing edge, so the boundary layers run on the right surfaces; and the
// detailed boundary layer runs wherever it runs without the flap.
class FlapSettings : public ::testing::TestWithParam<std::tuple<std::string, double>> {};

TEST_P(FlapSettings, FrontStagnationPointAndBoundaryLayer) {
    const auto& [section, sign] = GetParam();
    std::map<double, bool> plainRuns;
    SharedState plain = FlapState(section, 0, 0);
    for (double alpha : Angles) {
        std::string message;
        plainRuns[alpha] = SolveAt(plain, alpha).ok() && BoundaryLayerRuns(plain, message);
    }
    int layers = 0;
    for (double length : Lengths())
        for (double deflection : Deflections(sign)) {
            SharedState s = FlapState(section, length, deflection);
            for (double alpha : Angles) {
                const std::string what = Describe(section, length, deflection, alpha);
                const CommandResult r = SolveAt(s, alpha);
                ASSERT_TRUE(r.ok()) << what << ": " << r.message();
                EXPECT_LT(s.SectionX[s.StagPoint], 0.25) << what;
                std::string message;
                if (plainRuns[alpha]) {
                    EXPECT_TRUE(BoundaryLayerRuns(s, message)) << what << ": " << message;
                    ++layers;
                }
            }
        }
    EXPECT_GT(layers, 0);
}

INSTANTIATE_TEST_SUITE_P(FlapSweep, FlapSettings,
                         ::testing::Combine(::testing::ValuesIn(Sections), ::testing::Values(-1.0, 1.0)));

// The same check of the stagnation point with few and with many points, on a
// coarser grid (every other length and deflection).
TEST(FlapSweep, FrontStagnationPointAtFewAndManyPoints) {
    for (int surfacePoints : {10, 30, 170})
        for (const std::string& section : Sections)
            for (double length : {10.0, 30.0, 50.0})
                for (double deflection : {-30.0, -20.0, -10.0, 5.0, 15.0, 25.0}) {
                    SharedState s = FlapState(section, length, deflection, surfacePoints);
                    for (double alpha : Angles) {
                        const std::string what =
                            Describe(section, length, deflection, alpha) + " " + std::to_string(2 * surfacePoints);
                        ASSERT_TRUE(SolveAt(s, alpha).ok()) << what;
                        EXPECT_LT(s.SectionX[s.StagPoint], 0.25) << what;
                    }
                }
}

// What the polar test needs of one polar point besides its row: the arc
// behind the last attached station of each integral layer (chords) and the
// lift, as the redraw at that angle finds them.
struct Separation {
    double first = 1e9, second = 1e9, lift = 0;
    double largest() const { return std::max(first, second); }
    double suctionSide() const { return lift > 0 ? second : lift < 0 ? first : largest(); }
};

Separation SeparationAt(SharedState& w, double alpha) {
    Separation out;
    if (!SolveAt(w, alpha).ok()) return out;
    const Result<DragResult> layers = ComputeDrag(DragInputsOf(w, alpha));
    if (!layers) return out;
    const DragResult& d = layers.value();
    const auto arc = [](const SurfaceStations& st, int last) {
        return last < st.count - 1 ? st.s[size_t(st.count)] - st.s[size_t(last)] : 0.0;
    };
    out.first = arc(d.Stations.first, d.last1);
    out.second = arc(d.Stations.second, d.last2);
    out.lift = w.PanelCl;
    return out;
}

// Flapped polars are smooth: in the attached range no point's Cd lies more
// than 30 % off the mean of its two neighbours. Their stall crosses mark the
// points whose suction side has separated over half a chord.
//
// The attached range: the point and both neighbours have less than half a
// chord of separated arc on either surface (the stall measure of the polar
// applied to both surfaces; a deflected flap often separates from its hinge
// on, which leaves the section's lift intact).
//
// Laminar-bucket edges are left out: where the transition point of a surface
// moves by more than 0.15 chord between neighbouring angles, the drag steps
// with the laminar run. Such steps are the transition criterion's own: the
// flap's suction peak at the hinge keeps a laminar run up to the hinge until
// the criterion is met ahead of it, and then transition moves to mid-chord
// from one angle to the next. The step stays at the same angle with 120, 220
// and 340 points and in quarter-degree sweeps, and with transition forced near
// the leading edge no flapped polar has a point off by 30 %.
class FlappedPolars : public ::testing::TestWithParam<std::string> {};

TEST_P(FlappedPolars, AreSmoothInTheAttachedRange) {
    const std::string section = GetParam();
    int checked = 0, interior = 0;
    std::map<std::pair<double, double>, std::vector<std::pair<PolarRow, bool>>> mirrorRows;
    for (double length : Lengths())
        for (double sign : {-1.0, 1.0})
            for (double deflection : Deflections(sign)) {
                SharedState s = FlapState(section, length, deflection);
                ASSERT_TRUE(RecomputeForRedraw(s).ok());
                const PolarOutcome o = Polar(s);
                const std::string what = Describe(section, length, deflection, 0);
                ASSERT_TRUE(o.result.ok()) << what << ": " << o.result.message();
                const StoredPolar& polar = ActivePolars(s)[size_t(o.polar - 1)];
                const std::vector<PolarRow>& rows = polar.PolarData;
                ASSERT_EQ(rows.size(), 21u) << what;
                for (size_t i = 0; i < rows.size(); ++i)
                    mirrorRows[{length, deflection}].push_back({rows[i], polar.stalled(i)});
                SharedState w = FlapState(section, length, deflection);
                std::vector<bool> attached;
                for (size_t i = 0; i < rows.size(); ++i) {
                    const Separation sep = SeparationAt(w, rows[i][PolarAngle]);
                    attached.push_back(sep.largest() < 0.5);
                    // Crossed exactly where the suction side (by the lift, not
                    // the angle) has separated over half a chord.
                    EXPECT_EQ(polar.stalled(i), sep.suctionSide() >= 0.5) << what << ", angle " << rows[i][PolarAngle];
                }
                const auto transitionStep = [&](size_t a, size_t b) {
                    return std::abs(rows[a][PolarUpperTransition] - rows[b][PolarUpperTransition]) > 0.15 ||
                           std::abs(rows[a][PolarLowerTransition] - rows[b][PolarLowerTransition]) > 0.15;
                };
                for (size_t i = 1; i + 1 < rows.size(); ++i) {
                    ++interior;
                    if (!attached[i - 1] || !attached[i] || !attached[i + 1]) continue;
                    if (transitionStep(i - 1, i) || transitionStep(i, i + 1)) continue;
                    const double mean = 0.5 * (rows[i - 1][PolarCd] + rows[i + 1][PolarCd]);
                    EXPECT_LT(std::abs(rows[i][PolarCd] - mean), 0.3 * mean)
                        << what << ", angle " << rows[i][PolarAngle] << ": Cd x 1000 " << rows[i - 1][PolarCd] << ", "
                        << rows[i][PolarCd] << ", " << rows[i + 1][PolarCd];
                    ++checked;
                }
            }
    // The exclusions leave at least a third of the polars' inner points to check.
    EXPECT_GT(checked, interior / 3);
    // A symmetric section with the flap turned the other way at the opposite
    // angle is the mirror image: the same drag and crosses, opposite lift
    // (seen: equal to 1e-7; the bounds are those of the other mirror tests).
    if (section == "0012")
        for (const auto& [key, rows] : mirrorRows) {
            if (key.second < 0) continue;
            const auto& other = mirrorRows.at({key.first, -key.second});
            for (size_t i = 0; i < rows.size(); ++i) {
                const PolarRow& a = rows[i].first;
                const PolarRow& b = other[rows.size() - 1 - i].first;
                const std::string what = Describe(section, key.first, key.second, a[PolarAngle]);
                EXPECT_NEAR(a[PolarCl], -b[PolarCl], 1e-4) << what;
                EXPECT_NEAR(a[PolarCd], b[PolarCd], 0.005 * b[PolarCd]) << what;
                EXPECT_EQ(rows[i].second, other[rows.size() - 1 - i].second) << what;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(FlapSweep, FlappedPolars, ::testing::ValuesIn(Sections));

} // namespace
} // namespace ribcraft
