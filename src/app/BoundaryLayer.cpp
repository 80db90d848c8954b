#include "app/BoundaryLayer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/Drag.h"
#include "analysis/SurfaceStations.h"
#include "app/PanelDriver.h"
#include "extlib/Capacities.h"

namespace ribcraft {

namespace {

void sizeStations(BlSurfaceSolution& w, int stations) {
    w.StationCount = stations;
    for (auto* v : {&w.ArcLength, &w.EdgeVelocity, &w.StationX, &w.WallShear})
        v->assign(size_t(stations) + 1, 0.0);
    for (auto& col : w.Thickness)
        col.assign(size_t(stations) + 1, 0.0);
}

// Past this chord position the edge speed is held at its last value ahead.
// The inviscid speed falls steeply over the last panels towards the
// stagnation point that a closed trailing edge has in potential flow; in a
// real flow the wake's displacement removes that stagnation point. Marching
// into it, the layer would stop short of the trailing edge on almost every
// surface and the separation warning would fire at ordinary angles.
constexpr double HeldEdgeSpeedFrom = 0.9;

// A surface's stations into the solution, and the first station past 0.95
// chord (walking from the stagnation point towards the trailing edge).
void takeStations(const SurfaceStations& st, BlSurfaceSolution& w) {
    sizeStations(w, st.count);
    std::copy(st.s.begin(), st.s.begin() + st.count + 1, w.ArcLength.begin());
    std::copy(st.ue.begin(), st.ue.begin() + st.count + 1, w.EdgeVelocity.begin());
    std::copy(st.x.begin(), st.x.begin() + st.count + 1, w.StationX.begin());
    for (int m = 3; m <= st.count; ++m)
        if (w.StationX[size_t(m)] > HeldEdgeSpeedFrom)
            w.EdgeVelocity[size_t(m)] = std::max(w.EdgeVelocity[size_t(m)], w.EdgeVelocity[size_t(m) - 1]);
    w.TrailingStation = st.count + 1;
    for (int m = 1; m <= st.count; ++m)
        if (w.StationX[size_t(m)] > 0.95) {
            w.TrailingStation = m;
            break;
        }
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
            w.ProfileY[size_t(i - 1) * pts + (j - 1)] = py[cap::At2(i, j, ld)];
            w.ProfileU[size_t(i - 1) * pts + (j - 1)] = pu[cap::At2(i, j, ld)];
        }
    for (int i = 1; i <= n; ++i) {
        w.WallShear[i] = shear[i - 1];
        for (int c = 1; c <= 4; ++c)
            w.Thickness[c - 1][i] = thick[cap::At2(i, c, ld)];
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

bool solveOne(const BlSolver& solver, const SharedState& s, const SurfaceStations& st, bool second,
              BlSurfaceSolution& w, std::string& warning) {
    takeStations(st, w);
    if (!solveSurface(solver, s, w)) return false;
    RepairThickness(w);
    w.Cd = SurfaceDragCoefficient(w);
    if (!std::isfinite(w.Cd)) return false;
    for (int c2 = 1; c2 < 4; ++c2)
        if (!allFinite(w.Thickness[c2], 1, size_t(w.StationCount) + 1)) return false;
    viewData(w, s.re);
    if (SeparationWarns(w.SolvedCount, w.StationCount)) {
        // The outline point behind the last solved station.
        const int panel = st.panel[size_t(w.SolvedCount)];
        w.SeparationPoint = panel == 0 ? (second ? s.PointCount + 1 : 1) : (second ? panel + 1 : panel);
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
    if (!inputsUsable(s) || !solver) return CommandResult::failure(ErrorKind::BoundaryLayerFailed, BlErrorMessage);
    s.SectionX[s.PointCount + 1] = s.SectionX[1];
    s.SectionY[s.PointCount + 1] = s.SectionY[1];
    const size_t n = size_t(s.PointCount);
    const SurfaceDistribution d{{&s.SectionX[1], n + 1}, {&s.SectionY[1], n + 1}, {&s.SurfaceV[1], n}, s.PointCount};
    StationLayout layout;
    if (!BuildStations(d, layout)) return CommandResult::failure(ErrorKind::BoundaryLayerFailed, BlErrorMessage);

    BoundaryLayerStore next;
    std::string warning;
    if (!solveOne(solver, s, layout.first, false, next.Lower, warning) ||
        !solveOne(solver, s, layout.second, true, next.Upper, warning))
        return CommandResult::failure(ErrorKind::BoundaryLayerFailed, BlErrorMessage);
    const double cd = next.Lower.Cd + next.Upper.Cd;
    if (!std::isfinite(cd)) return CommandResult::failure(ErrorKind::BoundaryLayerFailed, BlErrorMessage);

    // The contours displaced by delta* and by delta.
    const std::vector<double> displaced = OutlineOffsets(d, layout, next.Lower.Thickness[1], next.Upper.Thickness[1]);
    const std::vector<double> edge = OutlineOffsets(d, layout, next.Lower.Thickness[0], next.Upper.Thickness[0]);
    for (size_t p = 1; p <= n + 1; ++p) {
        if (!std::isfinite(displaced[p]) || !std::isfinite(edge[p]))
            return CommandResult::failure(ErrorKind::BoundaryLayerFailed, BlErrorMessage);
    }
    const auto keptDisplaced = s.DisplacedY, keptEdge = s.EdgeY;
    for (size_t p = 1; p <= n + 1; ++p) {
        s.DisplacedY[p] = float(s.SectionY[p] + displaced[p]);
        s.EdgeY[p] = float(s.SectionY[p] + edge[p]);
    }
    // The lift of the displaced contour; a contour the panel method refuses is a fault of the layer.
    if (!newCLCm(s).ok()) {
        s.DisplacedY = keptDisplaced;
        s.EdgeY = keptEdge;
        return CommandResult::failure(ErrorKind::BoundaryLayerFailed, BlErrorMessage);
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
