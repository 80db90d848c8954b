// SPDX-License-Identifier: MIT
#pragma once
// Sections from coordinate files: an upper and a lower list of points, each
// from the leading edge to the trailing edge, with their own counts and
// spacing, resampled onto the cosine stations shared by both surfaces.
//
// The two lists are joined into one loop (lower surface backwards, then the
// upper surface; a shared first point is kept once) and a cubic spline in arc
// length is laid through it, so the round leading edge is followed smoothly.
// The leading edge is the point of least x on that spline, which need not be
// a file point: lists that start at different points simply meet there.
// Each surface is then sampled from the leading edge to its own last point,
// and the result is moved and scaled uniformly so that the leading edge lies
// at (0, 0) and the chord is 1 (no rotation). Trailing-edge ends that differ
// (an open or uneven edge) are closed onto the midpoint of the two ends by a
// correction that grows linearly from the leading edge.
//
// Lists that can be built: 3 to cap::RawList points each, finite values, x
// never decreasing along a list, and each list spanning a positive length of
// chord. Repeated consecutive points are dropped.

#include <cstdint>
#include <optional>
#include <vector>

#include "extlib/airfoil/Outline.h"

namespace ribcraft::airfoil {

inline constexpr int kMinRawPoints = 3;
inline constexpr int kMaxRawPoints = cap::RawList;

struct RawSection {
    std::vector<double> xUpper, yUpper, xLower, yLower;
};

// Copies the callers' float lists; nullopt when a count is outside 3..cap::RawList
// (nothing is read then).
std::optional<RawSection> ReadRawSection(const float* xUpper, const float* yUpper, int32_t nUpper, const float* xLower,
                                         const float* yLower, int32_t nLower);

bool CanBuildFileSection(const RawSection& raw);
bool CanBuildFileSection(const float* xUpper, const float* yUpper, int32_t nUpper, const float* xLower,
                         const float* yLower, int32_t nLower);

std::optional<Outline> BuildFileOutline(const RawSection& raw, int h);

} // namespace ribcraft::airfoil
