// SPDX-License-Identifier: MIT
// Transition and the turbulent layer: a flat plate at a high Reynolds number
// against standard skin-friction correlations, and the roles of the
// transition codes and of the roughness parameter.

#include "extlib/blayer/BoundaryLayerMarch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using ribcraft::blayer::MarchInput;
using ribcraft::blayer::MarchResult;
using ribcraft::blayer::StopReason;

MarchInput plateInput(
    double re, int code, const std::function<double(double)>& ue = [](double) { return 1.0; }) {
    MarchInput in;
    for (int k = 0; k <= 100; ++k) {
        in.s.push_back(k / 100.0);
        in.ue.push_back(ue(k / 100.0));
    }
    in.re = re;
    in.intervals = 32;
    in.gridHeight = 50;
    in.transitionCode = code;
    return in;
}

TEST(TurbulentMarch, FlatPlateFollowsTurbulentCorrelations) {
    const MarchInput in = plateInput(1e7, 2);
    const MarchResult r = ribcraft::blayer::MarchLayer(in);
    ASSERT_EQ(r.stations.size(), in.s.size());
    // Michel's criterion on the Blasius layer (Re_theta = 0.664 sqrt(Re_x))
    // is met near Re_x = 2.3e6, i.e. s = 0.23 at Re = 1e7.
    ASSERT_GT(r.transitionStation, 15);
    ASSERT_LT(r.transitionStation, 30);
    EXPECT_FALSE(r.stations[r.transitionStation - 1].turbulent);
    for (int n = 50; n <= 100; n += 10) {
        const auto& o = r.stations[n];
        EXPECT_TRUE(o.turbulent);
        const double rex = in.re * in.s[n], reTheta = in.re * o.theta;
        // Power-law correlations of the 1/7 profile, within 10 %.
        EXPECT_NEAR(o.wallShear, 0.0592 * std::pow(rex, -0.2), 0.10 * 0.0592 * std::pow(rex, -0.2)) << "s " << in.s[n];
        EXPECT_NEAR(o.wallShear, 0.0256 * std::pow(reTheta, -0.25), 0.10 * 0.0256 * std::pow(reTheta, -0.25));
        const double h = o.deltaStar / o.theta;
        EXPECT_GT(h, 1.3);
        EXPECT_LT(h, 1.45);
        // Turbulent friction far above the laminar value at the same Re_x.
        EXPECT_GT(o.wallShear, 3.0 * 0.664 / std::sqrt(rex));
    }
}

TEST(TurbulentMarch, LaminarCodeNeverTransitions) {
    const MarchResult r = ribcraft::blayer::MarchLayer(plateInput(1e7, 0));
    ASSERT_EQ(r.stations.size(), 101u);
    EXPECT_EQ(r.transitionStation, -1);
    const auto& o = r.stations.back();
    EXPECT_FALSE(o.turbulent);
    EXPECT_NEAR(o.wallShear * std::sqrt(1e7), 0.664, 0.02 * 0.664);
}

TEST(TurbulentMarch, RoughnessMovesTransitionForward) {
    MarchInput in = plateInput(1e7, 2);
    const int smooth = ribcraft::blayer::MarchLayer(in).transitionStation;
    in.roughness = 1.0;
    const int rough = ribcraft::blayer::MarchLayer(in).transitionStation;
    in.roughness = 1000.0;
    const int tripped = ribcraft::blayer::MarchLayer(in).transitionStation;
    ASSERT_GT(smooth, 0);
    EXPECT_GT(rough, 0);
    EXPECT_LT(rough, smooth);
    EXPECT_EQ(tripped, 1);
}

TEST(TurbulentMarch, TransitionAtLaminarSeparationCarriesTheLayerOn) {
    // Howarth's flow separates at s = 0.96 while laminar.
    const auto howarth = [](double s) { return 1.0 - s / 8.0; };
    const MarchResult laminar = ribcraft::blayer::MarchLayer(plateInput(1e6, 0, howarth));
    EXPECT_NE(laminar.stop, StopReason::End);
    ASSERT_LT(laminar.stations.size(), 101u);
    for (int code : {1, 2}) {
        const MarchResult r = ribcraft::blayer::MarchLayer(plateInput(1e6, code, howarth));
        EXPECT_EQ(r.stations.size(), 101u) << "code " << code;
        ASSERT_GT(r.transitionStation, 0);
        EXPECT_LE(r.transitionStation, static_cast<int>(laminar.stations.size()));
        EXPECT_TRUE(r.stations.back().turbulent);
        EXPECT_GT(r.stations.back().wallShear, 0.0);
    }
}

TEST(TurbulentMarch, StrongDecelerationStopsTheTurbulentLayer) {
    // Ue falling to a third over the chord separates even a turbulent layer.
    const MarchResult r = ribcraft::blayer::MarchLayer(
        plateInput(1e7, 2, [](double s) { return s < 0.3 ? 1.0 : 1.0 - 0.95 * (s - 0.3); }));
    ASSERT_LT(r.stations.size(), 101u);
    ASSERT_GT(r.stations.size(), 30u);
    EXPECT_TRUE(r.stations.back().turbulent);
    for (const auto& o : r.stations) {
        EXPECT_TRUE(std::isfinite(o.wallShear) && std::isfinite(o.theta) && std::isfinite(o.delta));
        EXPECT_GE(o.wallShear, 0.0);
    }
}

} // namespace
