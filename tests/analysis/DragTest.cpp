// SPDX-License-Identifier: MIT
#include "analysis/Drag.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

#include "JoukowskiSection.h"

namespace ribcraft {
namespace {

using testing::joukowskiSection;
using testing::SectionSample;

constexpr int N = 120;
const double Pi = 4 * std::atan(1.0);

DragInputs inputsFor(const SectionSample& s, double alpha, double re = 1e6, int polarSolution = 0) {
    DragInputs in;
    in.SectionX = std::span<const float>(s.x).subspan(1);
    in.SectionY = std::span<const float>(s.y).subspan(1);
    in.SurfaceV = std::span<const float>(s.v).subspan(1);
    in.N = s.n;
    in.Alpha = alpha;
    in.re = re;
    in.PolarSolution = polarSolution;
    return in;
}

double pointDistance(const SectionSample& s, int i, int j) {
    return std::hypot(double(s.x[i]) - s.x[j], double(s.y[i]) - s.y[j]);
}

// |dY/dX| of the outline segment i -> j, in degrees as the separation model takes it.
double slopeDegrees(const SectionSample& s, int i, int j) {
    return std::abs((double(s.y[j]) - s.y[i]) / (double(s.x[j]) - s.x[i])) * 180 / Pi;
}

// Slows one surface of the symmetric section down from x = xStart towards the
// trailing edge (speed factor 1 - slope (x - xStart), at least 0.45, so the
// stagnation point stays at the nose): the turbulent layer separates.
SectionSample withSeparatedSurface(bool lower, double xStart = 0.1, double slope = 2.5) {
    SectionSample s = joukowskiSection(N, 0);
    for (int i = 1; i <= N / 2; ++i) {
        const int p = lower ? i : N + 1 - i;
        const double x = lower ? s.x[i] : s.x[N + 2 - i];
        if (x > xStart) s.v[p] = static_cast<float>(s.v[p] * std::max(0.45, 1 - slope * (x - xStart)));
    }
    return s;
}

TEST(Drag, SymmetricSectionAtZeroIncidence) {
    const SectionSample s = joukowskiSection(N, 0);
    const Result<DragResult> solved = ComputeDrag(inputsFor(s, 0));
    ASSERT_TRUE(solved.ok()) << solved.status().message();
    const DragResult& r = solved.value();
    EXPECT_EQ(r.Cd, r.Cd1 + r.Cd2);
    // Mirrored surfaces give the same layer.
    EXPECT_EQ(r.K1, r.K2);
    EXPECT_NEAR(r.Cd1 / r.Cd2, 1.0, 1e-5);
    EXPECT_EQ(r.Transition1, r.TransitionPoint);
    // Between twice the laminar (Blasius) plate and twice a turbulent plate
    // with a form factor of 2.
    EXPECT_GT(r.Cd, 2 * 1.328 / std::sqrt(1e6));
    EXPECT_LT(r.Cd, 2 * 2 * 0.074 / std::pow(1e6, 0.2));
    EXPECT_EQ(r.EffectiveAlpha, 0);
    EXPECT_EQ(r.StallFlag, 0);
    EXPECT_EQ(r.SeparatedArc1, 0);
    EXPECT_EQ(r.SeparatedArc2, 0);
}

TEST(Drag, SeparationCorrectionOfTheLowerSurfaceOnlyAtNegativeIncidence) {
    const SectionSample s = withSeparatedSurface(true);
    const Result<DragResult> negative = ComputeDrag(inputsFor(s, -2));
    ASSERT_TRUE(negative.ok()) << negative.status().message();
    const DragResult& neg = negative.value();
    ASSERT_LT(neg.last1, neg.K1 - 1);
    // Separated arc: from station last1 (a panel midpoint) to the trailing edge.
    const int panel = neg.Stations.first.panel[size_t(neg.last1)];
    ASSERT_GT(panel, 0);
    double arc = 0.5 * pointDistance(s, panel, panel + 1);
    for (int j = 1; j < panel; ++j)
        arc += pointDistance(s, j, j + 1);
    EXPECT_NEAR(neg.SeparatedArc1, arc, 1e-5);
    EXPECT_GT(neg.SeparatedArc1, 0.5);
    EXPECT_EQ(neg.StallFlag, 1);
    const double tau = slopeDegrees(s, 1, 2);
    EXPECT_NEAR(neg.EffectiveAlpha, -2 + 0.5 * arc * (2 + tau), 1e-5);

    for (double alpha : {0.0, 2.0}) {
        const Result<DragResult> solved = ComputeDrag(inputsFor(s, alpha));
        ASSERT_TRUE(solved.ok());
        const DragResult& r = solved.value();
        EXPECT_EQ(r.last1, neg.last1); // the layer is the same, only the model is not applied
        EXPECT_EQ(r.SeparatedArc1, 0) << alpha;
        EXPECT_EQ(r.EffectiveAlpha, alpha);
        EXPECT_EQ(r.StallFlag, 0);
    }
}

TEST(Drag, SeparationCorrectionOfTheUpperSurfaceOnlyAtPositiveIncidence) {
    const SectionSample s = withSeparatedSurface(false, 0.4, 1.0);
    const Result<DragResult> positive = ComputeDrag(inputsFor(s, 2));
    ASSERT_TRUE(positive.ok()) << positive.status().message();
    const DragResult& pos = positive.value();
    ASSERT_LT(pos.last2, pos.K2 - 1);
    EXPECT_EQ(pos.SeparatedArc1, 0);
    EXPECT_GT(pos.SeparatedArc2, 0);
    EXPECT_LT(pos.SeparatedArc2, 0.5);
    EXPECT_EQ(pos.StallFlag, 0);
    const double tau = slopeDegrees(s, N, N + 1);
    EXPECT_NEAR(pos.EffectiveAlpha, 2 - 0.5 * pos.SeparatedArc2 * (2 + tau), 1e-9);
    EXPECT_LT(pos.EffectiveAlpha, 2);

    const Result<DragResult> negative = ComputeDrag(inputsFor(s, -2));
    ASSERT_TRUE(negative.ok());
    const DragResult& neg = negative.value();
    EXPECT_EQ(neg.SeparatedArc2, 0);
    EXPECT_EQ(neg.EffectiveAlpha, -2);
}

// The stall flag looks at the suction side, which the lift's sign names: a
// flap gives lift against the angle, and then the surface the separation
// model corrects is the pressure side. The model itself still goes by the
// angle.
TEST(Drag, StallFlagFollowsTheSuctionSideOfTheLift) {
    const SectionSample s = withSeparatedSurface(true); // the lower surface separates over half the chord
    const auto at = [&](double alpha, double lift) {
        DragInputs in = inputsFor(s, alpha);
        in.Lift = lift;
        const Result<DragResult> r = ComputeDrag(in);
        EXPECT_TRUE(r.ok());
        return r.ok() ? r.value() : DragResult{};
    };
    const DragResult plain = at(-2, NAN);
    ASSERT_EQ(plain.StallFlag, 1);
    const DragResult liftUp = at(-2, 0.3), liftDown = at(2, -0.3);
    EXPECT_EQ(liftUp.StallFlag, 0) << "the separated lower surface is the pressure side";
    EXPECT_EQ(liftUp.EffectiveAlpha, plain.EffectiveAlpha);
    EXPECT_EQ(liftDown.StallFlag, 1) << "the separated lower surface is the suction side";
    EXPECT_EQ(liftDown.EffectiveAlpha, 2);
    EXPECT_EQ(liftDown.SuctionArc, plain.SeparatedArc1);
    EXPECT_EQ(at(0, 0).StallFlag, 1) << "at zero lift either side counts";
}

TEST(Drag, DragFallsWithReynoldsNumber) {
    for (double alpha : {0.0, 4.0}) {
        const SectionSample s = joukowskiSection(N, alpha);
        for (int polarSolution : {0, 1}) {
            double previous = INFINITY;
            for (double re : {3e5, 1e6, 3e6, 1e7}) {
                const Result<DragResult> r = ComputeDrag(inputsFor(s, alpha, re, polarSolution));
                ASSERT_TRUE(r.ok());
                EXPECT_LT(r->Cd, previous) << alpha << " " << polarSolution << " " << re;
                previous = r->Cd;
            }
        }
    }
}

TEST(Drag, FaultsStopTheComputationWithTheMessage) {
    const auto fails = [](const DragInputs& in) {
        const Result<DragResult> r = ComputeDrag(in);
        return !r.ok() && r.status().kind() == ErrorKind::BoundaryLayerFailed && r.status().message() == BlErrorMessage;
    };
    const SectionSample good = joukowskiSection(N, 2);
    ASSERT_TRUE(ComputeDrag(inputsFor(good, 2)).ok());

    SectionSample nanV = good;
    nanV.v[30] = NAN;
    EXPECT_TRUE(fails(inputsFor(nanV, 2)));
    SectionSample infX = good;
    infX.x[70] = INFINITY;
    EXPECT_TRUE(fails(inputsFor(infX, 2)));
    SectionSample fast = good; // no speed at or below 10000: no stagnation point
    std::fill(fast.v.begin(), fast.v.end(), 20000.0f);
    EXPECT_TRUE(fails(inputsFor(fast, 2)));
    SectionSample point = good; // every point in one place
    std::fill(point.x.begin(), point.x.end(), 0.5f);
    std::fill(point.y.begin(), point.y.end(), 0.0f);
    EXPECT_TRUE(fails(inputsFor(point, 2)));

    DragInputs odd = inputsFor(good, 2);
    odd.N = N - 1;
    EXPECT_TRUE(fails(odd));
    DragInputs tiny = inputsFor(good, 2);
    tiny.N = 2;
    EXPECT_TRUE(fails(tiny));
    DragInputs tooLong = inputsFor(good, 2);
    tooLong.N = N + 2; // more points than the arrays hold
    EXPECT_TRUE(fails(tooLong));
    DragInputs noRe = inputsFor(good, 2);
    noRe.re = 0;
    EXPECT_TRUE(fails(noRe));
    DragInputs nanAlpha = inputsFor(good, NAN);
    EXPECT_TRUE(fails(nanAlpha));

    // A vertical first segment gives no finite trailing-edge slope when the
    // lower-surface correction needs it.
    SectionSample vertical = withSeparatedSurface(true);
    vertical.x[2] = vertical.x[1];
    EXPECT_TRUE(fails(inputsFor(vertical, -2)));
    EXPECT_TRUE(ComputeDrag(inputsFor(vertical, 2)).ok()); // not needed at positive incidence
}

} // namespace
} // namespace ribcraft
