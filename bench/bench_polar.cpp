// SPDX-License-Identifier: MIT
// One polar sweep of 21 angles at the default 120 points (two panel solutions
// and two integral boundary-layer marches, one per surface, per angle), and the drawing of stored
// polars. The sweep runs when a polar view is first asked for; it should stay
// well under a second.
#include <benchmark/benchmark.h>

#include "app/PolarSweep.h"
#include "app/SharedState.h"
#include "plot/AnalysisViews.h"
#include "plot/RecordingSurface.h"

namespace {

void PolarSweep(benchmark::State& bench) {
    ribcraft::SharedState state;
    state.Texts.SectionName = "2412";
    for (auto _ : bench) {
        state.PolarCount = 0; // forget the polar so that it is computed again
        const ribcraft::PolarOutcome o = ribcraft::Polar(state);
        if (!o.computed || !o.result.ok()) bench.SkipWithError("the sweep did not run");
        benchmark::DoNotOptimize(state.Polars.Polars.data());
    }
}
BENCHMARK(PolarSweep)->Unit(benchmark::kMillisecond);

// Drawing ten stored polars in the Cl-Cd view; nothing is computed.
void DrawStoredPolars(benchmark::State& bench) {
    ribcraft::SharedState state;
    ribcraft::Polar(state);
    for (int j = 1; j < 10; ++j) {
        ribcraft::StoredPolar copy = state.Polars.Polars[0];
        copy.Key.SectionName += std::to_string(j);
        state.Polars.Polars.push_back(copy);
    }
    state.PolarCount = 10;
    state.VFlag = 10;
    state.PolarView = 1;
    ribcraft::RecordingSurface surface(1200, 800);
    for (auto _ : bench) {
        surface.clearItems();
        ribcraft::PolarView(surface, state);
        benchmark::DoNotOptimize(surface.items().size());
    }
}
BENCHMARK(DrawStoredPolars)->Unit(benchmark::kMicrosecond);

} // namespace
