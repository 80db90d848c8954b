// Marching squares and the entry point Contr.

#include "extlib/airfoil/Contour.h"

#include <cmath>

#include "extlib/Capacities.h"
#include "extlib/airfoil/Airfoil.h"

namespace ribcraft::airfoil {

namespace {

struct Corner {
    double x, y, f;
};

struct Point {
    double x, y;
};

// Where the level crosses the edge from a to b (their classes differ, so f differs).
Point Crossing(const Corner& a, const Corner& b, double level) {
    const double t = (level - a.f) / (b.f - a.f);
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// Appends the segments of one cell (corners in order round it).
void CutCell(const Corner (&c)[4], double level, std::vector<ContourSegment>& out) {
    bool above[4];
    int count = 0;
    for (int i = 0; i < 4; ++i)
        count += above[i] = c[i].f >= level;
    if (count == 0 || count == 4) return;
    // Edge i joins corner i and corner i + 1.
    auto edge = [&](int i) { return Crossing(c[i], c[(i + 1) % 4], level); };
    auto join = [&](int e1, int e2) {
        const Point p = edge(e1), q = edge(e2);
        out.push_back({p.x, p.y, q.x, q.y});
    };
    const bool saddle = count == 2 && above[0] == above[2];
    if (!saddle) {
        int crossing[2], n = 0;
        for (int i = 0; i < 4 && n < 2; ++i)
            if (above[i] != above[(i + 1) % 4]) crossing[n++] = i;
        join(crossing[0], crossing[1]);
        return;
    }
    // Each corner of the class the cell centre does not share is cut off by
    // the two edges that meet there.
    const bool centreAbove = 0.25 * (c[0].f + c[1].f + c[2].f + c[3].f) >= level;
    for (int i = 0; i < 4; ++i)
        if (above[i] != centreAbove) join((i + 3) % 4, i);
}

} // namespace

std::vector<ContourSegment> ContourLevel(const std::vector<double>& gx, const std::vector<double>& gy,
                                         const std::vector<double>& field, int ni, int nj, double level,
                                         int maxSegments) {
    std::vector<ContourSegment> out;
    if (ni < 2 || nj < 2 || !std::isfinite(level)) return out;
    const size_t size = static_cast<size_t>(ni) * nj;
    if (gx.size() < size || gy.size() < size || field.size() < size) return out;
    auto corner = [&](int k, int j) {
        const size_t p = static_cast<size_t>(cap::At2(k, j, ni));
        return Corner{gx[p], gy[p], field[p]};
    };
    std::vector<ContourSegment> cell;
    for (int j = 1; j < nj; ++j) {
        for (int k = 1; k < ni; ++k) {
            const Corner c[4] = {corner(k, j), corner(k + 1, j), corner(k + 1, j + 1), corner(k, j + 1)};
            bool finite = true;
            for (const Corner& a : c)
                finite = finite && std::isfinite(a.f) && std::isfinite(a.x) && std::isfinite(a.y);
            if (!finite) continue;
            cell.clear();
            CutCell(c, level, cell);
            for (const ContourSegment& s : cell) {
                if (static_cast<int>(out.size()) >= maxSegments) return out;
                out.push_back(s);
            }
        }
    }
    return out;
}

void Contr(float& GridX, float& GridY, float& Field, float& Levels, int32_t& Ni, int32_t& Nj, int32_t& NLevels,
           float& X1, float& Y1, float& X2, float& Y2, int32_t& SegmentCount) {
    airfoil::SetLastCall(KernelCall::BadArguments);
    if (Ni < 2 || Nj < 2 || Ni > cap::FieldI || Nj > cap::FieldJ || NLevels < 0 || NLevels > cap::Levels) return;
    std::vector<double> gx(static_cast<size_t>(Ni) * Nj), gy(gx.size()), f(gx.size());
    const float* gxIn = &GridX;
    const float* gyIn = &GridY;
    const float* fIn = &Field;
    for (int j = 1; j <= Nj; ++j) {
        for (int k = 1; k <= Ni; ++k) {
            const size_t p = static_cast<size_t>(cap::At2(k, j, Ni));
            gx[p] = gxIn[cap::At2(k, j, cap::MeshI)];
            gy[p] = gyIn[cap::At2(k, j, cap::MeshI)];
            f[p] = fIn[cap::At2(k, j, cap::FieldI)];
        }
    }
    const float* levels = &Levels;
    float* x1 = &X1;
    float* y1 = &Y1;
    float* x2 = &X2;
    float* y2 = &Y2;
    int32_t* counts = &SegmentCount;
    for (int l = 1; l <= NLevels; ++l) {
        const auto segments = airfoil::ContourLevel(gx, gy, f, Ni, Nj, levels[l - 1], cap::Segments);
        counts[l - 1] = static_cast<int32_t>(segments.size());
        for (int s = 1; s <= counts[l - 1]; ++s) {
            const size_t at = static_cast<size_t>(cap::At2(s, l, cap::Segments));
            const airfoil::ContourSegment& seg = segments[static_cast<size_t>(s - 1)];
            x1[at] = static_cast<float>(seg.x1);
            y1[at] = static_cast<float>(seg.y1);
            x2[at] = static_cast<float>(seg.x2);
            y2[at] = static_cast<float>(seg.y2);
        }
    }
    airfoil::SetLastCall(KernelCall::Written);
}

} // namespace ribcraft::airfoil
