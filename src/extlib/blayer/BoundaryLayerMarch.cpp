// SPDX-License-Identifier: MIT
#include "extlib/blayer/BoundaryLayerMarch.h"

#include "extlib/Capacities.h"
#include "extlib/blayer/EddyViscosity.h"
#include "extlib/blayer/KellerBox.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ribcraft::blayer {

namespace {

Status refused(const char* reason) {
    return Status::Error(ErrorKind::KernelRefused, reason);
}

bool positive(const MarchInput& in, int n) {
    return n >= 0 && n < static_cast<int>(in.s.size()) && in.s[n] > 0.0 && in.ue[n] > 0.0;
}

// m = d ln Ue / d ln s at station n from its neighbours, second order where
// both can be used; exact for power laws Ue = c s^m.
double pressureGradient(const MarchInput& in, int n) {
    const bool back = positive(in, n - 1), ahead = positive(in, n + 1);
    const double x1 = std::log(in.s[n]), y1 = std::log(in.ue[n]);
    if (back && ahead) {
        const double x0 = std::log(in.s[n - 1]), y0 = std::log(in.ue[n - 1]);
        const double x2 = std::log(in.s[n + 1]), y2 = std::log(in.ue[n + 1]);
        const double h1 = x1 - x0, h2 = x2 - x1;
        if (h1 > 0 && h2 > 0)
            return -h2 / (h1 * (h1 + h2)) * y0 + (h2 - h1) / (h1 * h2) * y1 + h1 / (h2 * (h1 + h2)) * y2;
    }
    const int other = ahead ? n + 1 : (back ? n - 1 : -1);
    if (other < 0) return 0.0;
    const double dx = std::log(in.s[other]) - x1;
    return dx != 0.0 ? (std::log(in.ue[other]) - y1) / dx : 0.0;
}

// How the march starts at the first station: m and the length scale
// sqrt(s / (Re Ue)) of the similar solution there.
struct Start {
    double m = 0;
    double scale = 0;
};

// The caller's first station may sit near, not on, the stagnation point of a
// blunt nose: s = 0 there, but the edge velocity is already finite and rises
// steeply to the next station. Near the stagnation point Ue grows linearly,
// so the point where it vanishes lies Ue(1) / (dUe/ds) behind the first
// station; the march measures its streamwise variable from there. A start
// whose velocity does not at least double by the next station is a sharp
// leading edge and keeps its origin.
MarchInput fromStagnationPoint(const MarchInput& in) {
    if (in.s.size() < 2 || in.s[0] != 0.0 || !(in.ue[0] > 0.0) || !(in.ue[1] >= 2.0 * in.ue[0])) return in;
    const double ds = in.s[1] - in.s[0];
    if (!(ds > 0.0)) return in;
    const double behind = in.ue[0] * ds / (in.ue[1] - in.ue[0]);
    MarchInput shifted = in;
    for (double& s : shifted.s)
        s += behind;
    return shifted;
}

Start startOf(const MarchInput& in) {
    const int n = static_cast<int>(in.s.size());
    if (positive(in, 0)) return {pressureGradient(in, 0), std::sqrt(in.s[0] / (in.re * in.ue[0]))};
    const bool stagnation = n >= 2 && in.ue[0] <= 0.1 * in.ue[1];
    if (!stagnation) return {0.0, 0.0}; // a sharp leading edge: Blasius start, zero thickness
    // Stagnation point: Ue grows like s^m; a blunt nose (m near 1) has the
    // finite length scale 1 / sqrt(Re dUe/ds) there.
    double m = 1.0;
    if (positive(in, 1) && positive(in, 2)) m = std::clamp(pressureGradient(in, 1), 0.0, 1.0);
    const double scale = (m > 0.5 && positive(in, 1)) ? std::sqrt(in.s[1] / (in.re * in.ue[1])) : 0.0;
    return {m, scale};
}

// Height where u / Ue first reaches the given fraction, interpolated.
double heightOf(const Grid& g, const Profile& p, double fraction) {
    for (int j = 1; j <= g.intervals(); ++j) {
        if (p.u[j] >= fraction) {
            const double du = p.u[j] - p.u[j - 1];
            const double t = du > 0 ? (fraction - p.u[j - 1]) / du : 1.0;
            return g.eta[j - 1] + std::clamp(t, 0.0, 1.0) * g.h[j];
        }
    }
    return g.eta.back();
}

StationOutput outputOf(const Grid& g, const Profile& p, double ue, double scale, double re, bool turbulent) {
    StationOutput out;
    const int n = g.intervals() + 1;
    out.y.resize(n);
    out.u.resize(n);
    double ds = 0, th = 0, en = 0;
    for (int j = 0; j < n; ++j) {
        out.y[j] = g.eta[j] * scale;
        out.u[j] = ue * p.u[j];
        if (j > 0) {
            auto avg = [&](auto fn) { return 0.5 * (fn(p.u[j]) + fn(p.u[j - 1])) * g.h[j]; };
            ds += avg([](double u) { return 1.0 - u; });
            th += avg([](double u) { return u * (1.0 - u); });
            en += avg([](double u) { return u * (1.0 - u * u); });
        }
    }
    out.deltaStar = ds * scale;
    out.theta = th * scale;
    out.energy = en * scale;
    out.delta = heightOf(g, p, 0.99) * scale;
    out.wallShear = scale > 0 ? 2.0 * ue * p.v[0] / (re * scale) : 0.0;
    out.turbulent = turbulent;
    return out;
}

double michelLimit(double rex, double roughness) {
    return 1.174 * (1.0 + 22400.0 / rex) * std::pow(rex, 0.46) / (1.0 + roughness);
}

// Transition state along the march.
struct Transition {
    bool started = false;
    bool sudden = false; // at laminar separation: fully turbulent at once
    double s = 0, ue = 0, rex = 0;
    double integral = 0; // of ds / Ue from transition to the current station
};

double intermittency(const MarchInput& in, const Transition& tr, int n) {
    if (!tr.started) return 0.0;
    if (tr.sudden) return 1.0;
    return TransitionIntermittency(in.re, tr.ue, tr.rex, in.s[n] - tr.s, tr.integral);
}

bool solveAt(const Grid& g, const StationTerms& terms, const MarchInput& in, int n, double gamma, Profile& cur) {
    if (gamma > 0.0) {
        const CebeciSmithViscosity model(std::sqrt(in.re * in.ue[n] * in.s[n]), gamma);
        return SolveStation(g, terms, model, cur) && cur.v[0] > 0.0;
    }
    return SolveStation(g, terms, LaminarViscosity(), cur) && cur.v[0] > 0.0;
}

} // namespace

Status CheckInput(const MarchInput& in) {
    const int n = static_cast<int>(in.s.size());
    if (n < 1 || n > cap::BlStations) return refused("station count out of range");
    if (static_cast<int>(in.ue.size()) != n) return refused("edge velocities do not match the stations");
    if (in.intervals < 2 || in.intervals + 1 > cap::BlProfilePoints)
        return refused("points across the layer out of range");
    if (!std::isfinite(in.re) || in.re <= 0) return refused("Reynolds number must be positive");
    if (!std::isfinite(in.gridHeight) || in.gridHeight <= 0) return refused("grid height must be positive");
    if (!std::isfinite(in.roughness) || in.roughness < 0) return refused("roughness must not be negative");
    if (in.transitionCode < 0 || in.transitionCode > 2) return refused("unknown transition code");
    for (int k = 0; k < n; ++k)
        if (!std::isfinite(in.s[k]) || !std::isfinite(in.ue[k])) return refused("station values must be numbers");
    if (in.s[0] < 0) return refused("arc length must not be negative");
    return Status::Ok();
}

double FirstGridStep(const MarchInput& in) {
    const double gentle = in.gridHeight / (5.0 * in.intervals);
    if (in.transitionCode == 0) return gentle;
    // About two wall units of a turbulent layer at the chord Reynolds number.
    return std::min(gentle, 40.0 / std::sqrt(in.re));
}

MarchResult MarchLayer(const MarchInput& input) {
    const MarchInput in = fromStagnationPoint(input);
    MarchResult result;
    const Grid g = MakeGrid(in.intervals, in.gridHeight, FirstGridStep(in));
    const int count = static_cast<int>(in.s.size());
    const Start start = startOf(in);
    Profile prev = InitialProfile(g);
    StationTerms terms;
    terms.p1 = 0.5 * (start.m + 1.0);
    terms.p2 = start.m;
    if (!solveAt(g, terms, in, 0, 0.0, prev)) {
        result.stop = StopReason::NotConverged;
        return result;
    }
    result.stations.push_back(outputOf(g, prev, std::max(in.ue[0], 0.0), start.scale, in.re, false));
    double mOld = start.m;
    Transition tr;
    result.stations.reserve(count);
    Profile cur; // the station being solved; its storage is reused
    for (int n = 1; n < count; ++n) {
        const double k = in.s[n] - in.s[n - 1];
        if (!(k > 0) || !(in.ue[n] > 0)) {
            result.stop = StopReason::BadStation;
            break;
        }
        const double m = pressureGradient(in, n);
        terms = {0.5 * (m + 1.0), m, 0.5 * (mOld + 1.0), mOld, 0.5 * (in.s[n] + in.s[n - 1]) / k, &prev};
        if (tr.started) tr.integral += 0.5 * k * (1.0 / in.ue[n] + 1.0 / in.ue[n - 1]);
        cur = prev;
        bool ok = solveAt(g, terms, in, n, intermittency(in, tr, n), cur);
        if (!ok && !tr.started && in.transitionCode >= 1) {
            // Laminar separation: the layer goes turbulent here.
            tr = {true, true, in.s[n], in.ue[n], in.re * in.ue[n] * in.s[n], 0.0};
            result.transitionStation = n;
            cur = prev;
            ok = solveAt(g, terms, in, n, 1.0, cur);
        }
        if (!ok) {
            result.stop =
                std::isfinite(cur.v[0]) && cur.v[0] <= 0.0 ? StopReason::Separation : StopReason::NotConverged;
            break;
        }
        const double scale = std::sqrt(in.s[n] / (in.re * in.ue[n]));
        result.stations.push_back(outputOf(g, cur, in.ue[n], scale, in.re, tr.started));
        const StationOutput& o = result.stations.back();
        if (!tr.started && in.transitionCode == 2) {
            const double rex = in.re * in.ue[n] * in.s[n];
            if (in.re * in.ue[n] * o.theta >= michelLimit(rex, in.roughness)) {
                tr = {true, false, in.s[n], in.ue[n], rex, 0.0};
                result.transitionStation = n;
            }
        }
        std::swap(prev, cur);
        mOld = m;
    }
    return result;
}

} // namespace ribcraft::blayer
