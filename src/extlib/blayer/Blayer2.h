// SPDX-License-Identifier: MIT
#pragma once
// Entry point of the finite-difference boundary-layer library. Every argument
// by reference, arrays by their first element; reals are 8-byte doubles and
// counts 4-byte integers. 2-D arrays are (station, column) column by column
// with leading dimension cap::BlStations (extlib/Capacities.h).
//  1 ArcLength(1)      in   arc length from the stagnation point, chords
//  2 EdgeVelocity(1)   in   edge velocity ratio per station
//  3 Re                in   Reynolds number
//  4 ProfileY(1,1)     out  distance from the wall of each profile point
//  5 ProfileU(1,1)     out  velocity u/Vinf of each profile point
//  6 WallShear(1)      out  wall shear per station
//  7 Thickness(1,1)    out  columns: delta, delta*, theta, a fourth integral quantity
//  8 StationCount      in   stations of the surface
//  9 SolvedCount       in/out  in: points across the layer; out: stations solved (<= StationCount)
// 10 Roughness         in   wall roughness parameter, 0 = natural transition
// 11 TransitionCode    in   transition model code
// 12 GridHeight        in   height of the grid (Blasius parameter)

#include <cstdint>

void Blayer2(double& ArcLength, double& EdgeVelocity, double& Re, double& ProfileY, double& ProfileU, double& WallShear,
             double& Thickness, int32_t& StationCount, int32_t& SolvedCount, double& Roughness, int32_t& TransitionCode,
             double& GridHeight);
