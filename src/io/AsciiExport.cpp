#include "io/AsciiExport.h"

#include <algorithm>

#include "base/ViewCodes.h"
#include "extlib/Capacities.h"
#include "io/AtomicFile.h"
#include "io/NumberFormat.h"

namespace ribcraft {
namespace {

std::string pairRow(double a, double b, std::string_view picture) {
    return PrintLine().join(FormatNumber(a, picture)).zone(FormatNumber(b, picture)).str();
}

// Heading, upper block (H + 1 .. N), heading, lower block (H .. 1); x and v have N entries.
void appendSurfaceBlocks(std::vector<std::string>& lines, std::string_view upperHeading, std::string_view lowerHeading,
                         std::span<const float> x, std::span<const float> v) {
    const size_t n = std::min(x.size(), v.size());
    const size_t h = n / 2;
    const std::string count = FreeForm(static_cast<double>(h));
    lines.push_back(std::string(upperHeading) + count + " Points");
    for (size_t i = h + 1; i <= n; ++i)
        lines.push_back(pairRow(x[i - 1], v[i - 1], "#0.000000"));
    lines.push_back(std::string(lowerHeading) + count + " Points");
    for (size_t i = h; i >= 1; --i)
        lines.push_back(pairRow(x[i - 1], v[i - 1], "#0.000000"));
}

} // namespace

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text.append(line).append("\r\n");
    return text;
}

Status WriteTextFile(const std::string& path, std::string_view text) {
    return WriteFileAtomically(path, text);
}

std::vector<std::string> CoordinateLines(std::string_view sectionName, std::span<const float> x,
                                         std::span<const float> y) {
    std::vector<std::string> lines{"Coordinates for " + std::string(sectionName)};
    appendSurfaceBlocks(lines, "Upper Surface Coordinates (x,y) ", "Lower Surface Coordinates (x,y) ", x, y);
    return lines;
}

std::vector<std::string> DistributionLines(int vflag, std::string_view sectionName, std::string_view angleDisplay,
                                           std::span<const float> x, std::span<const float> value) {
    const bool cp = vflag == ViewCode::SurfaceCp;
    std::vector<std::string> lines{std::string(cp ? "Surface Cp for: " : "Surface Velocity for: ") +
                                   std::string(sectionName) + " at " + std::string(angleDisplay)};
    appendSurfaceBlocks(lines, cp ? "Upper Surface Cp (x,Cp) " : "Upper Surface Velocity (x,V) ",
                        cp ? "Lower Surface Cp (x,Cp) " : "Lower Surface Velocity (x,V) ", x, value);
    return lines;
}

std::vector<std::string> MeshLines(int meshX, int meshY, const float* gridX, const float* gridY) {
    std::vector<std::string> lines;
    lines.push_back(PrintLine().join(PrintItem(meshX)).zone(PrintItem(meshY)).str());
    if (!gridX || !gridY) return lines;
    // Never read past the mesh arrays, whatever the counts say.
    meshX = std::clamp(meshX, 0, cap::MeshI);
    meshY = std::clamp(meshY, 0, cap::MeshJ);
    for (int j = 1; j <= meshY; ++j)
        for (int k = meshX; k >= 1; --k) {
            const int at = cap::At2(k, j, cap::MeshI);
            lines.push_back(PrintLine().join(PrintItemSingle(gridX[at])).zone(PrintItemSingle(gridY[at])).str());
        }
    return lines;
}

std::vector<std::string> PolarLines(std::span<const PolarRecord> polars) {
    std::vector<std::string> lines;
    for (const PolarRecord& polar : polars) {
        lines.push_back("Lift-Drag Polar for " + polar.sectionName);
        lines.push_back("Reynolds Number: " + polar.reynoldsText);
        lines.push_back(PrintLine()
                            .join("Angle(Deg)")
                            .zone("Cl      ")
                            .zone("Cd      ")
                            .zone("Cm      ")
                            .zone("Up Tran(%c) ")
                            .zone("Lo Tran(%c)")
                            .str());
        for (const PolarPoint& p : polar.points) {
            PrintLine line;
            line.join(FormatNumber(p.angle, "#0.00"))
                .zone(FormatNumber(p.cl, "##0.00000"))
                .zone(FormatNumber(p.storedCd / 1000.0, "0.000000"))
                .zone(FormatNumber(p.cm, "0.000000"))
                .zone(FormatNumber(p.upperTransition, "#0.00"))
                .zone(FormatNumber(p.lowerTransition, "#0.00"));
            // A point past the stall: its lift is beyond what the method predicts.
            if (p.stalled) line.zone("stalled");
            lines.push_back(line.str());
        }
    }
    return lines;
}

int BlProfileStation(bool upperSurface, int stationCount, int profile, int profileCount) {
    if (profileCount < 1 || profile < 1 || profile > profileCount) return 0;
    const long long n = stationCount;
    const long long k = upperSurface ? n * (profile - 1) / profileCount + 1 : n * profile / profileCount;
    return (k >= 1 && k <= n) ? static_cast<int>(k) : 0;
}

namespace {

void appendProfiles(std::vector<std::string>& lines, const BlSurfaceExport& s, bool upper, int profileCount) {
    const int stations = static_cast<int>(std::min({s.stationX.size(), s.distance.size(), s.velocity.size()}));
    for (int p = 1; p <= profileCount; ++p) {
        const int k = BlProfileStation(upper, stations, p, profileCount);
        if (k == 0) continue;
        const auto& d = s.distance[static_cast<size_t>(k - 1)];
        const auto& u = s.velocity[static_cast<size_t>(k - 1)];
        lines.push_back("X-Station:  " + FormatNumber(s.stationX[static_cast<size_t>(k - 1)], "#0.00000"));
        for (size_t i = 0; i < std::min(d.size(), u.size()); ++i)
            lines.push_back(pairRow(d[i], u[i], "#0.00000"));
    }
}

void appendStations(std::vector<std::string>& lines, const std::vector<double>& s, const std::vector<double>& v) {
    for (size_t i = 0; i < std::min(s.size(), v.size()); ++i)
        lines.push_back(pairRow(s[i], v[i], "#0.00000"));
}

} // namespace

std::vector<std::string> BoundaryLayerLines(int blDisplayOpt, const BlExportInput& bl) {
    static constexpr std::string_view titles[] = {"Boundary Layer Velocity Profiles on the Upper Surface",
                                                  "Boundary Layer Velocity Profiles on the Lower Surface",
                                                  "Boundary Layer Thickness on the Upper Surface",
                                                  "Boundary Layer Thickness on the Lower Surface",
                                                  "Friction Coeff. on the Upper Surface",
                                                  "Friction Coeff. on the Lower Surface"};
    if (blDisplayOpt < BlSubView::UpperProfiles || blDisplayOpt > BlSubView::LowerFriction) return {};
    std::vector<std::string> lines{std::string(titles[blDisplayOpt - BlSubView::UpperProfiles]),
                                   "Airfoil: " + bl.sectionName + " Reynolds Number: " + FreeForm(bl.re)};
    const bool upper = blDisplayOpt % 2 == 1;
    const BlSurfaceExport& s = upper ? bl.upper : bl.lower;
    if (blDisplayOpt <= BlSubView::LowerProfiles)
        appendProfiles(lines, s, upper, bl.profileCount);
    else
        appendStations(lines, s.arcLength, blDisplayOpt <= BlSubView::LowerThickness ? s.thickness : s.friction);
    return lines;
}

std::vector<std::string> FourierListingLines(std::span<const float, 9> a) {
    std::vector<std::string> lines{"   FOURIER COEFFICIENTS FOR", "   THIN AIRFOIL COMPUTATIONS", ""};
    for (int k = 0; k <= 8; ++k)
        lines.push_back("   A" + std::to_string(k) + " = " + FormatNumber(a[k], "#0.000000"));
    return lines;
}

std::string AsciiFileText(const AsciiExportSources& src) {
    switch (src.VFlag) {
    case ViewCode::Airfoil:
        return JoinCrLf(CoordinateLines(src.sectionName, src.sectionX, src.sectionY));
    case ViewCode::SurfaceCp:
        return JoinCrLf(
            DistributionLines(ViewCode::SurfaceCp, src.sectionName, src.angleDisplay, src.distX, src.surfaceCp));
    case ViewCode::SurfaceVelocity:
        return JoinCrLf(
            DistributionLines(ViewCode::SurfaceVelocity, src.sectionName, src.angleDisplay, src.distX, src.surfaceV));
    case ViewCode::Mesh:
        return JoinCrLf(MeshLines(src.meshX, src.meshY, src.gridX, src.gridY));
    case ViewCode::BoundaryLayer:
        return src.bl ? JoinCrLf(BoundaryLayerLines(src.blDisplayOpt, *src.bl)) : std::string();
    case ViewCode::Polar:
        return JoinCrLf(PolarLines(src.polars));
    case ViewCode::Report:
        return JoinCrLf(src.reportLines);
    case ViewCode::Fourier:
        return src.fourier.data() ? JoinCrLf(FourierListingLines(src.fourier)) : std::string();
    default:
        return {};
    }
}

std::optional<std::string> SaveDialogTitle(int vflag, std::string_view sectionName) {
    const std::string name(sectionName);
    switch (vflag) {
    case ViewCode::Airfoil:
        return "Save " + name + " Airfoil DATA";
    case ViewCode::SurfaceCp:
        return "Save Pressure Coefficient for " + name;
    case ViewCode::SurfaceVelocity:
        return "Save Velocity Distribution for " + name;
    case ViewCode::Mesh:
        return "Save Mesh for " + name;
    case ViewCode::Polar:
        return "Save CL-CD Polar";
    case ViewCode::BoundaryLayer:
        return "Save CFD Bounday Layer Solution";
    case ViewCode::Report:
        return "Save Report for " + name;
    case ViewCode::Fourier:
        return "Save Fourier Coefficients for " + name;
    default:
        return std::nullopt;
    }
}

} // namespace ribcraft
