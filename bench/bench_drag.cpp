// SPDX-License-Identifier: MIT
// Drag estimate of a 120-point surface distribution: both surfaces marched,
// as after every redraw and for every angle of a polar sweep.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <vector>

#include "analysis/Drag.h"

namespace {

// Symmetric Joukowski section at 4 degrees with its exact potential-flow
// surface speed per panel (Kutta condition at the cusp).
struct Distribution {
    std::vector<float> x, y, v;
};

Distribution joukowski(int n, double alphaDeg) {
    const double pi = 4 * std::atan(1.0), m = 0.09, alpha = alphaDeg * pi / 180;
    const auto circle = [&](double t) { return std::complex<double>(-m, 0) + (1 + m) * std::polar(1.0, t); };
    const double leading = -(1 + 2 * m) - 1 / (1 + 2 * m), chord = 2 - leading;
    Distribution d{std::vector<float>(n + 1), std::vector<float>(n + 1), std::vector<float>(n)};
    for (int i = 0; i <= n; ++i) {
        const auto zeta = circle(-2 * pi * i / n);
        const auto z = zeta + 1.0 / zeta;
        d.x[i] = static_cast<float>((z.real() - leading) / chord);
        d.y[i] = static_cast<float>(z.imag() / chord);
    }
    for (int i = 0; i < n; ++i) {
        const double t = -2 * pi * (i + 0.5) / n;
        const auto zeta = circle(t);
        d.v[i] = static_cast<float>(2 * std::abs(std::sin(t - alpha) + std::sin(alpha)) /
                                    std::abs(1.0 - 1.0 / (zeta * zeta)));
    }
    return d;
}

void BM_ComputeDrag120(benchmark::State& state) {
    const Distribution d = joukowski(120, 4);
    ribcraft::DragInputs in;
    in.SectionX = d.x;
    in.SectionY = d.y;
    in.SurfaceV = d.v;
    in.N = 120;
    in.Alpha = 4;
    in.re = 1e6;
    in.PolarSolution = static_cast<int>(state.range(0));
    for (auto _ : state) {
        ribcraft::Result<ribcraft::DragResult> r = ribcraft::ComputeDrag(in);
        benchmark::DoNotOptimize(r->Cd);
    }
}
BENCHMARK(BM_ComputeDrag120)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
