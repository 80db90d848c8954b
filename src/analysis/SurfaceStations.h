// SPDX-License-Identifier: MIT
#pragma once
// The stations on which the boundary layers of a panel solution are marched,
// for every consumer (drag estimate, polar sweep, detailed boundary layer).
//
// The panel solution gives one speed per panel, at the panel midpoint, in
// outline order (point 1 at the trailing edge, the lower surface forward to
// the leading-edge point N/2 + 1, the upper surface back to point N + 1).
// The stagnation point lies between the two neighbouring midpoints where the
// speed along the loop changes sign; it is placed where the linear
// interpolation of that signed speed vanishes, so it moves continuously with
// the angle of attack. Each surface then runs from the stagnation point
// (station 1, arc length 0, speed 0) over the midpoints of its panels, in
// order away from it, to a closing station on its trailing-edge point that
// carries the speed of its last panel. Arc lengths are measured along the
// outline. Both surfaces follow the same rules, so a mirrored section at
// mirrored angles gives mirrored stations.

#include <span>
#include <vector>

namespace ribcraft {

// A panel solution as the stations need it. x and y hold the N + 1 outline
// points (element 0 is point 1, the last repeats the first), v the N panel
// speeds measured away from the stagnation point (their sign is not relied on).
struct SurfaceDistribution {
    std::span<const float> x, y, v;
    int N = 0;
};

// Stations of one surface, 1-based (element 0 unused): station 1 is the
// stagnation point, station count the trailing edge.
struct SurfaceStations {
    int count = 0;
    std::vector<double> s;  // arc length from the stagnation point, chords
    std::vector<double> ue; // edge speed U / Vinf
    std::vector<double> x;  // chord position
    std::vector<int> panel; // panel (1..N) of a midpoint station; 0 at the stagnation point and trailing edge
};

struct StationLayout {
    int StagPoint = 0;           // panel of least speed (1..N)
    double StagX = 0, StagY = 0; // where the stagnation point lies
    SurfaceStations first;       // towards point 1: the lower surface at positive lift
    SurfaceStations second;      // towards point N + 1
    // Arc position of each outline point (1..N + 1) measured from the
    // stagnation point, negative on the first surface.
    std::vector<double> pointArc;
};

// Panel of least |v| (1..N) among the panels in the front half of the chord,
// where the stagnation point of any attached flow lies; the last of equal
// minima wins. 0 when there is no panel or no finite speed. x holds the N + 1
// outline points.
int FindStagnationPanel(std::span<const float> x, std::span<const float> v, int N);

// The layout of both surfaces; false when the distribution cannot give two
// surfaces (too few points, values that are not finite, panels of no length).
bool BuildStations(const SurfaceDistribution& d, StationLayout& out);

// Slope |dy/dx| of a surface's trailing-edge panel, in degrees as the simple
// flow-separation model takes it (infinite for a vertical panel).
double TrailingEdgeSlope(const SurfaceDistribution& d, bool secondSurface);

// Ordinate offsets (1..N + 1, element 0 unused) that move each outline point
// out along the surface normal by the thickness of its surface, interpolated
// in arc length between the stations. Each thickness list is 1-based per
// station of its surface; the two trailing-edge points take their own
// surface's value, so a displaced contour stays open there by the wake.
std::vector<double> OutlineOffsets(const SurfaceDistribution& d, const StationLayout& layout,
                                   const std::vector<double>& firstThickness,
                                   const std::vector<double>& secondThickness);

} // namespace ribcraft
