#pragma once
// The computing half of the flow-field views: the O-grid about the current
// outline, the flow on it and the contours of the field a view shows, kept in
// SharedState::Flow; and the user's mesh of the mesh view, kept in
// SharedState::MeshGridX/MeshGridY. The views of plot/FlowFieldViews.h draw
// the result and compute nothing.

#include <vector>

#include "app/CommandResult.h"
#include "app/SharedState.h"

namespace ribcraft {

// Mesh sizes the store can take and the smallest that make a mesh.
inline constexpr int MinMeshX = 3, MinMeshY = 2;
// The fixed mesh of the streamline and pressure views. The rings crowd
// towards the section (each 15 % wider than the one inside it, the first
// about 0.015 chord out), where the field changes fastest: with nearly even
// rings the first lay 0.14 chord out, and the contours drawn straight across
// those long cells showed as rays from the leading and trailing edges.
inline constexpr int FlowMeshX = 61, FlowMeshY = 31;
inline constexpr double FlowMeshRadius = 6, FlowMeshClustering = 1.15;

// Mode 0 (views 4 and 5): builds the fixed 61 x 31 mesh (radius 6,
// clustering 1.02) and solves the flow on it. Mode 1 (view 6): builds the
// user's mesh (MeshX x MeshY, OuterRadius, GridCluster) when NewGrid is 1 or
// when no mesh of that size is kept, copies it into MeshGridX/MeshGridY and
// clears NewGrid; otherwise the kept mesh stays as it is. MeshX and MeshY
// beyond the store are clamped to it.
//
// Needs a panel solution (HaveSolution). On failure (no solution, a mesh or
// flow the library refuses) the store and the kept mesh are left as they were.
CommandResult ComputeFlowField(SharedState& state, int mode);

// The contour levels of the two contour views: 50 stream-function levels
// from 1.5 down by 0.06 and the dividing streamline last; 33 pressure levels
// from cpHigh down to cpLow.
std::vector<float> StreamlineLevelValues(float dividingPsi);
std::vector<float> PressureLevelValues(double cpHigh, double cpLow);

// Cuts the contours of view vflag (4 streamlines, 5 pressure) on the store's
// grid and fields (after ComputeFlowField, mode 0) into Flow.Contours.
CommandResult ComputeContours(SharedState& state, int vflag);

} // namespace ribcraft
