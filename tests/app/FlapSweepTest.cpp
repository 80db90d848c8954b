// Flaps over the flap dialog's range on four sections, through the redraw's
// computation, the detailed boundary layer and the polar sweep: the front
// stagnation point is found, the boundary layer runs wherever it runs without
// the flap, and the polars are smooth.
//
// ctest runs a representative grid; RIBCRAFT_FULL_FLAP_SWEEP=1 runs every
// setting (angles -4, 0, 4, 8; lengths 10..50 % in steps of 5; deflections
// +-5..+-30 in steps of 5).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/BoundaryLayer.h"
#include "app/PolarSweep.h"
#include "app/Recompute.h"
#include "app/dialogs/DialogProtocol.h"

namespace ribcraft {
namespace {

bool FullSweep() {
    const char* v = std::getenv("RIBCRAFT_FULL_FLAP_SWEEP");
    return v != nullptr && std::string(v) == "1";
}

SharedState FlapState(const std::string& section, double length, double deflection) {
    SharedState s;
    s.Texts.SectionName = section;
    s.re = 1e6;
    s.FlapLength = length;
    s.FlapDeflection = deflection;
    AfterFlapDialog(s, FlapPiMenu, true);
    return s;
}

struct Outcome {
    bool solved = false;
    double stagnationX = 0;
    bool boundaryLayer = false;
    std::string message;
};

Outcome SolveAt(SharedState& s, double alpha) {
    Outcome o;
    s.Texts.AngleText = std::to_string(alpha);
    s.NewFlag = 1;
    const CommandResult r = RecomputeForRedraw(s);
    o.solved = r.ok;
    o.message = r.message;
    if (!r.ok) return o;
    o.stagnationX = s.SectionX[s.StagPoint];
    s.CompBlFlag = 1;
    const CommandResult bl = BoundaryLayer(s);
    o.boundaryLayer = bl.ok;
    if (!bl.ok) o.message = bl.message;
    return o;
}

TEST(FlapSweep, FrontStagnationPointAndBoundaryLayerOnEverySetting) {
    const std::vector<std::string> sections = {"0012", "2412", "4412", "23012"};
    const std::vector<double> angles = {-4, 0, 4, 8};
    std::vector<double> lengths, deflections;
    if (FullSweep()) {
        for (double l = 10; l <= 50; l += 5)
            lengths.push_back(l);
        for (double d = 5; d <= 30; d += 5)
            deflections.insert(deflections.end(), {d, -d});
    } else {
        lengths = {10, 30, 50};
        deflections = {-30, -15, 5, 30};
    }
    int settings = 0, boundaryLayers = 0;
    for (const std::string& section : sections) {
        std::map<double, bool> plainRuns;
        SharedState plain = FlapState(section, 0, 0);
        for (double alpha : angles)
            plainRuns[alpha] = SolveAt(plain, alpha).boundaryLayer;
        for (double length : lengths)
            for (double deflection : deflections) {
                SharedState s = FlapState(section, length, deflection);
                for (double alpha : angles) {
                    ++settings;
                    const Outcome o = SolveAt(s, alpha);
                    const std::string what = section + " at " + std::to_string(alpha) + " flap " +
                                             std::to_string(length) + " % " + std::to_string(deflection);
                    ASSERT_TRUE(o.solved) << what << ": " << o.message;
                    // The stagnation point under the nose, never on the flap or at the trailing edge.
                    EXPECT_LT(o.stagnationX, 0.25) << what;
                    if (plainRuns[alpha]) {
                        EXPECT_TRUE(o.boundaryLayer) << what << ": " << o.message;
                        boundaryLayers += o.boundaryLayer;
                    }
                }
            }
    }
    EXPECT_GT(boundaryLayers, settings / 2);
}

// Polars with a flap: in the attached range no drag point stands more than
// 30 % off the mean of its two neighbours.
TEST(FlapSweep, FlappedPolarsAreSmooth) {
    struct Case {
        const char* section;
        double length, deflection;
    };
    std::vector<Case> cases = {{"2412", 30, 15}, {"0012", 20, -10}, {"2412", 30, 5}, {"4412", 10, -15}};
    if (FullSweep())
        for (const char* section : {"0012", "2412", "4412", "23012"})
            for (double length : {10.0, 30.0, 50.0})
                for (double deflection : {-30.0, -15.0, -5.0, 5.0, 15.0, 30.0})
                    cases.push_back({section, length, deflection});
    for (const Case& c : cases) {
        SharedState s = FlapState(c.section, c.length, c.deflection);
        ASSERT_TRUE(RecomputeForRedraw(s).ok);
        const PolarOutcome o = Polar(s);
        const std::string what =
            std::string(c.section) + " flap " + std::to_string(c.length) + " % " + std::to_string(c.deflection);
        ASSERT_TRUE(o.result.ok) << what << ": " << o.result.message;
        const StoredPolar& p = ActivePolars(s)[size_t(o.polar - 1)];
        std::map<double, double> cd;
        for (const PolarRow& r : p.PolarData)
            cd[r[PolarAngle]] = r[PolarCd];
        // The attached range of these settings: -6..8 degrees.
        int checked = 0;
        for (double alpha = -6; alpha <= 8; alpha += 2) {
            if (!cd.count(alpha - 2) || !cd.count(alpha) || !cd.count(alpha + 2)) continue;
            const double mean = 0.5 * (cd[alpha - 2] + cd[alpha + 2]);
            EXPECT_LT(std::abs(cd[alpha] - mean), 0.3 * mean) << what << " at " << alpha << ": " << cd[alpha];
            ++checked;
        }
        EXPECT_GE(checked, 6) << what;
    }
}

} // namespace
} // namespace ribcraft
