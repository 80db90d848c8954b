// SPDX-License-Identifier: MIT
// The per-surface rules of the detailed boundary layer that do not touch the
// shared state: thickness repair, drag, captions and the separation test.

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/BoundaryLayer.h"
#include "io/NumberFormat.h"

namespace ribcraft {

std::string BlResultLine(double clBl, double cdCfd) {
    return "CFD Boundary Layer Solution: Cl = " + FormatNumber(clBl, "0.00000") +
           "  Cd = " + FormatNumber(cdCfd, "#0.00000");
}

std::string SeparationCaption(bool upperSurface, double x) {
    return std::string(upperSurface ? "Upper" : "Lower") + " Surface Seperation at x= " + FormatNumber(x, "0.00");
}

void RepairThickness(BlSurfaceSolution& w) {
    const int solved = w.SolvedCount, last = w.StationCount;
    if (solved < 2 || solved > last) return;
    const std::vector<double>& s = w.ArcLength;
    const std::vector<double>& dstar = w.Thickness[1];
    // Only solved stations are compared: past SolvedCount the solver left no
    // values. delta* also thins without any separation where the flow
    // accelerates (near the stagnation point) and at transition, where the
    // shape factor falls from about 3 to 1.5 while theta keeps growing; so a
    // fall counts only where the edge velocity does not rise and theta falls too.
    const std::vector<double>& ue = w.EdgeVelocity;
    const std::vector<double>& theta = w.Thickness[2];
    int from = solved;
    for (int b = 1; b < solved; ++b) {
        const double rate = (dstar[b + 1] - dstar[b]) / (s[b + 1] - s[b] + 1e-07);
        const bool thinning = rate < 0 && ue[b + 1] <= ue[b] && theta[b + 1] < theta[b];
        if (thinning || rate > 1) {
            from = b - 1;
            break;
        }
    }
    // The straight line needs two stations behind it.
    from = std::max(from, 2);
    for (int c = 1; c < 4; ++c) {
        std::vector<double>& col = w.Thickness[c];
        const double slope = (col[from] - col[from - 1]) / (s[from] - s[from - 1] + 1e-06);
        const double base = col[from];
        for (int i = from; i <= last; ++i)
            col[i] = base + slope * (s[i] - s[from]);
    }
}

double SurfaceDragCoefficient(const BlSurfaceSolution& w) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const int n = w.StationCount, m = w.SolvedCount, j = w.TrailingStation;
    if (n < 2 || m < 2 || m > n) return nan;
    const double H = w.thickness(n, 2) / w.thickness(n, 3);
    const double exponent = (5 + H) / 2;
    if (j >= 2 && j <= n && m >= j)
        return 2 * w.thickness(j - 1, 3) / w.StationX[j] * std::pow(w.EdgeVelocity[j - 1], exponent);
    // Both surfaces refer the separated layer to the arc length it reached.
    return 2 * w.thickness(m - 1, 3) / w.ArcLength[m] * std::pow(w.EdgeVelocity[m - 1], exponent);
}

} // namespace ribcraft
