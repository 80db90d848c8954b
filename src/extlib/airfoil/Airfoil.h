#pragma once
// Entry points of the airfoil library: section geometry and panel solution,
// O-grid, flow field and contours. Every argument is passed by reference,
// arrays by their first element (1-based meaning, 2-D arrays column by column
// with the leading dimensions of extlib/Capacities.h), reals as 4-byte floats
// and counts as 4-byte integers.

#include <cstdint>

#include "extlib/CallStatus.h"

namespace ribcraft::airfoil {
// Outcome of the calling thread's last call of Airfoil, FoilGrid, Flow or Contr.
KernelCall LastCall();
void SetLastCall(KernelCall outcome);

// Section geometry and panel solution.
//  1 SectionNumber   in      NACA digits as a number (2412, 23012)
//  2 Alpha           in      angle of attack, degrees
//  3 SectionX        in/out  outline x, 2*SurfacePoints + 1 points
//  4 DistX           out     chord position per panel
//  5 SectionY        in/out  outline y (DisplacedY for a displaced-contour solution)
//  6 Cp              out     pressure coefficient per panel
//  7 V               out     velocity ratio per panel, >= 0 where attached, measured away from the stagnation point
//  8 Cl, 9 CmLE      out     lift and moment about the leading edge (nose up positive)
// 10 FlapAngleRad    in      flap deflection, radians, trailing edge down positive; 0 = no flap
// 11 HingeFraction   in      hinge position, fraction of chord
// 12 SurfacePoints   in      points per surface h
// 13 Reserved        in      a temporary the callers pass as 0
// 14..17 YUpper, YLower, XUpper, XLower   in   raw file lists
// 18 NUpper, 19 NLower                    in   their counts
// 20 RawAirfoilFlag  in      1 = build the section from the raw lists
// 21 Mode            in      0 = build the outline, 1 = take the outline passed in 3 and 5
void Airfoil(int32_t& SectionNumber, float& Alpha, float& SectionX, float& DistX, float& SectionY, float& Cp, float& V,
             float& Cl, float& CmLE, float& FlapAngleRad, float& HingeFraction, int32_t& SurfacePoints,
             int32_t& Reserved, float& YUpper, float& YLower, float& XUpper, float& XLower, int32_t& NUpper,
             int32_t& NLower, int32_t& RawAirfoilFlag, int32_t& Mode);

// O-grid around the closed outline. GridX, GridY have leading dimension cap::MeshI.
// On entry GridY(1,1) holds the outer radius in chords and GridY(1,2) the clustering factor.
void FoilGrid(float& X, float& Y, int32_t& Count, int32_t& Ni, int32_t& Nj, float& GridX, float& GridY, int32_t& One);

// Flow at the grid points. Grid arrays: leading dimension cap::MeshI; CpField, PsiField: cap::FieldI.
void Flow(float& V, float& X, float& Y, int32_t& Count, float& GridX, float& GridY, int32_t& StagPoint, float& CpField,
          float& PsiField, int32_t& Ni, int32_t& Nj);

// Contour segments of a field. Grid: cap::MeshI; Field: cap::FieldI; segment arrays: cap::Segments
// by level (at most cap::Levels levels, cap::Segments segments a level).
void Contr(float& GridX, float& GridY, float& Field, float& Levels, int32_t& Ni, int32_t& Nj, int32_t& NLevels,
           float& X1, float& Y1, float& X2, float& Y2, int32_t& SegmentCount);

} // namespace ribcraft::airfoil
