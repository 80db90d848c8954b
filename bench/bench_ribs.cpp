// SPDX-License-Identifier: MIT
// Rib outlines for printing and cutting: the inner outline of one rib (NACA
// 2412 at the default 120 points and at 340 points, a 1/16-in skin on a 10-in
// chord) and the whole layout of a 5-rib wing with two spar notches, which the
// Export Ribs command and every printed template page need.
#include <benchmark/benchmark.h>

#include "app/Recompute.h"
#include "app/RibExport.h"
#include "app/dialogs/DialogProtocol.h"
#include "app/dialogs/OptionsDialogModel.h"
#include "geometry/RibGeometry.h"

namespace {

ribcraft::SharedState section(const char* count) {
    ribcraft::SharedState state;
    state.Texts.SectionName = "2412";
    state.Texts.AngleText = "0";
    ribcraft::OptionsDialogModel options(state);
    options.setCountText(count);
    options.ok();
    ribcraft::AfterOptionsAccepted(state);
    (void)ribcraft::RecomputeForRedraw(state);
    return state;
}

void BM_InnerOutline(benchmark::State& bench, const char* count) {
    const ribcraft::SharedState state = section(count);
    ribcraft::Loop rib;
    for (int i = 1; i <= state.PointCount; ++i)
        rib.push_back({10.0 * state.SectionX[i], 10.0 * state.SectionY[i]});
    for (auto _ : bench)
        benchmark::DoNotOptimize(ribcraft::InnerOutline(rib, 1.0 / 16));
    bench.counters["points"] = double(rib.size());
}
BENCHMARK_CAPTURE(BM_InnerOutline, points120, "120")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InnerOutline, points340, "340")->Unit(benchmark::kMillisecond);

void BM_LayOutWing(benchmark::State& bench) {
    const ribcraft::SharedState state = section("120");
    ribcraft::RibJob job;
    job.RootChord = 10, job.TipChord = 6, job.Ribs = 5, job.SkinThickness = 1.0 / 16;
    job.Notches = {{30, 0.25, 0.25, true, true}, {65, 0.125, 0.2, true, false}};
    for (auto _ : bench)
        benchmark::DoNotOptimize(ribcraft::LayOutRibs(state, job));
}
BENCHMARK(BM_LayOutWing)->Unit(benchmark::kMillisecond);

} // namespace
