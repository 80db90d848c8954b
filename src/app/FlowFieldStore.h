#pragma once
// What the flow-field views keep between redraws: the last O-grid and the
// flow on it. The arrays are sized on first use (the shared state is copied
// whole by the batch tool's rollback) and then hold the full capacity the
// airfoil library writes into: grid points (k, j) at leading dimension
// cap::MeshI, fields at cap::FieldI, column by column.

#include <cstdint>
#include <vector>

#include "extlib/Capacities.h"

namespace ribcraft {

// Contour segments of one field: the levels, the count per level and the end
// points of segment s of level l at (s - 1) + (l - 1) * cap::Segments.
struct ContourSegments {
    std::vector<float> Levels;
    std::vector<int32_t> Counts;
    std::vector<float> X1, Y1, X2, Y2;
};

struct FlowFieldStore {
    int32_t NP = 0;         // points of the closed outline handed to the library
    int32_t MX = 0, MY = 0; // points of the last grid round the section (k) and outward (j)
    std::vector<float> GridX, GridY;
    std::vector<float> CpField, PsiField;
    // Size of the user mesh kept in SharedState::MeshGridX/MeshGridY (0 until one is built).
    int32_t KeptMX = 0, KeptMY = 0;
    // The contours of the streamline (4) or pressure (5) view on the fields above; 0 = none.
    int ContourView = 0;
    ContourSegments Contours;

    float gridX(int k, int j) const { return GridX[static_cast<size_t>(cap::At2(k, j, cap::MeshI))]; }
    float gridY(int k, int j) const { return GridY[static_cast<size_t>(cap::At2(k, j, cap::MeshI))]; }
    float cp(int k, int j) const { return CpField[static_cast<size_t>(cap::At2(k, j, cap::FieldI))]; }
    float psi(int k, int j) const { return PsiField[static_cast<size_t>(cap::At2(k, j, cap::FieldI))]; }
};

} // namespace ribcraft
