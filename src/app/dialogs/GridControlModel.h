// SPDX-License-Identifier: MIT
#pragma once
// Rules of the Grid Control dialog: the user mesh of the mesh view.
// The three boxes offer lists (points around 21..191, points outward 21..91,
// both in steps of 10; outer radius 4..20 in steps of 2) and take any typed
// number. The slider sets the clustering factor exp(position / 1000).
// OK stores the numbers of the boxes, pulled into what the mesh store holds
// and what makes a mesh (points around 5..200, points outward 2..100, radius
// at least 2 chords so that the circle clears the section), sets the
// clustering and asks for a new mesh; Cancel changes nothing but
// DialogCancelled.

#include <string>
#include <string_view>
#include <vector>

#include "app/SharedState.h"
#include "app/dialogs/FieldCheck.h"

namespace ribcraft {

class GridControlModel {
public:
    static constexpr int MinPointsAround = 5, MaxPointsAround = cap::MeshI;
    static constexpr int MinPointsRadial = 2, MaxPointsRadial = cap::MeshJ;
    static constexpr double MinRadius = 2;
    // Slider range: 0 spaces the rings evenly, 100 gives e^0.1 (about 1.105).
    static constexpr int SliderMin = 0, SliderMax = 100;

    // Opening: the boxes show MeshX, MeshY and OuterRadius, the slider the clustering.
    explicit GridControlModel(SharedState& state);

    static std::vector<std::string> pointsAroundList(); // Combo1
    static std::vector<std::string> pointsRadialList(); // Combo2
    static std::vector<std::string> radiusList();       // Combo3

    // Slider position of a clustering factor: the integer part of
    // 1000 ln(c) + 0.5, held to the slider's range.
    static int sliderFor(double clustering);

    const std::string& pointsAroundText() const { return m_around; }
    const std::string& pointsRadialText() const { return m_radial; }
    const std::string& radiusText() const { return m_radius; }
    int slider() const { return m_slider; }
    void setPointsAroundText(std::string_view t) { m_around = t; }
    void setPointsRadialText(std::string_view t) { m_radial = t; }
    void setRadiusText(std::string_view t) { m_radius = t; }
    void setSlider(int position);

    // The three boxes as OK would take them: text or a value of zero or less
    // is refused, the rest pulled into the ranges above with a note. Field
    // names: MeshX, MeshY, OuterRadius.
    DialogCheck check() const;

    void ok();
    void cancel();

private:
    SharedState& m_state;
    std::string m_around, m_radial, m_radius;
    int m_slider = 0;
};

// After the dialog was accepted ("Mesh Controls"): the mesh is built again at
// the next mesh view; the section and its solution are left as they are.
void AfterGridControlAccepted(SharedState& state);

} // namespace ribcraft
