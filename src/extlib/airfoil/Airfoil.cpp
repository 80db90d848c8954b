// The entry point Airfoil: checks the callers' arguments, builds or takes the
// outline, solves it and writes the results into the callers' arrays. Invalid
// input leaves every output untouched.
//
// The last two outlines and their factorised panel systems are kept, so a
// call that changes only the angle of attack reuses them, and so does a polar
// sweep that alternates between the plain section and a displaced outline.
// Each thread keeps its own, so sections solved on several threads at once
// neither wait for each other nor evict each other's systems.

#include "extlib/airfoil/Airfoil.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "extlib/airfoil/FileSection.h"
#include "extlib/airfoil/NacaSection.h"
#include "extlib/airfoil/PanelSolver.h"

namespace ribcraft::airfoil {
namespace {

// Everything the outline depends on, as the caller passed it.
struct OutlineKey {
    int32_t mode = -1, rawFlag = 0, sectionNumber = 0, surfacePoints = 0;
    float flapAngle = 0, hinge = 0;
    std::vector<float> xUpper, yUpper, xLower, yLower; // raw lists (mode 0, file section)
    std::vector<float> outlineX, outlineY;             // the passed outline (mode 1)
    bool operator==(const OutlineKey&) const = default;
    // Back to an empty key, keeping the vectors' storage.
    void reset() {
        mode = -1, rawFlag = 0, sectionNumber = 0, surfacePoints = 0;
        flapAngle = hinge = 0;
        for (auto* v : {&xUpper, &yUpper, &xLower, &yLower, &outlineX, &outlineY})
            v->clear();
    }
};

// One kept outline with its factorised system.
struct Slot {
    OutlineKey key; // what the outline was built from
    Outline outline;
    PanelSolver solver;
    uint64_t lastUse = 0;
};

struct Cache {
    OutlineKey incoming; // the arguments of the current call (its storage is reused)
    std::array<Slot, 2> slots;
    uint64_t calls = 0;
    SurfaceSolution solution;
};

Cache& TheCache() {
    thread_local Cache cache;
    return cache;
}

std::optional<Outline> BuildOutline(const OutlineKey& key) {
    const int h = key.surfacePoints;
    std::optional<Outline> outline;
    double hingeY = 0.0;
    const bool flap = FlapIsActive(key.flapAngle, key.hinge);
    if (key.rawFlag == 0) {
        outline = BuildNacaOutline(key.sectionNumber, h);
        if (outline && flap) hingeY = NacaMeanLine(*DecodeNacaSection(key.sectionNumber), key.hinge);
    } else {
        const RawSection raw{{key.xUpper.begin(), key.xUpper.end()},
                             {key.yUpper.begin(), key.yUpper.end()},
                             {key.xLower.begin(), key.xLower.end()},
                             {key.yLower.begin(), key.yLower.end()}};
        outline = BuildFileOutline(raw, h);
        if (outline && flap) hingeY = MeanLineAt(*outline, key.hinge);
    }
    if (outline && flap) ApplyFlap(*outline, key.flapAngle, key.hinge, hingeY);
    return outline;
}

// Reads the caller's arguments into key; false when they are not valid
// (nothing beyond the announced counts is read).
bool MakeKey(OutlineKey& key, int32_t sectionNumber, const float* sectionX, const float* sectionY, float flapAngle,
             float hinge, int32_t h, const float* yUpper, const float* yLower, const float* xUpper, const float* xLower,
             int32_t nUpper, int32_t nLower, int32_t rawFlag, int32_t mode) {
    if (!IsValidSurfacePoints(h) || (mode != 0 && mode != 1)) return false;
    key.reset();
    key.mode = mode;
    key.surfacePoints = h;
    if (mode == 1) {
        const size_t n = 2 * static_cast<size_t>(h) + 1;
        key.outlineX.assign(sectionX, sectionX + n);
        key.outlineY.assign(sectionY, sectionY + n);
        return true;
    }
    if (rawFlag != 0 && rawFlag != 1) return false;
    if (!std::isfinite(flapAngle) || !std::isfinite(hinge)) return false;
    key.rawFlag = rawFlag;
    if (FlapIsActive(flapAngle, hinge)) {
        key.flapAngle = flapAngle;
        key.hinge = hinge;
    }
    if (rawFlag == 0) {
        if (!CanBuildNacaSection(sectionNumber)) return false;
        key.sectionNumber = sectionNumber;
        return true;
    }
    if (!CanBuildFileSection(xUpper, yUpper, nUpper, xLower, yLower, nLower)) return false;
    key.xUpper.assign(xUpper, xUpper + nUpper);
    key.yUpper.assign(yUpper, yUpper + nUpper);
    key.xLower.assign(xLower, xLower + nLower);
    key.yLower.assign(yLower, yLower + nLower);
    return true;
}

// The slot that holds the outline and system of the current call, built into
// the least recently used slot when neither has it; nullptr when it cannot be
// solved (that slot then holds nothing, so the next call starts afresh).
Slot* Prepare(Cache& cache) {
    const OutlineKey& key = cache.incoming;
    ++cache.calls;
    for (Slot& slot : cache.slots) {
        if (slot.solver.hasOutline() && slot.key == key) {
            slot.lastUse = cache.calls;
            return &slot;
        }
    }
    Slot& slot = *std::min_element(cache.slots.begin(), cache.slots.end(),
                                   [](const Slot& a, const Slot& b) { return a.lastUse < b.lastUse; });
    slot.key.reset();
    slot.lastUse = 0;
    std::optional<Outline> outline;
    if (key.mode == 1) {
        outline = Outline{{key.outlineX.begin(), key.outlineX.end()}, {key.outlineY.begin(), key.outlineY.end()}};
    } else {
        outline = BuildOutline(key);
    }
    if (!outline || !slot.solver.setOutline(*outline)) return nullptr;
    slot.outline = std::move(*outline);
    slot.key = key;
    slot.lastUse = cache.calls;
    return &slot;
}

} // namespace

void Airfoil(int32_t& SectionNumber, float& Alpha, float& SectionX, float& DistX, float& SectionY, float& Cp, float& V,
             float& Cl, float& CmLE, float& FlapAngleRad, float& HingeFraction, int32_t& SurfacePoints,
             int32_t& /*Reserved*/, float& YUpper, float& YLower, float& XUpper, float& XLower, int32_t& NUpper,
             int32_t& NLower, int32_t& RawAirfoilFlag, int32_t& Mode) {
    using ribcraft::KernelCall;
    SetLastCall(KernelCall::BadArguments);
    if (!std::isfinite(Alpha) || !IsValidSurfacePoints(SurfacePoints) || (Mode != 0 && Mode != 1)) return;
    Cache& cache = TheCache();
    SetLastCall(KernelCall::NoSection);
    if (!MakeKey(cache.incoming, SectionNumber, &SectionX, &SectionY, FlapAngleRad, HingeFraction, SurfacePoints,
                 &YUpper, &YLower, &XUpper, &XLower, NUpper, NLower, RawAirfoilFlag, Mode))
        return;
    const bool passedOutline = Mode == 1;
    SetLastCall(KernelCall::NoSolution);
    const Slot* slot = Prepare(cache);
    if (!slot) return;
    SurfaceSolution& s = cache.solution;
    if (!slot->solver.solve(Alpha, s)) return;
    const int n = slot->solver.panelCount();
    if (!passedOutline) {
        float* x = &SectionX;
        float* y = &SectionY;
        for (int i = 0; i <= n; ++i) {
            x[i] = static_cast<float>(slot->outline.x[i]);
            y[i] = static_cast<float>(slot->outline.y[i]);
        }
    }
    float* dist = &DistX;
    float* cp = &Cp;
    float* v = &V;
    for (int i = 0; i < n; ++i) {
        dist[i] = static_cast<float>(s.distX[i]);
        cp[i] = static_cast<float>(s.cp[i]);
        v[i] = static_cast<float>(s.v[i]);
    }
    Cl = static_cast<float>(s.cl);
    CmLE = static_cast<float>(s.cmLe);
    SetLastCall(KernelCall::Written);
}

} // namespace ribcraft::airfoil
