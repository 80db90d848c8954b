// SPDX-License-Identifier: MIT
#pragma once
// What every derived result was made from. The inputs fall into groups (the
// section, the point count, the flap, the angle, the Reynolds number, the
// drag options, the boundary-layer options, the mesh settings); each group
// has a revision number that moves on whenever one of its values changes,
// however the change was made (a dialog, a typed box, the batch tool). A
// result keeps the revisions it was computed from and counts as current only
// while the revisions of the groups it depends on are still the same.

#include <array>
#include <cstdint>
#include <string>

#include "extlib/Capacities.h"

namespace ribcraft {

// The input groups, as bits of a dependency mask.
enum InputGroup : unsigned {
    SectionGroup = 1u << 0,     // section name box, file lists and file name, RawAirfoilFlag
    PointsGroup = 1u << 1,      // SurfacePoints
    FlapGroup = 1u << 2,        // FlapAngleRad, HingeFraction
    AngleGroup = 1u << 3,       // the angle box
    ReynoldsGroup = 1u << 4,    // re
    DragOptionsGroup = 1u << 5, // PolarSolution, FlowSeperationModel
    BlOptionsGroup = 1u << 6,   // BlPoints, BlLimit, BlOptions, BlRough
    MeshGroup = 1u << 7,        // MeshX, MeshY, OuterRadius, GridCluster
};
inline constexpr int InputGroupCount = 8;

// What each result depends on.
inline constexpr unsigned OutlineGroups = SectionGroup | PointsGroup | FlapGroup;
inline constexpr unsigned PanelGroups = OutlineGroups | AngleGroup;
inline constexpr unsigned DragGroups = PanelGroups | ReynoldsGroup | DragOptionsGroup;
inline constexpr unsigned BoundaryLayerGroups = PanelGroups | ReynoldsGroup | BlOptionsGroup;
inline constexpr unsigned UserMeshGroups = OutlineGroups | MeshGroup;
inline constexpr unsigned FlowFieldGroups = PanelGroups;

// Revision numbers of the groups. Numbers come from one clock that only
// moves forward, so a number is never given to two different sets of values.
struct InputRevisions {
    std::array<uint64_t, InputGroupCount> Of{};
    friend bool operator==(const InputRevisions&, const InputRevisions&) = default;
};

// The revisions a result was made from; Made = false when there is no result.
struct ResultStamp {
    bool Made = false;
    InputRevisions From;
};

// The values of every group, as last seen by NoteInputChanges.
struct InputValues {
    // section
    int RawAirfoilFlag = 0;
    std::string SectionName, AirfoilFileName, FileSectionName;
    int32_t NUpper = 0, NLower = 0;
    std::array<float, cap::RawList + 1> XUpper{}, YUpper{}, XLower{}, YLower{};
    // points, flap, angle
    int SurfacePoints = 0;
    float FlapAngleRad = 0, HingeFraction = 0;
    std::string AngleText;
    // Reynolds number and options
    double re = 0;
    int PolarSolution = 0, FlowSeperationModel = 0;
    int BlPoints = 0, BlOptions = 0;
    double BlLimit = 0, BlRough = 0;
    // mesh
    int MeshX = 0, MeshY = 0;
    double OuterRadius = 0, GridCluster = 0;
};

// The inputs a panel solution was made from, with their displays: what a
// refused input is put back to, so the screen keeps showing the inputs of the
// results it shows.
struct SolvedInputs {
    InputValues Values;
    InputRevisions Rev;
    int AirfoilType = 4;
    double FlapDeflection = 0, FlapLength = 0;
    std::string FlapDeflectionText, FlapLengthText, AngleDisplay;
};

struct ResultStamps {
    ResultStamp Panel, Drag, ThinAirfoil, BoundaryLayer, UserMesh, FlowField;
};

// The revision bookkeeping the shared state carries.
struct InputTracking {
    uint64_t Clock = 0;
    InputRevisions Rev;
    InputValues Seen;
    ResultStamps Stamps;
    SolvedInputs PanelMadeFrom; // valid while Stamps.Panel.Made
    bool Started = false;       // Seen holds the values of the first NoteInputChanges
};

} // namespace ribcraft
