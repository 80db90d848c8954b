// SPDX-License-Identifier: MIT
#pragma once
// The detailed boundary layer of the current panel solution: stations of both
// surfaces, one solver call per surface, thickness repair after separation,
// the displaced contours DisplacedY and EdgeY, the drag CdCFD, the
// displaced-contour lift (newCLCm) and the separation warnings. The drawing
// of the boundary-layer views lives in plot (BoundaryLayerView).

#include <cstdint>
#include <functional>
#include <string>

#include "app/CommandResult.h"
#include "app/SharedState.h"

namespace ribcraft {

// The solver's argument list (that of Blayer2): ArcLength(1), EdgeVelocity(1),
// Re, ProfileY(1,1), ProfileU(1,1), WallShear(1), Thickness(1,1),
// StationCount, SolvedCount, Roughness, TransitionCode, GridHeight. 2-D
// arrays have the leading dimension cap::BlStations.
using BlSolver = std::function<void(double&, double&, double&, double&, double&, double&, double&, int32_t&, int32_t&,
                                    double&, int32_t&, double&)>;

// Whether the next BoundaryLayer call solves: the options dialog's OK
// (CompBlFlag 1), an open dialog protocol (DialogCancelled 0), or no solution
// stored yet. Otherwise the stored solution is reused.
bool BoundaryLayerWanted(const SharedState& s);

// Solves both surfaces with the library solver when BoundaryLayerWanted, else
// does nothing. On success: the store, DisplacedY, EdgeY, CdCFD, ClBl, CmLeBl,
// CompBlFlag 0, DialogCancelled 1; the result's warning holds the separation
// caption(s), one per line. On any fault the previous solution stays and the
// program's boundary-layer message is returned.
CommandResult BoundaryLayer(SharedState& s);
// The same with another solver (tests).
CommandResult BoundaryLayer(SharedState& s, const BlSolver& solver);

// The result line heading every boundary-layer view.
std::string BlResultLine(double clBl, double cdCfd);

// Separation caption of a surface ("Lower Surface Seperation at x= 0.12").
std::string SeparationCaption(bool upperSurface, double x);

// The separation test: fewer than 90 % of the surface's stations solved.
inline bool SeparationWarns(int solvedCount, int surfaceStations) {
    return surfaceStations > 0 && double(solvedCount) / double(surfaceStations) < 0.9;
}

// Thickness repair after separation: from the first solved station where
// delta* stops growing sensibly (rate < 0 or > 1 per unit arc length) to the
// last station of the surface, delta*, theta and the fourth column follow the
// straight line through the two stations before it. Needs SolvedCount >= 2.
void RepairThickness(BlSurfaceSolution& surface);

// Squire-Young drag of one surface from its repaired thickness columns. NaN
// when the indexes it needs do not exist.
double SurfaceDragCoefficient(const BlSurfaceSolution& surface);

} // namespace ribcraft
