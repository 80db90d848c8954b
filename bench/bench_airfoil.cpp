// Timing of the airfoil entry: a full solution (outline, system, factorisation)
// at 120 and 340 panels, and a change of the angle of attack only.

#include <benchmark/benchmark.h>

#include "extlib/Capacities.h"
#include "extlib/airfoil/Airfoil.h"

namespace {

struct Call {
    int32_t section = 12, h = 60, reserved = 0, nUpper = 0, nLower = 0, raw = 0, mode = 0;
    float alpha = 0, cl = 0, cm = 0, flap = 0, hinge = 0;
    float x[ribcraft::cap::Outline + 1]{}, y[ribcraft::cap::Outline + 1]{}, dist[ribcraft::cap::Outline + 1]{};
    float cp[ribcraft::cap::Outline + 1]{}, v[ribcraft::cap::Outline + 1]{};
    float xu[ribcraft::cap::RawList + 1]{}, yu[ribcraft::cap::RawList + 1]{};
    float xl[ribcraft::cap::RawList + 1]{}, yl[ribcraft::cap::RawList + 1]{};
    void run() {
        ribcraft::airfoil::Airfoil(section, alpha, x[1], dist[1], y[1], cp[1], v[1], cl, cm, flap, hinge, h, reserved,
                                   yu[1], yl[1], xu[1], xl[1], nUpper, nLower, raw, mode);
    }
};

void FullSolution(benchmark::State& state) {
    Call c;
    c.h = static_cast<int32_t>(state.range(0)) / 2;
    for (auto _ : state) {
        // Cycle through three sections: the kernel keeps two outlines, so every
        // call builds and factorises anew.
        c.section = c.section == 12 ? 2412 : (c.section == 2412 ? 4412 : 12);
        c.run();
        benchmark::DoNotOptimize(c.cl);
    }
}
BENCHMARK(FullSolution)->Arg(120)->Arg(340)->Unit(benchmark::kMillisecond);

void AngleChangeOnly(benchmark::State& state) {
    Call c;
    c.section = 2412;
    c.run();
    for (auto _ : state) {
        c.alpha = c.alpha == 2.0f ? 3.0f : 2.0f;
        c.run();
        benchmark::DoNotOptimize(c.cl);
    }
}
BENCHMARK(AngleChangeOnly)->Unit(benchmark::kMicrosecond);

} // namespace
