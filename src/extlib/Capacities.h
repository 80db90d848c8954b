// SPDX-License-Identifier: MIT
#pragma once
// Capacities of the callers' arrays handed to the three numerical libraries.
// Every array is 1-based in meaning: a caller declares capacity + 1 entries
// and passes element 1. Two-dimensional arrays are stored column by column,
// so the first capacity of a 2-D array is also its leading dimension; a
// kernel indexes element (i, j) at offset (i - 1) + (j - 1) * leading.
// No kernel writes past these bounds.

#include <cstddef>
#include <cstdint>

namespace ribcraft::cap {

// Outline and per-point surface results (SectionX, SectionY, DistX, SurfaceCp, SurfaceV, DisplacedY, ...).
inline constexpr int Outline = 400;
// Raw coordinate-file lists (XUpper, YUpper, XLower, YLower).
inline constexpr int RawList = 200;
// Mesh point arrays GridX(k, j), GridY(k, j): k around the section, j outward.
inline constexpr int MeshI = 200;
inline constexpr int MeshJ = 100;
// Points of a whole mesh store (one coordinate).
inline constexpr std::size_t MeshPoints = std::size_t(MeshI) * MeshJ;
// Flow fields CpField(k, j), PsiField(k, j).
inline constexpr int FieldI = 100;
inline constexpr int FieldJ = 100;
// Contour segments X1(s, l) ... : segment s of level l.
inline constexpr int Segments = 400;
inline constexpr int Levels = 60;
// Boundary-layer solver workspace: stations of one surface and points across the layer.
inline constexpr int BlStations = 400;
inline constexpr int BlProfilePoints = 200;
inline constexpr int BlThicknessColumns = 4;

// Offset of element (i, j) (1-based) in a column-major array with leading dimension ld.
constexpr int At2(int i, int j, int ld) {
    return (i - 1) + (j - 1) * ld;
}

} // namespace ribcraft::cap
