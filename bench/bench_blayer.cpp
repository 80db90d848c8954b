// SPDX-License-Identifier: MIT
// One surface of an airfoil-like layer through the fixed entry point: 60
// stations from the stagnation point to the trailing edge, 33 points across,
// natural transition at Re = 1e6.

#include "extlib/Capacities.h"
#include "extlib/blayer/Blayer2.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Edge velocity shaped like a 12 %-thick symmetric section at zero
// incidence: linear from the stagnation point to a peak of 1.2 near 10 %
// chord, then falling to 0.9 at the trailing edge.
double edgeVelocity(double s) {
    if (s <= 0.1) return 1.2 * std::sin(std::numbers::pi / 2 * s / 0.1);
    return 1.2 - 0.3 * (s - 0.1) / 0.92;
}

void BM_Blayer2Surface(benchmark::State& state) {
    namespace cap = ribcraft::cap;
    const int stations = 60;
    std::vector<double> s(cap::BlStations + 1), ue(cap::BlStations + 1);
    for (int k = 0; k < stations; ++k) {
        const double t = static_cast<double>(k) / (stations - 1);
        s[k] = 1.02 * (1.0 - std::cos(std::numbers::pi / 2 * t)); // clustered near the nose
        ue[k] = edgeVelocity(s[k]);
    }
    std::vector<double> y(cap::BlStations * cap::BlProfilePoints), u(y.size()), shear(cap::BlStations),
        thick(cap::BlStations * cap::BlThicknessColumns);
    double re = 1e6, rough = 0, height = 50;
    int32_t count = stations, code = 2, solved = 0;
    for (auto _ : state) {
        solved = 32;
        Blayer2(s[0], ue[0], re, y[0], u[0], shear[0], thick[0], count, solved, rough, code, height);
        benchmark::DoNotOptimize(thick.data());
    }
    state.counters["solved"] = solved; // 60 when the layer reaches the trailing edge
}
BENCHMARK(BM_Blayer2Surface)->Unit(benchmark::kMillisecond);

} // namespace
