// SPDX-License-Identifier: MIT
#include "extlib/linaero/Linaero.h"

#include "extlib/Capacities.h"
#include "extlib/linaero/CamberFourier.h"

#include <cmath>
#include <vector>

namespace {
thread_local ribcraft::KernelCall g_lastCall = ribcraft::KernelCall::Written;
}

ribcraft::KernelCall ribcraft::linaero::LastCall() {
    return g_lastCall;
}

// The caller's camber-line arrays are read from element 1 for n stations and
// never further. A line the kernel refuses (fewer than 2 stations, more
// stations than an outline can hold, a resolution below 1, values that are
// not numbers, stations off the chord, coefficients beyond a 4-byte float) leaves the nine coefficients as the
// caller had them.
void linaero(float& alpha, float& yc, float& xc, int32_t& n, int32_t& order, float& A0, float& A1, float& A2, float& A3,
             float& A4, float& A5, float& A6, float& A7, float& A8) {
    g_lastCall = ribcraft::KernelCall::BadArguments;
    if (n < 2 || n > ribcraft::cap::Outline) return;
    g_lastCall = ribcraft::KernelCall::NoSolution;
    const float* y = &yc;
    const float* x = &xc;
    std::vector<double> xs(x, x + n), ys(y, y + n);
    const ribcraft::Result<ribcraft::linaero::FourierCoefficients> r =
        ribcraft::linaero::CamberFourier(alpha, xs, ys, order);
    if (!r) return;
    float values[ribcraft::linaero::CoefficientCount];
    for (int k = 0; k < ribcraft::linaero::CoefficientCount; ++k) {
        values[k] = static_cast<float>(r->A[k]);
        if (!std::isfinite(values[k])) return; // beyond the range of a 4-byte float
    }
    float* out[ribcraft::linaero::CoefficientCount] = {&A0, &A1, &A2, &A3, &A4, &A5, &A6, &A7, &A8};
    for (int k = 0; k < ribcraft::linaero::CoefficientCount; ++k)
        *out[k] = values[k];
    g_lastCall = ribcraft::KernelCall::Written;
}
