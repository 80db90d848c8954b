#include "app/BoundaryLayer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/Drag.h"
#include "app/PanelDriver.h"
#include "extlib/Capacities.h"

namespace ribcraft {

namespace {

// The outline without the leading-edge point N/2 + 1, closed by point 1 as
// entry CompCount + 1, and the split of the stations at the stagnation point.
struct Compacted {
    int n = 0;                     // PointCount
    std::vector<double> x, y, v;   // 1-based, CompCount + 1 entries
    std::vector<int> outlinePoint; // compacted index -> outline point
    int count = 0;                 // CompCount
    int k = 0, k2 = 0;             // stations of the first surface; of the second without its closing one
};

Compacted compact(const SharedState& s) {
    Compacted c;
    c.n = s.PointCount;
    c.x.assign(c.n + 2, 0.0);
    c.y.assign(c.n + 2, 0.0);
    c.v.assign(c.n + 2, 0.0);
    c.outlinePoint.assign(c.n + 2, 0);
    for (int i = 1; i <= c.n; ++i) {
        if (i == c.n / 2 + 1) continue;
        ++c.count;
        c.x[c.count] = s.SectionX[i];
        c.y[c.count] = s.SectionY[i];
        c.v[c.count] = s.SurfaceV[i];
        c.outlinePoint[c.count] = i;
    }
    c.x[c.count + 1] = s.SectionX[1];
    c.y[c.count + 1] = s.SectionY[1];
    c.outlinePoint[c.count + 1] = c.n + 1;
    const int stag = s.StagPoint;
    c.k = stag > c.n / 2 ? stag - 1 : stag;
    c.k2 = stag <= c.n / 2 ? c.count - stag : c.count - stag + 1;
    return c;
}

void sizeStations(BlSurfaceSolution& w, int stations) {
    w.StationCount = stations;
    for (auto* v : {&w.ArcLength, &w.EdgeVelocity, &w.StationX, &w.WallShear})
        v->assign(stations + 1, 0.0);
    for (auto& col : w.Thickness)
        col.assign(stations + 1, 0.0);
}

// Stations of one surface and the outline point of each.
std::vector<int> buildStations(const Compacted& c, const SharedState& s, bool second, BlSurfaceSolution& w) {
    const int stations = second ? c.k2 + 1 : c.k;
    sizeStations(w, stations);
    std::vector<int> point(stations + 1, 0);
    for (int m = 1; m <= stations; ++m) {
        const int p = second ? (m <= c.k2 ? m + c.count - c.k2 - 1 : c.count + 1) : c.k - m + 1;
        point[m] = c.outlinePoint[p];
        w.StationX[m] = c.x[p];
        if (m > 1) {
            const int q = second ? p - 1 : p + 1; // the station before, towards the stagnation point
            w.ArcLength[m] = w.ArcLength[m - 1] + std::hypot(c.x[p] - c.x[q], c.y[p] - c.y[q]);
        }
        if (m == 1)
            w.EdgeVelocity[m] = second ? std::abs(double(s.SurfaceV[s.StagPoint])) : std::abs(c.v[c.k]);
        else if (!second)
            w.EdgeVelocity[m] = c.v[p];
        else
            w.EdgeVelocity[m] = m <= c.k2 ? std::abs(c.v[p]) : double(s.SurfaceV[1]);
    }
    w.TrailingStation = stations + 1;
    for (int m = 1; m <= stations; ++m)
        if (w.StationX[m] > 0.95) {
            w.TrailingStation = m;
            break;
        }
    return point;
}

bool allFinite(const std::vector<double>& v, size_t from, size_t to) {
    return std::all_of(v.begin() + long(from), v.begin() + long(to), [](double d) { return std::isfinite(d); });
}

// One solver call; the results of the solved stations are copied into w.
bool solveSurface(const BlSolver& solver, const SharedState& s, BlSurfaceSolution& w) {
    constexpr int ld = cap::BlStations;
    const int n = w.StationCount;
    std::vector<double> arc(ld, 0.0), ue(ld, 0.0), shear(ld, 0.0);
    std::vector<double> py(size_t(ld) * cap::BlProfilePoints, 0.0), pu(py.size(), 0.0);
    std::vector<double> thick(size_t(ld) * cap::BlThicknessColumns, 0.0);
    std::copy(w.ArcLength.begin() + 1, w.ArcLength.end(), arc.begin());
    std::copy(w.EdgeVelocity.begin() + 1, w.EdgeVelocity.end(), ue.begin());
    double re = s.re, rough = s.BlRough, grid = s.BlLimit;
    int32_t stations = n, solved = s.BlPoints, code = s.BlOptions - 1;
    solver(arc[0], ue[0], re, py[0], pu[0], shear[0], thick[0], stations, solved, rough, code, grid);
    if (solved < 2 || solved > n) return false;

    w.SolvedCount = solved;
    w.ProfilePoints = s.BlPoints + 1;
    const int pts = w.ProfilePoints;
    w.ProfileY.assign(size_t(solved) * pts, 0.0);
    w.ProfileU.assign(size_t(solved) * pts, 0.0);
    for (int i = 1; i <= solved; ++i)
        for (int j = 1; j <= pts; ++j) {
            w.ProfileY[size_t(i - 1) * pts + (j - 1)] = py[cap::at2(i, j, ld)];
            w.ProfileU[size_t(i - 1) * pts + (j - 1)] = pu[cap::at2(i, j, ld)];
        }
    for (int i = 1; i <= n; ++i) {
        w.WallShear[i] = shear[i - 1];
        for (int c = 1; c <= 4; ++c)
            w.Thickness[c - 1][i] = thick[cap::at2(i, c, ld)];
    }
    bool finite = allFinite(w.ProfileY, 0, w.ProfileY.size()) && allFinite(w.ProfileU, 0, w.ProfileU.size()) &&
                  allFinite(w.WallShear, 1, size_t(solved) + 1);
    for (const auto& col : w.Thickness)
        finite = finite && allFinite(col, 1, size_t(n) + 1);
    return finite;
}

// Blasius thickness and the profile edge of each solved station.
void viewData(BlSurfaceSolution& w, double re) {
    w.Blasius.assign(w.SolvedCount + 1, 0.0);
    w.EdgeIndex.assign(w.SolvedCount + 1, 0);
    for (int i = 2; i <= w.SolvedCount; ++i) {
        w.Blasius[i] = 3.5 * std::sqrt(2 * w.ArcLength[i] / re);
        for (int j = 1; j <= w.ProfilePoints; ++j)
            if (w.profileU(i, j) >= 0.99 * w.EdgeVelocity[i]) {
                w.EdgeIndex[i] = j;
                break;
            }
    }
}

// Outline ordinates offset along the normal of each point's outline segment.
struct Offsets {
    std::vector<double> displaced, edge; // per outline point, offsets only
    std::vector<bool> set;
};

void offsetSurface(const SharedState& s, const BlSurfaceSolution& w, const std::vector<int>& point, Offsets& o) {
    const int n = s.PointCount;
    for (int m = 1; m <= w.StationCount; ++m) {
        const int p = point[m];
        const int a = p <= n ? p : n; // segment p -> p + 1; the closing point uses the last segment
        const double dx = double(s.SectionX[a + 1]) - s.SectionX[a], dy = double(s.SectionY[a + 1]) - s.SectionY[a];
        const double len = std::hypot(dx, dy);
        const double tx = len > 0 ? dx / len : 0;
        o.displaced[p] = tx * w.thickness(m, 2);
        o.edge[p] = tx * w.thickness(m, 1);
        o.set[p] = true;
    }
}

// Outline points that are no station of either surface (the leading-edge
// point, and the last upper point before the trailing edge, which the
// second surface's closing station steps over) take the mean offset of their
// neighbours, so the displaced contour has no dent there.
void fillGaps(Offsets& o, int n) {
    for (int p = 2; p <= n; ++p) {
        if (o.set[p]) continue;
        o.displaced[p] = (o.displaced[p - 1] + o.displaced[p + 1]) / 2;
        o.edge[p] = (o.edge[p - 1] + o.edge[p + 1]) / 2;
    }
}

bool solveOne(const BlSolver& solver, const SharedState& s, const Compacted& c, bool second, BlSurfaceSolution& w,
              Offsets& o, std::string& warning) {
    const std::vector<int> point = buildStations(c, s, second, w);
    if (!solveSurface(solver, s, w)) return false;
    RepairThickness(w);
    w.Cd = SurfaceDragCoefficient(w, second);
    if (!std::isfinite(w.Cd)) return false;
    for (int c2 = 1; c2 < 4; ++c2)
        if (!allFinite(w.Thickness[c2], 1, size_t(w.StationCount) + 1)) return false;
    offsetSurface(s, w, point, o);
    viewData(w, s.re);
    if (SeparationWarns(w.SolvedCount, second ? c.k2 : c.k)) {
        w.SeparationPoint = point[w.SolvedCount];
        w.SeparationX = w.StationX[w.SolvedCount];
        if (!warning.empty()) warning += '\n';
        warning += SeparationCaption(second, w.SeparationX);
    }
    return true;
}

bool inputsUsable(const SharedState& s) {
    const int n = s.PointCount;
    if (!s.HaveSolution || n < 6 || n % 2 != 0 || n + 1 > cap::Outline || n > cap::BlStations) return false;
    if (s.BlPoints < 1 || s.BlPoints + 1 > cap::BlProfilePoints) return false;
    if (!(s.re > 0) || !std::isfinite(s.re) || !std::isfinite(s.BlRough) || !std::isfinite(s.BlLimit)) return false;
    if (s.StagPoint < 1 || s.StagPoint > n) return false;
    for (int i = 1; i <= n + 1; ++i)
        if (!std::isfinite(s.SectionX[i]) || !std::isfinite(s.SectionY[i])) return false;
    for (int i = 1; i <= n; ++i)
        if (!std::isfinite(s.SurfaceV[i])) return false;
    return true;
}

} // namespace

bool BoundaryLayerWanted(const SharedState& s) {
    return s.CompBlFlag == 1 || s.DialogCancelled == 0 || !s.Bl.Solved;
}

CommandResult BoundaryLayer(SharedState& s, const BlSolver& solver) {
    if (!BoundaryLayerWanted(s)) return {};
    if (!inputsUsable(s) || !solver) return CommandResult::failure(BlErrorMessage);
    const Compacted c = compact(s);
    if (c.k < 2 || c.k2 < 1) return CommandResult::failure(BlErrorMessage);

    BoundaryLayerStore next;
    Offsets o{std::vector<double>(s.PointCount + 2, 0.0), std::vector<double>(s.PointCount + 2, 0.0),
              std::vector<bool>(s.PointCount + 2, false)};
    std::string warning;
    if (!solveOne(solver, s, c, false, next.Lower, o, warning) || !solveOne(solver, s, c, true, next.Upper, o, warning))
        return CommandResult::failure(BlErrorMessage);
    const double cd = next.Lower.Cd + next.Upper.Cd;
    if (!std::isfinite(cd)) return CommandResult::failure(BlErrorMessage);

    fillGaps(o, s.PointCount);
    const auto displaced = s.DisplacedY, edge = s.EdgeY;
    for (int p = 1; p <= s.PointCount + 1; ++p) {
        s.DisplacedY[p] = float(s.SectionY[p] + o.displaced[p]);
        s.EdgeY[p] = float(s.SectionY[p] + o.edge[p]);
    }
    // The lift of the displaced contour; a contour the panel method refuses is a fault of the layer.
    if (!newCLCm(s).ok()) {
        s.DisplacedY = displaced;
        s.EdgeY = edge;
        return CommandResult::failure(BlErrorMessage);
    }
    next.Solved = true;
    s.Bl = std::move(next);
    s.CdCFD = cd;
    s.CompBlFlag = 0;
    s.DialogCancelled = 1;
    s.Bl.ResultLine = BlResultLine(s.ClBl, s.CdCFD);
    CommandResult r;
    r.warning = warning;
    return r;
}

} // namespace ribcraft
