// Thin-airfoil evaluation of a cambered section at the callers' settings
// (N = 120, order 200) and at the largest loop the outline arrays hold.

#include "extlib/Capacities.h"
#include "geometry/LinAero.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <numbers>

namespace {

void buildLoop(int h, std::array<float, ribcraft::cap::Outline + 1>& X,
               std::array<float, ribcraft::cap::Outline + 1>& Y) {
    for (int k = 0; k <= h; ++k) {
        const double x = (1.0 - std::cos(std::numbers::pi * k / h)) / 2.0;
        const double yc = x < 0.4 ? 0.125 * (0.8 * x - x * x) : 0.02 / 0.36 * (0.2 + 0.8 * x - x * x);
        const double yt = 0.6 * (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x);
        X[h + 1 - k] = X[h + 1 + k] = static_cast<float>(x);
        Y[h + 1 - k] = static_cast<float>(yc - yt);
        Y[h + 1 + k] = static_cast<float>(yc + yt);
    }
}

void BM_LinAero(benchmark::State& state) {
    const int h = static_cast<int>(state.range(0));
    std::array<float, ribcraft::cap::Outline + 1> X{}, Y{};
    buildLoop(h, X, Y);
    for (auto _ : state) {
        ribcraft::LinAero la;
        la.AngleOfAttack = 4.0;
        la.NumberOfPoints = 2 * h;
        la.SimulationOrder = 200;
        if (!la.AeroCoeff(Y[1], X[1]).ok()) state.SkipWithError("the thin-airfoil evaluation refused the loop");
        benchmark::DoNotOptimize(la.A0);
    }
}
BENCHMARK(BM_LinAero)->Arg(60)->Arg(170);

} // namespace
