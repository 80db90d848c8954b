#pragma once
// Rules of the "Boundary Layer Options" dialog: the Reynolds number, the
// transition model, the numerical settings of the boundary-layer solver, the
// polar settings and the boundary-layer view. Opening loads every field from
// the state; OK stores them (typed texts through the lenient conversion) and
// asks for a new boundary-layer solution (CompBlFlag 1); Cancel sets
// DialogCancelled and changes nothing else.
//
// Typed values that would break a solution are pulled into a sane range, as
// the options dialog does for its point count: the point count to 20..340,
// the Reynolds number to 1000..1e9, the points across the layer to what the
// solver's arrays hold, the other counts and heights to positive values.

#include <string>
#include <vector>

#include "app/SharedState.h"
#include "app/dialogs/FieldCheck.h"

namespace ribcraft {

class BoundaryLayerOptionsModel {
public:
    static constexpr double MinRe = 1000;
    static constexpr double MaxRe = 1e9;
    static constexpr int MinBlPoints = 2;
    static constexpr int MaxBlPoints = cap::BlProfilePoints - 1;

    explicit BoundaryLayerOptionsModel(SharedState& state);

    // The five lists, filled when the dialog loads.
    static std::vector<std::string> profileCountList(); // "2" .. "40" step 2
    static std::vector<std::string> pointCountList();   // "40" .. "340" step 20
    static std::vector<std::string> blPointsList();     // "16" .. "64" step 8
    static std::vector<std::string> gridHeightList();   // "10" .. "100" step 10
    static std::vector<std::string> maxCdList();        // "16" .. "96" step 8

    // Tab "Reynolds Number"
    std::string reText;
    int transitionModel = 3; // BlOptions: 1 always laminar, 2 on laminar separation, 3 natural/artificial
    std::string roughnessText;
    bool displayBlasius = true;
    // Tab "Numerical Setting"
    std::string profileCountText; // BlVelView
    std::string pointCountText;   // PointCount
    std::string blPointsText;     // BlPoints
    std::string gridHeightText;   // BlLimit
    // Tab "Polar Computation"
    std::string maxCdText;       // MaxCdSetting
    int flowSeparationModel = 0; // 1 "Employ Simple Flow Seperation Model", 0 "No Flow Seperation Model"
    int displayOption = 1;       // BlDisplayOpt, profiles or thickness; 0 = none of the four chosen (the view is kept)
    int polarSolution = 1;       // 2 "Direct Solution of Momentum Equations", 1 "Solution due to E. Truckenbrodt"

    // The typed values as OK would take them: text where a number belongs, a
    // Reynolds number, count or height of zero or less and a negative
    // roughness are refused; the others are pulled into their ranges with a
    // note. Field names are the state's names (re, BlRough, BlVelView,
    // PointCount, BlPoints, BlLimit, MaxCdSetting).
    DialogCheck check() const;

    void ok();
    void cancel();

private:
    SharedState& m_state;
};

// The command after an accepted dialog: the point count or the conditions may
// have changed, so the next redraw solves again.
void AfterBoundaryLayerOptionsAccepted(SharedState& state);

} // namespace ribcraft
