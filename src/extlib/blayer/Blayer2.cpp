// SPDX-License-Identifier: MIT
#include "extlib/blayer/Blayer2.h"

#include "extlib/Capacities.h"
#include "extlib/blayer/BoundaryLayerMarch.h"

#include <cmath>

// The caller's arrays are read for StationCount stations and written for the
// solved stations and BlPoints + 1 profile points only. Input the solver
// refuses (counts beyond the capacities, values that are not numbers, a
// Reynolds number or grid height that is not positive, an unknown transition
// code) leaves every output as it was and returns SolvedCount = 0.
void Blayer2(double& ArcLength, double& EdgeVelocity, double& Re, double& ProfileY, double& ProfileU, double& WallShear,
             double& Thickness, int32_t& StationCount, int32_t& SolvedCount, double& Roughness, int32_t& TransitionCode,
             double& GridHeight) {
    namespace cap = ribcraft::cap;
    namespace bl = ribcraft::blayer;
    const int stations = StationCount;
    if (stations < 1 || stations > cap::BlStations) {
        SolvedCount = 0;
        return;
    }
    bl::MarchInput in;
    in.s.assign(&ArcLength, &ArcLength + stations);
    in.ue.assign(&EdgeVelocity, &EdgeVelocity + stations);
    in.re = Re;
    in.intervals = SolvedCount;
    in.roughness = Roughness;
    in.transitionCode = TransitionCode;
    in.gridHeight = GridHeight;
    if (!bl::CheckInput(in)) {
        SolvedCount = 0;
        return;
    }
    const bl::MarchResult r = bl::MarchLayer(in);
    double* y = &ProfileY;
    double* u = &ProfileU;
    double* shear = &WallShear;
    double* thick = &Thickness;
    constexpr int ld = cap::BlStations;
    const int solved = static_cast<int>(r.stations.size());
    for (int i = 1; i <= solved; ++i) {
        const bl::StationOutput& o = r.stations[i - 1];
        for (int j = 1; j <= static_cast<int>(o.y.size()); ++j) {
            y[cap::At2(i, j, ld)] = o.y[j - 1];
            u[cap::At2(i, j, ld)] = o.u[j - 1];
        }
        shear[i - 1] = o.wallShear;
        const double columns[cap::BlThicknessColumns] = {o.delta, o.deltaStar, o.theta, o.energy};
        for (int c = 1; c <= cap::BlThicknessColumns; ++c)
            thick[cap::At2(i, c, ld)] = columns[c - 1];
    }
    SolvedCount = solved;
}
