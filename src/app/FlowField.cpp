#include "app/FlowField.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "extlib/airfoil/Airfoil.h"

namespace ribcraft {

namespace {

constexpr float kUnset = std::numeric_limits<float>::quiet_NaN();

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

// FoilGrid into fresh arrays; false when the library left them untouched.
bool BuildGrid(ClosedOutline& o, const MeshRequest& m, std::vector<float>& gx, std::vector<float>& gy) {
    gx.assign(size_t(cap::MeshI) * cap::MeshJ, kUnset);
    gy.assign(gx.size(), kUnset);
    gy[cap::at2(1, 1, cap::MeshI)] = m.radius;
    gy[cap::at2(1, 2, cap::MeshI)] = m.clustering;
    int32_t mx = m.mx, my = m.my, one = 1;
    FoilGrid(o.x[0], o.y[0], o.np, mx, my, gx[0], gy[0], one);
    return !std::isnan(gx[0]);
}

bool SolveFlow(ClosedOutline& o, const SharedState& s, std::vector<float>& gx, std::vector<float>& gy,
               std::vector<float>& cp, std::vector<float>& psi, int32_t mx, int32_t my) {
    cp.assign(size_t(cap::FieldI) * cap::FieldJ, kUnset);
    psi.assign(cp.size(), kUnset);
    int32_t stag = s.StagPoint;
    Flow(o.v[0], o.x[0], o.y[0], o.np, gx[0], gy[0], stag, cp[0], psi[0], mx, my);
    return !std::isnan(cp[0]);
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
    if (mode == 1 && s.NewGrid != 1 && keptFits) {
        f.MX = m.mx, f.MY = m.my;
        return {};
    }
    std::vector<float> gx, gy;
    if (!BuildGrid(outline, m, gx, gy)) return CommandResult::failure(kNoMesh);
    if (mode == 1) {
        for (int j = 1; j <= m.my; ++j)
            for (int k = 1; k <= m.mx; ++k) {
                s.MeshGridX[cap::at2(k, j, cap::MeshI)] = gx[cap::at2(k, j, cap::MeshI)];
                s.MeshGridY[cap::at2(k, j, cap::MeshI)] = gy[cap::at2(k, j, cap::MeshI)];
            }
        f.KeptMX = m.mx, f.KeptMY = m.my;
        s.NewGrid = 0;
    } else {
        std::vector<float> cp, psi;
        if (!SolveFlow(outline, s, gx, gy, cp, psi, m.mx, m.my)) return CommandResult::failure(kNoFlow);
        f.CpField = std::move(cp);
        f.PsiField = std::move(psi);
    }
    f.NP = outline.np;
    f.MX = m.mx, f.MY = m.my;
    f.GridX = std::move(gx);
    f.GridY = std::move(gy);
    return {};
}

} // namespace ribcraft
