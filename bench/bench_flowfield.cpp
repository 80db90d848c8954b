// SPDX-License-Identifier: MIT
// Timing of the flow-field views at 120 panels: the fixed 61 x 31 mesh with
// the flow on it, the contours of one field, a whole streamline or pressure
// view on the recording surface, and the largest user mesh.

#include <benchmark/benchmark.h>

#include "app/FlowFieldDriver.h"
#include "app/PanelDriver.h"
#include "plot/AnalysisViews.h"
#include "plot/FlowFieldViews.h"
#include "plot/RecordingSurface.h"

namespace {

using namespace ribcraft;

SharedState Solved(const char* section, const char* angle) {
    SharedState s;
    s.Texts.SectionName = section;
    s.Texts.AngleText = angle;
    PlainSolution(s);
    return s;
}

void GridAndFlow(benchmark::State& state) {
    SharedState s = Solved("4412", "6");
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeFlowField(s, 0).ok());
    }
}
BENCHMARK(GridAndFlow)->Unit(benchmark::kMillisecond);

void ContoursOnly(benchmark::State& state) {
    SharedState s = Solved("4412", "6");
    ComputeFlowField(s, 0);
    RecordingSurface surface(900, 600);
    for (auto _ : state) {
        surface.clearItems();
        s.Flow.ContourView = 0;
        benchmark::DoNotOptimize(ComputeContours(s, 5).ok());
        DrawPressureContours(surface, s);
    }
}
BENCHMARK(ContoursOnly)->Unit(benchmark::kMillisecond);

// What a redraw of view 4 or 5 costs beyond the panel solution.
void WholeView(benchmark::State& state) {
    SharedState s = Solved("4412", "6");
    s.VFlag = static_cast<int>(state.range(0));
    RecordingSurface surface(900, 600);
    for (auto _ : state) {
        surface.clearItems();
        benchmark::DoNotOptimize(ComputeFlowField(s, 0).ok());
        benchmark::DoNotOptimize(ComputeContours(s, s.VFlag).ok());
        s.Inputs.Stamps.FlowField.Made = true;
        FlowFieldView(surface, s);
    }
}
BENCHMARK(WholeView)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

void LargestUserMesh(benchmark::State& state) {
    SharedState s = Solved("4412", "6");
    s.MeshX = cap::MeshI;
    s.MeshY = cap::MeshJ;
    for (auto _ : state) {
        s.NewGrid = 1;
        benchmark::DoNotOptimize(ComputeFlowField(s, 1).ok());
    }
}
BENCHMARK(LargestUserMesh)->Unit(benchmark::kMillisecond);

} // namespace
