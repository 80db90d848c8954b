// SPDX-License-Identifier: MIT
// The laminar march against similar solutions of the Falkner-Skan equation
// (computed in FalknerSkanReference.h by shooting) and against Howarth's
// linearly decelerated flow.

#include "extlib/blayer/BoundaryLayerMarch.h"
#include "extlib/blayer/KellerBox.h"

#include "FalknerSkanReference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using ribcraft::blayer::MarchInput;
using ribcraft::blayer::MarchResult;
using ribcraft::blayer::StationOutput;

// Stations s = 0, ds, 2 ds, ... up to length with Ue = ue(s).
MarchInput laminarInput(const std::function<double(double)>& ue, double length, int stations) {
    MarchInput in;
    for (int k = 0; k < stations; ++k) {
        const double s = length * k / (stations - 1);
        in.s.push_back(s);
        in.ue.push_back(ue(s));
    }
    in.re = 1e5;
    in.intervals = 64;
    in.gridHeight = 10;
    in.transitionCode = 0;
    return in;
}

// f''(0) of a solved station, recovered from the wall shear Cf = 2 f''(0) / sqrt(Re_x).
double wallCurvature(const MarchInput& in, const StationOutput& o, int n) {
    const double ue = in.ue[n];
    const double rex = in.re * ue * in.s[n];
    return o.wallShear / (ue * ue) * std::sqrt(rex) / 2.0;
}

TEST(LaminarMarch, FlatPlateMatchesBlasius) {
    const MarchInput in = laminarInput([](double) { return 1.0; }, 1.0, 41);
    const MarchResult r = ribcraft::blayer::MarchLayer(in);
    ASSERT_EQ(r.stations.size(), in.s.size());
    const auto ref = blayer_test::falknerSkan(0.0);
    // Literature values of the Blasius solution, and the shooting reference agrees with them.
    EXPECT_NEAR(ref.wallCurvature, 0.33206, 2e-5);
    EXPECT_NEAR(ref.displacement(), 1.7208, 1e-3);
    for (int n = 1; n < 41; n += 8) {
        const StationOutput& o = r.stations[n];
        const double x = in.s[n], rex = in.re * x;
        const double cf = o.wallShear; // Ue = 1
        EXPECT_NEAR(cf * std::sqrt(rex), 0.664, 0.01 * 0.664) << "station " << n;
        EXPECT_NEAR(o.deltaStar * std::sqrt(rex) / x, 1.7208, 0.01 * 1.7208);
        EXPECT_NEAR(o.theta * std::sqrt(rex) / x, 0.664, 0.01 * 0.664);
        EXPECT_NEAR(o.deltaStar / o.theta, 2.59, 0.01 * 2.59);
        EXPECT_NEAR(o.delta * std::sqrt(rex) / x, 4.91, 0.03 * 4.91); // 99 % thickness, interpolated
        // Profile points against the reference at the same eta, within 0.005 Ue.
        const double scale = std::sqrt(x / in.re);
        for (size_t j = 0; j < o.y.size(); ++j)
            EXPECT_NEAR(o.u[j], ref.velocity(o.y[j] / scale), 5e-3) << "station " << n << " point " << j;
    }
}

TEST(LaminarMarch, StagnationAndWedgeFlowsStaySimilar) {
    struct Case {
        double m;
        double curvature; // literature value where one is quoted, else 0
    };
    for (const Case c : {Case{1.0, 1.23259}, Case{1.0 / 3.0, 0.0}, Case{0.1, 0.0}}) {
        const MarchInput in = laminarInput([&](double s) { return std::pow(s, c.m); }, 1.0, 31);
        const MarchResult r = ribcraft::blayer::MarchLayer(in);
        ASSERT_EQ(r.stations.size(), in.s.size()) << "m = " << c.m;
        const auto ref = blayer_test::falknerSkan(c.m);
        if (c.curvature > 0) {
            EXPECT_NEAR(ref.wallCurvature, c.curvature, 1e-4);
        }
        for (int n = 2; n < 31; n += 4) {
            const StationOutput& o = r.stations[n];
            EXPECT_NEAR(wallCurvature(in, o, n), ref.wallCurvature, 0.01 * ref.wallCurvature)
                << "m = " << c.m << " station " << n;
            const double scale = std::sqrt(in.s[n] / (in.re * in.ue[n]));
            EXPECT_NEAR(o.deltaStar / scale, ref.displacement(), 0.01 * ref.displacement()) << "m = " << c.m;
        }
    }
}

TEST(LaminarMarch, HowarthFlowSeparatesNearTheKnownPoint) {
    // Ue = 1 - s/8: Howarth's series and later exact computations put the
    // separation at s/8 = 0.1199, s = 0.959.
    const MarchInput in = laminarInput([](double s) { return 1.0 - s / 8.0; }, 1.5, 301);
    const MarchResult r = ribcraft::blayer::MarchLayer(in);
    ASSERT_LT(r.stations.size(), in.s.size());
    const double last = in.s[r.stations.size() - 1];
    EXPECT_NEAR(last, 0.959, 0.03 * 0.959);
    // The wall shear falls towards zero as separation nears.
    const StationOutput& o = r.stations.back();
    EXPECT_GT(o.wallShear, 0.0);
    EXPECT_LT(o.wallShear, 0.3 * r.stations[20].wallShear);
}

} // namespace
