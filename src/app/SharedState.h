// SPDX-License-Identifier: MIT
#pragma once
// Every variable that more than one command touches: the main window's public
// and private state and the program-wide variables, under their own names and
// with their start-up defaults as member initialisers. Form1 owns one, the batch
// tool owns one, tests make their own. Arrays keep their 1-based meaning:
// element 0 is unused and element 1 is what the kernels receive.

#include <array>
#include <string>
#include <vector>

#include "app/BoundaryLayerStore.h"
#include "app/FlowFieldStore.h"
#include "app/PolarStore.h"
#include "app/Revisions.h"
#include "base/ViewCodes.h"
#include "extlib/Capacities.h"

namespace ribcraft {

template <typename T, int N> using Array1 = std::array<T, N + 1>;

// Texts of the input/result panel as the window shows them. The GUI binds
// these to its controls; the batch tool prints them.
struct PanelTexts {
    std::string SectionName = "0012"; // section name box (NACA digits or a file's name line)
    std::string AngleText = "0";      // angle of attack box
    std::string AngleDisplay = "0 Deg.";
    std::string FlapDeflectionText = "0.0 Deg.";
    std::string FlapLengthText = "0.0 %c";
    std::string LiftText;     // thin-airfoil lift coefficient
    std::string CmLeText;     // moment about the leading edge
    std::string CmC4Text;     // moment about the quarter chord
    std::string AlphaCl0Text; // angle for Cl = 0
    std::string XcpText;      // centre of pressure
    std::string DragText = "0.0000";
    bool Stalled = false;  // "Airfoil Stalled" shown
    std::string PlotTitle; // the plot title panel
    std::string ShowPointsCaption = "Show Points";
    bool LegendVisible = false; // "Upper Surface" / "Lower Surface" legend shown (views 2 and 3)
};

struct SharedState {
    // Back to the state after the main window has loaded: the member
    // initialisers below are that state, and the one place a default lives.
    void resetToStartup() { *this = SharedState{}; }

    // ---- free stream and view selection
    double PointRadius = 0;
    int StagPoint = 0;
    int ShowStagPoint = 0;
    int NewFlag = 1;
    double VInf = 60, Pinf = 101000, RhoInf = 1.2, Qinf = 0.5 * RhoInf * VInf * VInf;
    int XChoice = AirfoilSubView::Coordinates;
    int VFlag = ViewCode::Airfoil;

    // ---- mesh and flow-field windows
    double MeshMax = 1.5, MeshMin = -0.5, MeshMinY = -1, MeshMaxY = 1;
    int MeshX = 41, MeshY = 21;
    double OuterRadius = 10, GridCluster = 1.05;
    int NewGrid = 1;
    double ContMaxX = 1.5, ContMinX = -0.5, ContMinY = -1, ContMaxY = 1;
    double CpHigh = 1, CpLow = 0;
    double ContMaxXDef = 1.5, ContMinXDef = -0.5, ContMinyDef = -1, ContMaxYDef = 1;
    double CpHighDef = 0, CpLowDef = 0;

    // ---- boundary layer and polars
    double re = 1000000;
    int BlPoints = 32;
    double BlLimit = 50;
    int BlOptions = 3;
    double BlRough = 0;
    int BlDisplayOpt = BlSubView::UpperProfiles;
    int DisplayBlasius = 1;
    int CompBlFlag = 0;
    int BlVelView = 10;
    int PolarSolution = 1;
    int FlowSeperationModel = 0;
    double MaxCdSetting = 32;
    double CdCFD = 0;
    int TransitionPoint = 0;
    // Chord positions (x/c) where the drag estimate's layers turn turbulent: upper and lower surface.
    double TransitionXUpper = 0, TransitionXLower = 0;
    int ScaleGraph = 0;

    // ---- colours and one-shot flags
    int UpperColor = 0, LowerColor = 14;
    int BackgroundColor = 0; // 0: the white background (black drawing), 15: the black one
    bool whiteBackground() const { return BackgroundColor == 0; }
    int ColorTarget = 0;
    int PolarView = PolarSubView::Unset;
    int PolarCount = 0;
    int RawAirfoilFlag = 0;
    std::string AirfoilFileName;
    std::string ExportFileName;
    int FileDialogPrimed = 0;
    int SplashDismissed = 0;
    int BlUpdateRequest = 0;
    int TipIndex = 0;
    double PlotAspect = 1;
    float FlapAngleRad = 0, HingeFraction = 0;
    double Pi = 3.14159265358979323846;

    // ---- program-wide variables
    int SurfacePoints = 60;
    int PointCount = 120;
    double FlapDeflection = 0;
    double FlapLength = 0;
    int DialogCancelled = 0;

    // ---- section
    int32_t SectionNumber = 12;
    int AirfoilType = 4;
    int Naca4Camber = 0, Naca4Position = 0, Naca4Thickness = 12;
    int Naca5Lift = 2, Naca5Position = 10, Naca5Thickness = 8;

    // ---- panel solution (outline order: trailing edge, lower surface, leading edge, upper surface)
    float Alpha = 0;
    int32_t PanelMode = 0;
    Array1<float, cap::Outline> SectionX{}, SectionY{}, DistX{}, SurfaceCp{}, SurfaceV{};
    Array1<float, cap::Outline> DisplacedY{}, ScratchCp{}, ScratchV{}, EdgeY{};
    float PanelCl = 0, PanelCmLE = 0;
    double ClPanel = 0, CmLePanel = 0, ClBl = 0, CmLeBl = 0;
    bool HaveSolution = false; // an outline and distribution are present
    // Extrema of the last panel solution over points 1..PointCount (the airfoil view's ranges).
    double YMax = 0, YMin = 0, Vmax = 1, Vmin = 0;

    // ---- the user mesh kept for the mesh view and its export (k around, j outward, column by column,
    // cap::MeshPoints each). Empty until the first mesh is built: most sessions never show
    // the mesh, and a state without it is cheap to copy.
    std::vector<float> MeshGridX, MeshGridY;

    // ---- raw coordinate-file lists
    Array1<float, cap::RawList> XUpper{}, YUpper{}, XLower{}, YLower{};
    int32_t NUpper = 0, NLower = 0;
    std::string FileSectionName; // the name line of the file read; the section name box starts with it

    // ---- thin-airfoil results of the last evaluation
    float A[9] = {};
    float LiftCoeff = 0, CmLeadingEdge = 0;
    double CmC4 = 0, AlphaCl0 = 0;

    // ---- integral boundary layer (drag)
    double Cd = 0;
    double EffectiveAlpha = 0;
    int StallFlag = 0;

    // ---- flow field, detailed boundary layer and polars (each module's own store)
    FlowFieldStore Flow;
    BoundaryLayerStore Bl;
    PolarStore Polars;

    PanelTexts Texts;

    // ---- what every derived result was made from (app/Revisions.h, app/Recompute.h)
    InputTracking Inputs;
};

} // namespace ribcraft
