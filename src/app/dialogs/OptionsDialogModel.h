// SPDX-License-Identifier: MIT
#pragma once
// Rules of the options dialog: the number of points about the airfoil.
// The list offers 20 to 340 in steps of 40; any number may be typed. OK
// halves it (round half to even) into SurfacePoints, so PointCount stays
// even; a count outside 20..340, or a text that is not a number, is pulled
// to the nearest end of that range so the outline always fits its arrays.

#include <string>
#include <string_view>
#include <vector>

#include "app/SharedState.h"
#include "app/dialogs/FieldCheck.h"

namespace ribcraft {

class OptionsDialogModel {
public:
    static constexpr int MinCount = 20;
    static constexpr int MaxCount = 340;
    static constexpr int ListStep = 40;

    // Opening: the box shows the current PointCount.
    explicit OptionsDialogModel(SharedState& state);

    // "20", "60", .. "340".
    static std::vector<std::string> countList();

    const std::string& countText() const { return m_text; } // Combo1
    void setCountText(std::string_view text) { m_text = text; }

    // The SurfacePoints that OK would set for a typed count.
    static int surfacePointsFor(std::string_view text);

    // What OK would do with the typed count: refused when it is no number or
    // not positive, pulled (with a note) when it lies outside 20..340.
    DialogCheck check() const;

    void ok();
    void cancel();

private:
    SharedState& m_state;
    std::string m_text;
};

} // namespace ribcraft
