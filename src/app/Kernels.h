// SPDX-License-Identifier: MIT
#pragma once
// The program's side of the airfoil library's entry points: one call each,
// with the outcome as a value. A call that fails has written nothing, and
// its caller reads nothing back; the message says why in the program's terms.

#include <cstdint>
#include <string>
#include <vector>

#include "app/SharedState.h"
#include "base/Status.h"

namespace ribcraft {

// The section number the section-name box gives (its numeric value), -1 when
// the text is no number an integer can hold.
int32_t SectionNumberOf(const std::string& nameText);

// Where Airfoil writes: element 1 of each array. In mode 1 x and y carry the
// outline in and are not written.
struct PanelArrays {
    float* x;
    float* distX;
    float* y;
    float* cp;
    float* v;
};

struct PanelCoefficients {
    float Cl = 0, CmLE = 0;
};

// Airfoil with the state's section (SectionNumber sectionNumber, or the file
// lists when RawAirfoilFlag is 1), flap and point count at alpha degrees;
// mode 0 builds the outline into out.x and out.y, mode 1 solves the outline
// passed in them.
Result<PanelCoefficients> CallAirfoil(SharedState& s, int32_t sectionNumber, float alpha, const PanelArrays& out,
                                      int32_t mode);

// FoilGrid about the closed outline (np points) into gx, gy (leading
// dimension cap::MeshI), radius and clustering handed over in GridY(1, 1)
// and GridY(1, 2).
Status CallFoilGrid(std::vector<float>& x, std::vector<float>& y, int32_t np, int32_t mx, int32_t my, float radius,
                    float clustering, std::vector<float>& gx, std::vector<float>& gy);

// Flow on the grid: Cp and stream function (leading dimension cap::FieldI).
Status CallFlow(std::vector<float>& v, std::vector<float>& x, std::vector<float>& y, int32_t np, std::vector<float>& gx,
                std::vector<float>& gy, int32_t stagPoint, int32_t mx, int32_t my, std::vector<float>& cp,
                std::vector<float>& psi);

// Contour segments of a field at the given levels (at most cap::Levels).
Result<ContourSegments> CallContr(const std::vector<float>& gx, const std::vector<float>& gy,
                                  const std::vector<float>& field, int32_t mx, int32_t my, std::vector<float> levels);

} // namespace ribcraft
