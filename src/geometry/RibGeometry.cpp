// SPDX-License-Identifier: MIT
#include "geometry/RibGeometry.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace ribcraft {

namespace {

Point2 operator+(Point2 a, Point2 b) {
    return {a.x + b.x, a.y + b.y};
}
Point2 operator-(Point2 a, Point2 b) {
    return {a.x - b.x, a.y - b.y};
}
Point2 operator*(double s, Point2 a) {
    return {s * a.x, s * a.y};
}
double cross(Point2 a, Point2 b) {
    return a.x * b.y - a.y * b.x;
}
double dot(Point2 a, Point2 b) {
    return a.x * b.x + a.y * b.y;
}
double norm(Point2 a) {
    return std::hypot(a.x, a.y);
}

double segmentDistance(Point2 p, Point2 a, Point2 b) {
    const Point2 ab = b - a;
    const double len2 = dot(ab, ab);
    double t = len2 > 0 ? dot(p - a, ab) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return norm(p - (a + t * ab));
}

// Parameters (s along a-b, t along c-d) where the two segments cross, when
// they do (endpoints included).
bool segmentsCross(Point2 a, Point2 b, Point2 c, Point2 d, double& s, double& t) {
    const Point2 r = b - a, q = d - c;
    const double den = cross(r, q);
    if (den == 0) return false; // parallel (collinear overlaps are not crossings of an offset)
    s = cross(c - a, q) / den;
    t = cross(c - a, r) / den;
    return s >= 0 && s <= 1 && t >= 0 && t <= 1;
}

// The outline without repeated points and without a closing point equal to the first.
Loop cleaned(const Loop& in) {
    double size = 0;
    for (const Point2& p : in)
        size = std::max({size, std::abs(p.x), std::abs(p.y)});
    const double eps = 1e-12 * std::max(size, 1e-300);
    Loop out;
    for (const Point2& p : in) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return {};
        if (out.empty() || norm(p - out.back()) > eps) out.push_back(p);
    }
    while (out.size() > 1 && norm(out.back() - out.front()) <= eps)
        out.pop_back();
    return out;
}

// A segment of the raw offset curve and the feature of the outline it was
// made from: an edge (moved inward by the skin), a reflex corner (an arc
// around it) or a convex corner (the link between two moved edges, which
// always lies too close to the corner and is trimmed away).
struct RawSegment {
    Point2 a, b;
    enum class From { Edge, Corner } from = From::Edge;
    size_t index = 0; // edge from point index to index + 1, or the corner point
};

std::vector<RawSegment> rawOffset(const Loop& p, double skin) {
    const size_t n = p.size();
    const double orient = LoopArea(p) > 0 ? 1 : -1;
    auto inward = [&](size_t i) {
        const Point2 u = p[(i + 1) % n] - p[i];
        const double len = norm(u);
        return orient > 0 ? Point2{-u.y / len, u.x / len} : Point2{u.y / len, -u.x / len};
    };
    constexpr double MaxArcStep = 5 * std::numbers::pi / 180;
    std::vector<RawSegment> raw;
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        const Point2 ni = inward(i), nj = inward(j);
        raw.push_back({p[i] + skin * ni, p[j] + skin * ni, RawSegment::From::Edge, i});
        const Point2 from = p[j] + skin * ni, to = p[j] + skin * nj;
        const double turn = orient * cross(p[j] - p[i], p[(j + 1) % n] - p[j]);
        if (turn < 0) {
            // Reflex corner seen from inside: the moved edges leave a gap, bridged by an arc.
            const double a0 = std::atan2(ni.y, ni.x);
            double sweep = std::atan2(nj.y, nj.x) - a0;
            while (sweep > std::numbers::pi)
                sweep -= 2 * std::numbers::pi;
            while (sweep < -std::numbers::pi)
                sweep += 2 * std::numbers::pi;
            const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / MaxArcStep)));
            Point2 last = from;
            for (int k = 1; k <= steps; ++k) {
                const double a = a0 + sweep * k / steps;
                const Point2 next = k == steps ? to : p[j] + skin * Point2{std::cos(a), std::sin(a)};
                raw.push_back({last, next, RawSegment::From::Corner, j});
                last = next;
            }
        } else if (norm(to - from) > 0) {
            raw.push_back({from, to, RawSegment::From::Corner, j});
        }
    }
    return raw;
}

// A place where the raw curve is cut: on segment seg at parameter t, at the
// crossing numbered id.
struct CutPoint {
    size_t seg;
    double t;
    int id;
};

std::vector<CutPoint> crossings(const std::vector<RawSegment>& raw) {
    const size_t m = raw.size();
    struct Box {
        double x0, x1, y0, y1;
    };
    std::vector<Box> box(m);
    for (size_t i = 0; i < m; ++i)
        box[i] = {std::min(raw[i].a.x, raw[i].b.x), std::max(raw[i].a.x, raw[i].b.x), std::min(raw[i].a.y, raw[i].b.y),
                  std::max(raw[i].a.y, raw[i].b.y)};
    // Sweep along x: segments sorted by their left end.
    std::vector<size_t> order(m);
    for (size_t i = 0; i < m; ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return box[a].x0 < box[b].x0; });
    std::vector<CutPoint> cuts;
    int id = 0;
    for (size_t oi = 0; oi < m; ++oi) {
        const size_t i = order[oi];
        for (size_t oj = oi + 1; oj < m && box[order[oj]].x0 <= box[i].x1; ++oj) {
            const size_t j = order[oj];
            if (box[j].y0 > box[i].y1 || box[j].y1 < box[i].y0) continue;
            const size_t lo = std::min(i, j), hi = std::max(i, j);
            if (hi == lo + 1 || (lo == 0 && hi == m - 1)) continue; // neighbours share a corner
            double s = 0, t = 0;
            // Each segment owns its start but not its end, so a crossing through a corner of the
            // raw curve is found once, not once for each segment meeting there.
            if (!segmentsCross(raw[i].a, raw[i].b, raw[j].a, raw[j].b, s, t) || s == 1 || t == 1) continue;
            cuts.push_back({i, s, id});
            cuts.push_back({j, t, id});
            ++id;
        }
    }
    std::sort(cuts.begin(), cuts.end(),
              [](const CutPoint& a, const CutPoint& b) { return a.seg != b.seg ? a.seg < b.seg : a.t < b.t; });
    return cuts;
}

// Whether point s of a raw segment lies on the true inner outline: the
// feature the segment was made from must be (one of) the nearest features of
// the outline. Points past a crossing have another part of the outline
// nearer, and so do the links at convex corners.
bool onInnerOutline(const Loop& p, const RawSegment& seg, Point2 s) {
    const size_t n = p.size();
    const double own = seg.from == RawSegment::From::Edge ? segmentDistance(s, p[seg.index], p[(seg.index + 1) % n])
                                                          : norm(s - p[seg.index]);
    const double nearest = DistanceToLoop(p, s);
    return nearest >= own * (1 - 1e-9) - 1e-12 && InsideLoop(p, s);
}

// A piece of the raw curve between two cuts.
struct Piece {
    Loop points;
    int startId = -1, endId = -1;
    Point2 mid;
    const RawSegment* midSegment = nullptr;
};

void setMidpoint(Piece& piece, const std::vector<const RawSegment*>& segOf) {
    double length = 0;
    for (size_t k = 1; k < piece.points.size(); ++k)
        length += norm(piece.points[k] - piece.points[k - 1]);
    double walked = 0;
    for (size_t k = 1; k < piece.points.size(); ++k) {
        const double step = norm(piece.points[k] - piece.points[k - 1]);
        if (walked + step >= length / 2 && step > 0) {
            const double t = (length / 2 - walked) / step;
            piece.mid = piece.points[k - 1] + t * (piece.points[k] - piece.points[k - 1]);
            piece.midSegment = segOf[k - 1];
            return;
        }
        walked += step;
    }
    piece.mid = piece.points.front();
    piece.midSegment = segOf.empty() ? nullptr : segOf.front();
}

} // namespace

double DistanceToLoop(const Loop& loop, Point2 p) {
    double best = INFINITY;
    for (size_t i = 0; i < loop.size(); ++i)
        best = std::min(best, segmentDistance(p, loop[i], loop[(i + 1) % loop.size()]));
    return best;
}

bool InsideLoop(const Loop& loop, Point2 p) {
    bool inside = false;
    for (size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++) {
        const Point2 a = loop[i], b = loop[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

bool LoopSelfIntersects(const Loop& loop) {
    const size_t n = loop.size();
    for (size_t i = 0; i < n; ++i)
        for (size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) continue;
            double s = 0, t = 0;
            if (segmentsCross(loop[i], loop[(i + 1) % n], loop[j], loop[(j + 1) % n], s, t)) return true;
        }
    return false;
}

double LoopArea(const Loop& loop) {
    double twice = 0;
    for (size_t i = 0; i < loop.size(); ++i)
        twice += cross(loop[i], loop[(i + 1) % loop.size()]);
    return twice / 2;
}

std::vector<Loop> InnerOutline(const Loop& outline, double skin) {
    const Loop p = cleaned(outline);
    if (p.size() < 3 || LoopArea(p) == 0 || !std::isfinite(skin) || skin < 0) return {};
    if (skin == 0) return {p};

    const std::vector<RawSegment> raw = rawOffset(p, skin);
    const std::vector<CutPoint> cuts = crossings(raw);

    // Split the raw curve at every crossing into pieces, walking once round
    // from the first cut (or taking the whole curve when nothing crosses).
    std::vector<Piece> pieces;
    const size_t m = raw.size();
    auto pointAt = [&](size_t seg, double t) { return raw[seg].a + t * (raw[seg].b - raw[seg].a); };
    if (cuts.empty()) {
        Piece whole;
        std::vector<const RawSegment*> segOf;
        for (const RawSegment& s : raw) {
            whole.points.push_back(s.a);
            segOf.push_back(&s);
        }
        whole.points.push_back(raw.front().a);
        setMidpoint(whole, segOf);
        pieces.push_back(std::move(whole));
    } else {
        for (size_t c = 0; c < cuts.size(); ++c) {
            const CutPoint& from = cuts[c];
            const CutPoint& to = cuts[(c + 1) % cuts.size()];
            Piece piece;
            piece.startId = from.id;
            piece.endId = to.id;
            std::vector<const RawSegment*> segOf;
            piece.points.push_back(pointAt(from.seg, from.t));
            size_t seg = from.seg;
            const bool sameSegment = to.seg == from.seg && to.t >= from.t && c + 1 < cuts.size();
            if (!sameSegment) {
                // Run to the end of this segment and through whole segments up to the next cut.
                for (size_t k = 0; k < m; ++k) {
                    piece.points.push_back(raw[seg].b);
                    segOf.push_back(&raw[seg]);
                    seg = (seg + 1) % m;
                    if (seg == to.seg) break;
                }
            }
            piece.points.push_back(pointAt(to.seg, to.t));
            segOf.push_back(&raw[to.seg]);
            setMidpoint(piece, segOf);
            pieces.push_back(std::move(piece));
        }
    }

    std::vector<Piece*> kept;
    for (Piece& piece : pieces)
        if (piece.midSegment && onInnerOutline(p, *piece.midSegment, piece.mid)) kept.push_back(&piece);

    // Chain the kept pieces into closed loops: at each crossing exactly one
    // kept piece arrives and one leaves.
    std::vector<Loop> loops;
    if (cuts.empty()) {
        for (Piece* piece : kept) {
            piece->points.pop_back();
            loops.push_back(std::move(piece->points));
        }
    } else {
        std::multimap<int, Piece*> byStart;
        for (Piece* piece : kept)
            byStart.emplace(piece->startId, piece);
        std::vector<bool> used(pieces.size(), false);
        for (Piece* first : kept) {
            const size_t firstIndex = static_cast<size_t>(first - pieces.data());
            if (used[firstIndex]) continue;
            Loop loop;
            Piece* piece = first;
            bool closed = false;
            for (size_t guard = 0; guard <= kept.size(); ++guard) {
                used[static_cast<size_t>(piece - pieces.data())] = true;
                loop.insert(loop.end(), piece->points.begin(), piece->points.end() - 1);
                if (piece->endId == first->startId) {
                    closed = true;
                    break;
                }
                const auto [lo, hi] = byStart.equal_range(piece->endId);
                Piece* next = nullptr;
                for (auto it = lo; it != hi; ++it)
                    if (!used[static_cast<size_t>(it->second - pieces.data())]) next = it->second;
                if (!next) {
                    // Crossings that nearly coincide (many short edges within one skin, as
                    // round a leading edge) can leave a sliver between them: go on from
                    // the nearest kept piece that starts within a hundredth of the skin.
                    const Point2 end = piece->points.back();
                    double best = 0.01 * skin;
                    if (norm(first->points.front() - end) <= best) {
                        closed = true;
                        break;
                    }
                    for (Piece* other : kept)
                        if (!used[static_cast<size_t>(other - pieces.data())] &&
                            norm(other->points.front() - end) <= best)
                            best = norm(other->points.front() - end), next = other;
                }
                if (!next) break;
                piece = next;
            }
            if (!closed) continue;
            Loop clean = cleaned(loop);
            if (clean.size() >= 3 && std::abs(LoopArea(clean)) > 0) loops.push_back(std::move(clean));
        }
    }
    return loops;
}

Result<NotchCut> PlaceNotch(const Loop& outline, const SparNotch& notch) {
    if (!(notch.width > 0) || !(notch.depth > 0) || !std::isfinite(notch.width) || !std::isfinite(notch.depth))
        return Status::Error(ErrorKind::InvalidInput, "A spar notch needs a width and a depth greater than 0.");
    const Loop p = cleaned(outline);
    if (p.size() < 3) return Status::Error(ErrorKind::InvalidInput, "There is no rib outline to notch.");
    double xmin = INFINITY, xmax = -INFINITY;
    for (const Point2& q : p)
        xmin = std::min(xmin, q.x), xmax = std::max(xmax, q.x);
    NotchCut cut;
    cut.x1 = notch.x - notch.width / 2;
    cut.x2 = notch.x + notch.width / 2;
    cut.top = notch.top;
    if (!(cut.x1 > xmin && cut.x2 < xmax))
        return Status::Error(ErrorKind::InvalidInput, "A spar notch must lie within the chord.");
    // Where the vertical through the notch centre crosses the outline.
    double high = -INFINITY, low = INFINITY;
    for (size_t i = 0; i < p.size(); ++i) {
        const Point2 a = p[i], b = p[(i + 1) % p.size()];
        if ((a.x <= notch.x) == (b.x <= notch.x)) continue;
        const double y = a.y + (notch.x - a.x) / (b.x - a.x) * (b.y - a.y);
        high = std::max(high, y), low = std::min(low, y);
    }
    if (!(high > low)) return Status::Error(ErrorKind::InvalidInput, "A spar notch must lie within the chord.");
    if (notch.depth >= high - low)
        return Status::Error(ErrorKind::InvalidInput, "A spar notch is deeper than the rib is thick.");
    cut.floor = notch.top ? high - notch.depth : low + notch.depth;
    return cut;
}

Result<Loop> CutNotch(const Loop& loop, const NotchCut& cut) {
    const Loop in = cleaned(loop);
    if (in.size() < 3) return Status::Error(ErrorKind::InvalidInput, "There is no rib outline to notch.");
    // Work on a top notch; a bottom notch is the same cut on the mirrored loop.
    const double flip = cut.top ? 1 : -1;
    Loop p = in;
    for (Point2& q : p)
        q.y *= flip;
    const double floor = flip * cut.floor, x1 = cut.x1, x2 = cut.x2;
    auto inside = [&](Point2 q) { return q.x > x1 && q.x < x2 && q.y > floor; };
    // Position along the notch's edge: up the left side (negative), along the
    // floor (0 to width), up the right side (beyond width).
    const double width = x2 - x1;
    auto edgeParam = [&](Point2 q) {
        if (q.x <= x1) return -(q.y - floor);
        if (q.x >= x2) return width + (q.y - floor);
        return q.x - x1;
    };
    const size_t n = p.size();
    size_t start = n;
    for (size_t i = 0; i < n; ++i)
        if (!inside(p[i])) {
            start = i;
            break;
        }
    if (start == n) return Status::Error(ErrorKind::InvalidInput, "A spar notch removes the whole outline.");

    Loop out;
    bool in_notch = false;
    double entry = 0;
    int runs = 0;
    for (size_t k = 0; k < n; ++k) {
        const Point2 a = p[(start + k) % n], b = p[(start + k + 1) % n];
        // The part of edge a-b inside the notch (Liang-Barsky against x1 < x < x2, y > floor).
        double s0 = 0, s1 = 1;
        const Point2 d = b - a;
        const double pp[3] = {-d.x, d.x, -d.y}, qq[3] = {a.x - x1, x2 - a.x, a.y - floor};
        bool crosses = true;
        for (int c = 0; c < 3 && crosses; ++c) {
            if (pp[c] == 0) {
                if (qq[c] <= 0) crosses = false;
            } else {
                const double r = qq[c] / pp[c];
                if (pp[c] < 0)
                    s0 = std::max(s0, r);
                else
                    s1 = std::min(s1, r);
            }
        }
        if (!crosses || s1 - s0 <= 1e-12) {
            if (!in_notch) out.push_back(b);
            continue;
        }
        if (!in_notch) {
            const Point2 e = a + s0 * d;
            out.push_back(e);
            entry = edgeParam(e);
            in_notch = true;
            ++runs;
        }
        if (s1 < 1 || !inside(b)) {
            const Point2 x = a + s1 * d;
            const double exit = edgeParam(x);
            // Follow the notch's edge from the entry to the exit, turning at its floor corners.
            if (entry < exit) {
                if (entry < 0 && exit > 0) out.push_back({x1, floor});
                if (entry < width && exit > width) out.push_back({x2, floor});
            } else {
                if (entry > width && exit < width) out.push_back({x2, floor});
                if (entry > 0 && exit < 0) out.push_back({x1, floor});
            }
            out.push_back(x);
            if (norm(b - x) > 0) out.push_back(b);
            in_notch = false;
        }
    }
    if (runs > 1) return Status::Error(ErrorKind::InvalidInput, "A spar notch cuts the rib in two.");
    for (Point2& q : out)
        q.y *= flip;
    Loop result = cleaned(out);
    if (result.size() < 3 || LoopSelfIntersects(result))
        return Status::Error(ErrorKind::InvalidInput, "A spar notch cuts the rib in two.");
    return result;
}

} // namespace ribcraft
