// SPDX-License-Identifier: MIT
#include "app/FileCommands.h"

#include <algorithm>
#include <span>

#include "app/PolarSweep.h"
#include "app/Recompute.h"
#include "app/ReportSource.h"
#include "extlib/airfoil/FileSection.h"
#include "extlib/airfoil/NacaSection.h"
#include "io/AirfoilReader.h"
#include "io/AsciiExport.h"
#include "io/DxfExport.h"
#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

std::span<const float> points(const Array1<float, cap::Outline>& a, int n) {
    return {&a[1], size_t(n)};
}

} // namespace

CommandResult ReadAirfoil(SharedState& s, const std::string& path) {
    return AcceptAirfoilFile(s, ReadAirfoilFile(path), path);
}

CommandResult AcceptAirfoilFile(SharedState& s, const Result<AirfoilFileData>& read, const std::string& path) {
    if (!read) return CommandResult::from(read.status());
    const AirfoilFileData& file = read.value();
    const CommandResult refused = CommandResult::failure(
        ErrorKind::BadFile, AirfoilReadMessage("The section cannot be built from these points."));
    if (file.NUpper > cap::RawList || file.NLower > cap::RawList) return refused;

    Array1<float, cap::RawList> xu{}, yu{}, xl{}, yl{};
    for (int i = 1; i <= file.NUpper; ++i) {
        xu[i] = float(file.XUpper[i - 1]);
        yu[i] = float(file.YUpper[i - 1]);
    }
    for (int i = 1; i <= file.NLower; ++i) {
        xl[i] = float(file.XLower[i - 1]);
        yl[i] = float(file.YLower[i - 1]);
    }
    if (!airfoil::CanBuildFileSection(&xu[1], &yu[1], file.NUpper, &xl[1], &yl[1], file.NLower)) return refused;

    s.XUpper = xu;
    s.YUpper = yu;
    s.XLower = xl;
    s.YLower = yl;
    s.NUpper = file.NUpper;
    s.NLower = file.NLower;
    s.Texts.SectionName = file.name;
    s.FileSectionName = file.name;
    s.AirfoilFileName = path;
    s.RawAirfoilFlag = 1;
    s.NewFlag = 1;
    s.DialogCancelled = 0;
    s.NewGrid = 1;
    CommandResult taken;
    for (const std::string& w : file.warnings)
        taken.warning += (taken.warning.empty() ? "" : "\n") + w;
    return taken;
}

bool FileSectionTaken(const SharedState& s, const std::string& path) {
    return s.RawAirfoilFlag == 1 && s.AirfoilFileName == path && s.NewFlag == 0 &&
           IsCurrent(s, s.Inputs.Stamps.Panel, PanelGroups);
}

std::string AsciiFileText(const SharedState& s) {
    AsciiExportSources src;
    src.VFlag = s.VFlag;
    src.sectionName = s.Texts.SectionName;
    src.angleDisplay = s.Texts.AngleDisplay;
    src.sectionX = points(s.SectionX, s.PointCount);
    src.sectionY = points(s.SectionY, s.PointCount);
    src.distX = points(s.DistX, s.PointCount);
    src.surfaceCp = points(s.SurfaceCp, s.PointCount);
    src.surfaceV = points(s.SurfaceV, s.PointCount);
    // A mesh larger than the store is written as far as the store goes.
    src.meshX = std::clamp(s.MeshX, 0, cap::MeshI);
    src.meshY = std::clamp(s.MeshY, 0, cap::MeshJ);
    // No mesh built yet: the store reads as zeros, as a store that was never written.
    static const std::vector<float> unbuilt(cap::MeshPoints, 0.0f);
    src.gridX = s.MeshGridX.empty() ? unbuilt.data() : s.MeshGridX.data();
    src.gridY = s.MeshGridY.empty() ? unbuilt.data() : s.MeshGridY.data();
    std::vector<PolarRecord> polars;
    for (const StoredPolar& p : ActivePolars(s)) {
        PolarRecord& record = polars.emplace_back();
        record.sectionName = p.Key.SectionName;
        record.reynoldsText = FreeForm(p.Key.re);
        for (size_t k = 0; k < p.PolarData.size(); ++k) {
            const PolarRow& row = p.PolarData[k];
            record.points.push_back({row[PolarAngle], row[PolarCl], row[PolarCd], row[PolarCm],
                                     row[PolarUpperTransition], row[PolarLowerTransition], p.stalled(k)});
        }
    }
    src.polars = polars;
    src.blDisplayOpt = s.BlDisplayOpt;
    BlExportInput bl;
    bl.sectionName = s.Texts.SectionName;
    bl.re = s.re;
    bl.profileCount = s.BlVelView;
    // The solved stations of each surface of the boundary-layer solution.
    const auto stations = [](const BlSurfaceSolution& w) {
        BlSurfaceExport e;
        for (int i = 1; i <= w.SolvedCount; ++i) {
            e.stationX.push_back(w.StationX[i]);
            e.arcLength.push_back(w.ArcLength[i]);
            e.thickness.push_back(w.thickness(i, 1));
            e.friction.push_back(w.friction(i));
            std::vector<double> y, u;
            for (int j = 1; j <= w.ProfilePoints; ++j) {
                y.push_back(w.profileY(i, j));
                u.push_back(w.profileU(i, j));
            }
            e.distance.push_back(std::move(y));
            e.velocity.push_back(std::move(u));
        }
        return e;
    };
    if (s.Bl.Solved) {
        bl.upper = stations(s.Bl.Upper);
        bl.lower = stations(s.Bl.Lower);
    }
    src.bl = &bl;
    for (const ReportLine& line : ReportLines(ReportInputsFor(s)))
        src.reportLines.push_back(line.text);
    src.fourier = std::span<const float, 9>(s.A, 9);
    return ribcraft::AsciiFileText(src);
}

CommandResult AsciiFile(SharedState& s, const std::string& path) {
    s.ExportFileName = path;
    if (Status st = WriteTextFile(path, AsciiFileText(s)); !st) return CommandResult::from(st);
    return {};
}

std::string SuggestedFileName(std::string_view sectionName, std::string_view extension) {
    std::string name;
    for (const char c : sectionName) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '_' || c == '.' || c == ' ' || c == '(' || c == ')' || c == ',' || c == '+';
        name += plain ? c : '_';
    }
    const auto first = name.find_first_not_of(" ."), last = name.find_last_not_of(' ');
    name = first == std::string::npos ? std::string("airfoil") : name.substr(first, last - first + 1);
    return name + std::string(extension);
}

CommandResult ExportDxf(const SharedState& s, const std::string& path) {
    if (Status st = WriteDxfFile(path, points(s.SectionX, s.PointCount), points(s.SectionY, s.PointCount)); !st)
        return CommandResult::from(st);
    return {};
}

} // namespace ribcraft
