// SPDX-License-Identifier: MIT
#pragma once
// The stored polars: identity and points of every polar computed in this run.
// SharedState::PolarCount says how many of them count; "RESET POLAR" sets it
// to 0 and the next sweep drops the forgotten entries.

#include <array>
#include <string>
#include <vector>

namespace ribcraft {

// What makes a polar: the section-name text, the flap deflection and flap
// length (the numbers at the start of the two flap displays) and re; and
// what else the sweep depends on: the section's source (a file section by its
// point lists), the point count and the drag options.
struct PolarKey {
    std::string SectionName;
    double FlapDeflection = 0;
    double FlapLength = 0;
    double re = 0;
    int RawAirfoilFlag = 0;
    std::vector<float> FilePoints{}; // XUpper, YUpper, XLower, YLower of a file section
    int SurfacePoints = 0;
    int PolarSolution = 0;
    int FlowSeperationModel = 0;
    friend bool operator==(const PolarKey&, const PolarKey&) = default;
};

// Columns of a polar row.
enum PolarColumn : int {
    PolarAngle = 0,           // geometric angle of attack, degrees
    PolarCl = 1,              // lift coefficient of the displaced contour
    PolarCd = 2,              // drag coefficient x 1000
    PolarCm = 3,              // moment about the quarter chord
    PolarUpperTransition = 4, // transition x/c of the second (upper) surface
    PolarLowerTransition = 5, // transition x/c of the first (lower) surface
};
using PolarRow = std::array<double, 6>;

struct StoredPolar {
    PolarKey Key;
    std::vector<PolarRow> PolarData; // one row per stored angle
    // Per row: half a chord or more of one surface's arc was separated (the
    // stall flag), so the lift of that row is beyond what the method predicts.
    std::vector<bool> Stalled = {};
    bool stalled(size_t row) const { return row < Stalled.size() && Stalled[row]; }
    int PolarPoints() const { return static_cast<int>(PolarData.size()); }
};

struct PolarStore {
    // At most this many polars are kept; once full, the stored ones stay and
    // new ones are refused until the polars are reset.
    static constexpr int MaxPolars = 20;
    // Angles of one sweep: -20 to +20 degrees in steps of 2.
    static constexpr int SweepSize = 21;

    std::vector<StoredPolar> Polars; // at most MaxPolars, capacity grown on use
    double CmQuarter = 0;            // quarter-chord moment of the last angle computed
};

} // namespace ribcraft
