// SPDX-License-Identifier: MIT
// A full redraw of the main views: the panel solution, drag and thin-airfoil
// coefficients recomputed (the state is dirty, as after every command) and
// the view drawn, at the default 120 points. The window redraws this way on
// every command, so each should stay well under 10 ms.
#include <benchmark/benchmark.h>

#include "app/SharedState.h"
#include "plot/RecordingSurface.h"
#include "plot/Redraw.h"

namespace {

// alternate = true switches between two sections on every redraw, so the
// panel kernel cannot reuse the factorisation of the previous outline.
void redrawView(benchmark::State& bench, int vflag, int xchoice, bool alternate = false) {
    ribcraft::SharedState state;
    state.Texts.SectionName = "2412";
    state.Texts.AngleText = "4";
    state.VFlag = vflag;
    state.XChoice = xchoice;
    ribcraft::RecordingSurface surface(1200, 800);
    bool other = false;
    for (auto _ : bench) {
        if (alternate) {
            other = !other;
            state.Texts.SectionName = other ? "0012" : "2412";
        }
        state.NewFlag = 1;
        surface.clearItems();
        const ribcraft::CommandResult r = ribcraft::RedrawView(state, surface);
        if (!r.ok()) {
            bench.SkipWithError(r.message().c_str());
            break;
        }
        benchmark::DoNotOptimize(surface.items().size());
    }
    bench.counters["primitives"] = double(surface.items().size());
}

void BM_RedrawVelocityDistribution(benchmark::State& s) {
    redrawView(s, 1, 0);
}
void BM_RedrawCoordinates(benchmark::State& s) {
    redrawView(s, 1, 2);
}
void BM_RedrawSurfaceCp(benchmark::State& s) {
    redrawView(s, 2, 0);
}
void BM_RedrawSurfaceVelocity(benchmark::State& s) {
    redrawView(s, 3, 0);
}
void BM_RedrawFourier(benchmark::State& s) {
    redrawView(s, 9, 0);
}
void BM_RedrawSurfaceCpNewSection(benchmark::State& s) {
    redrawView(s, 2, 0, true);
}

} // namespace

BENCHMARK(BM_RedrawVelocityDistribution)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawCoordinates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawSurfaceCp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawSurfaceVelocity)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawFourier)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawSurfaceCpNewSection)->Unit(benchmark::kMillisecond);
