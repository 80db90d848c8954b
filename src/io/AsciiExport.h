#pragma once
// Text files written by the Save command: the data behind the current view, one layout per
// view code (VFlag), lines ending in CR LF, columns in 14-column print zones.
//
// Arrays are passed as spans over points 1..N of the caller's 1-based arrays (element k - 1 of
// the span is point k); 2-D mesh arrays as a pointer to element (1, 1) with leading dimension
// cap::MeshI.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Status.h"
#include "base/ViewCodes.h"

namespace ribcraft {

// Joins lines, each followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// Writes (replacing) a file byte for byte, whole or not at all.
Status WriteTextFile(const std::string& path, std::string_view text);

// View 1: the outline (index 1 at the trailing edge, lower surface, leading edge, upper surface),
// written as an upper block then a lower block, both from the leading edge.
std::vector<std::string> CoordinateLines(std::string_view sectionName, std::span<const float> x,
                                         std::span<const float> y);

// Views 2 (surface Cp) and 3 (surface velocity): x per panel and the value per panel, in the
// same order as the outline. angleDisplay is the angle as displayed ("0 Deg.").
std::vector<std::string> DistributionLines(int vflag, std::string_view sectionName, std::string_view angleDisplay,
                                           std::span<const float> x, std::span<const float> value);

// View 6: the mesh size, then every ring j = 1..meshY from k = meshX down to 1.
std::vector<std::string> MeshLines(int meshX, int meshY, const float* gridX, const float* gridY);

// One point of a stored polar; drag is kept in drag counts (Cd * 1000).
struct PolarPoint {
    double angle = 0;
    double cl = 0;
    double storedCd = 0;
    double cm = 0;
    double upperTransition = 0;
    double lowerTransition = 0;
    bool stalled = false; // the stall flag was set: marked at the end of the row
};

struct PolarRecord {
    std::string sectionName;
    std::string reynoldsText; // as the polar was labelled, e.g. "1000000"
    std::vector<PolarPoint> points;
};

// View 10: every stored polar, one after the other.
std::vector<std::string> PolarLines(std::span<const PolarRecord> polars);

// One surface of a boundary-layer solution; element k - 1 is station k.
struct BlSurfaceExport {
    std::vector<double> stationX;              // chord position of each station (profile headings)
    std::vector<double> arcLength;             // arc-length position of each station
    std::vector<double> thickness;             // boundary-layer thickness
    std::vector<double> friction;              // skin-friction coefficient
    std::vector<std::vector<double>> distance; // per station: distance above the surface of each point
    std::vector<std::vector<double>> velocity; // per station: u/Uinf of each point
};

struct BlExportInput {
    std::string sectionName;
    double re = 0;
    int profileCount = 0; // number of profiles shown (P)
    BlSurfaceExport upper, lower;
};

// Station (1-based) of profile s = 1..P: lower Int(NL * s / P), upper Int(NU * (s - 1) / P) + 1.
// Returns 0 when the station does not exist (fewer stations than profiles on the lower surface,
// or P < 1); such profiles are left out of the file.
int BlProfileStation(bool upperSurface, int stationCount, int profile, int profileCount);

// View 7 with BlDisplayOpt 1..6; an unknown option gives no lines.
std::vector<std::string> BoundaryLayerLines(int blDisplayOpt, const BlExportInput& bl);

// View 9: the listing of the thin-airfoil Fourier coefficients A0..A8, as the view shows it.
std::vector<std::string> FourierListingLines(std::span<const float, 9> a);

// Everything the Save command can write, by view.
struct AsciiExportSources {
    int VFlag = ViewCode::Airfoil;
    std::string sectionName;
    std::string angleDisplay;
    std::span<const float> sectionX, sectionY; // outline, points 1..PointCount
    std::span<const float> distX, surfaceCp, surfaceV;
    int meshX = 0, meshY = 0;
    const float* gridX = nullptr;
    const float* gridY = nullptr;
    std::span<const PolarRecord> polars;
    int blDisplayOpt = BlSubView::UpperProfiles;
    const BlExportInput* bl = nullptr;
    std::vector<std::string> reportLines; // ViewCode::Report: the report as text lines
    std::span<const float, 9> fourier{static_cast<const float*>(nullptr), 9}; // ViewCode::Fourier (unset: no data)
};

// The file text of the current view (views 4, 5 and unknown views: empty, they have no data to save).
std::string AsciiFileText(const AsciiExportSources& src);

// Title of the save dialog for a view; nullopt for views that keep the previous title.
std::optional<std::string> SaveDialogTitle(int vflag, std::string_view sectionName);

} // namespace ribcraft
