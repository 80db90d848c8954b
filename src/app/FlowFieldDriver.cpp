// SPDX-License-Identifier: MIT
#include "app/FlowFieldDriver.h"

#include <algorithm>
#include <cmath>

#include "app/Kernels.h"
#include "base/ViewCodes.h"

namespace ribcraft {

namespace {

struct MeshRequest {
    int32_t mx, my;
    float radius, clustering;
};

MeshRequest RequestFor(const SharedState& s, int mode) {
    if (mode != 1) return {FlowMeshX, FlowMeshY, float(FlowMeshRadius), float(FlowMeshClustering)};
    return {std::clamp(s.MeshX, MinMeshX, cap::MeshI), std::clamp(s.MeshY, MinMeshY, cap::MeshJ), float(s.OuterRadius),
            float(s.GridCluster)};
}

// The closed outline and its speeds as the library takes them: points 1 to
// NP - 1 of the section, point NP repeating point 1.
struct ClosedOutline {
    std::vector<float> x, y, v;
    int32_t np = 0;
};

ClosedOutline CloseOutline(const SharedState& s) {
    ClosedOutline o;
    o.np = 2 * s.SurfacePoints + 1;
    o.x.assign(s.SectionX.begin() + 1, s.SectionX.begin() + o.np);
    o.y.assign(s.SectionY.begin() + 1, s.SectionY.begin() + o.np);
    o.v.assign(s.SurfaceV.begin() + 1, s.SurfaceV.begin() + o.np);
    o.x.push_back(o.x.front());
    o.y.push_back(o.y.front());
    o.v.push_back(o.v.front());
    return o;
}

const char* const kNoMesh = "The mesh cannot be built around this section with these mesh controls.";
const char* const kNoFlow = "The flow field cannot be computed for this section.";

} // namespace

CommandResult ComputeFlowField(SharedState& s, int mode) {
    if (!s.HaveSolution || s.SurfacePoints < 2 || 2 * s.SurfacePoints + 1 > cap::Outline)
        return CommandResult::failure("There is no solution to show the flow of.");
    ClosedOutline outline = CloseOutline(s);
    const MeshRequest m = RequestFor(s, mode);
    FlowFieldStore& f = s.Flow;
    const bool keptFits = f.KeptMX == m.mx && f.KeptMY == m.my;
    if (mode == 1 && s.NewGrid != 1 && keptFits) return {};
    std::vector<float> gx, gy;
    if (!CallFoilGrid(outline.x, outline.y, outline.np, m.mx, m.my, m.radius, m.clustering, gx, gy).ok())
        return CommandResult::failure(kNoMesh);
    if (mode == 1) {
        // The user mesh is kept apart from the flow views' fixed mesh.
        if (s.MeshGridX.empty()) {
            s.MeshGridX.assign(cap::MeshPoints, 0.0f);
            s.MeshGridY.assign(cap::MeshPoints, 0.0f);
        }
        for (int j = 1; j <= m.my; ++j)
            for (int k = 1; k <= m.mx; ++k) {
                s.MeshGridX[cap::At2(k, j, cap::MeshI)] = gx[cap::At2(k, j, cap::MeshI)];
                s.MeshGridY[cap::At2(k, j, cap::MeshI)] = gy[cap::At2(k, j, cap::MeshI)];
            }
        f.KeptMX = m.mx, f.KeptMY = m.my;
        s.NewGrid = 0;
        return {};
    }
    std::vector<float> cp, psi;
    if (!CallFlow(outline.v, outline.x, outline.y, outline.np, gx, gy, s.StagPoint, m.mx, m.my, cp, psi).ok())
        return CommandResult::failure(kNoFlow);
    f.CpField = std::move(cp);
    f.PsiField = std::move(psi);
    f.NP = outline.np;
    f.MX = m.mx, f.MY = m.my;
    f.GridX = std::move(gx);
    f.GridY = std::move(gy);
    f.ContourView = 0; // the contours belonged to the previous fields
    f.Contours = {};
    return {};
}

std::vector<float> StreamlineLevelValues(float dividingPsi) {
    std::vector<float> levels;
    for (int k = 1; k <= 50; ++k)
        levels.push_back(static_cast<float>(1.5 - ((k - 1) / 50.0) * 3.0));
    levels.push_back(dividingPsi);
    return levels;
}

std::vector<float> PressureLevelValues(double cpHigh, double cpLow) {
    std::vector<float> levels;
    for (int k = 1; k <= 33; ++k)
        levels.push_back(static_cast<float>(cpHigh - ((k - 1) / 32.0) * (cpHigh - cpLow)));
    return levels;
}

CommandResult ComputeContours(SharedState& s, int vflag) {
    FlowFieldStore& f = s.Flow;
    if (f.GridX.empty() || f.CpField.empty() || (vflag != ViewCode::Streamlines && vflag != ViewCode::PressureContours))
        return CommandResult::failure("There is no flow field to draw.");
    const bool streamlines = vflag == ViewCode::Streamlines;
    std::vector<float> levels =
        streamlines ? StreamlineLevelValues(f.psi(1, 1)) : PressureLevelValues(s.CpHigh, s.CpLow);
    Result<ContourSegments> c =
        CallContr(f.GridX, f.GridY, streamlines ? f.PsiField : f.CpField, f.MX, f.MY, std::move(levels));
    if (!c) return CommandResult::from(c.status());
    f.Contours = std::move(c).value();
    f.ContourView = vflag;
    return {};
}

} // namespace ribcraft
