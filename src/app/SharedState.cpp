#include "app/SharedState.h"

#include <cmath>

namespace ribcraft {

void SharedState::resetToStartup() {
    *this = SharedState{NoReset{}};
    // Loading runs with DialogCancelled = 1 and ends with 0.
    FlowSeperationModel = 0;
    FileDialogPrimed = 0;
    SplashDismissed = 0;
    PolarCount = 0;
    BlUpdateRequest = 0;
    MaxCdSetting = 32;
    PolarSolution = 1;
    re = 1000000;
    BlPoints = 32;
    BlOptions = 3;
    BlLimit = 50;
    BlRough = 0;
    CompBlFlag = 0;
    BlDisplayOpt = 1;
    DisplayBlasius = 1;
    BlVelView = 10;

    NewGrid = 1;
    GridCluster = 1.05;
    OuterRadius = 10;
    MeshMin = -0.5;
    MeshMax = 1.5;
    MeshMinY = -1;
    MeshMaxY = 1;
    MeshX = 41;
    MeshY = 21;

    ContMinX = -0.5;
    ContMaxX = 1.5;
    ContMaxY = 1;
    ContMinY = -1;
    ContMinXDef = ContMinX;
    ContMaxXDef = ContMaxX;
    ContMaxYDef = ContMaxY;
    ContMinyDef = ContMinY;

    CpHigh = 1;
    CpLow = 0;

    RhoInf = 1.2;
    Pinf = 101000;
    VInf = 60;
    Qinf = 0.5 * RhoInf * VInf * VInf;
    XChoice = 2;
    PointRadius = 0;

    Texts.ShowPointsCaption = "Show Points";
    BackgroundColor = 15;
    Pi = 4.0 * std::atan(1.0);
    SurfacePoints = 60;
    PointCount = 120;
    UpperColor = 15;
    LowerColor = 14;

    Texts.AngleText = "0";
    Texts.AngleDisplay = Texts.AngleText + " Deg.";
    Texts.SectionName = "0012";
    Texts.FlapDeflectionText = "0.0 Deg.";
    Texts.FlapLengthText = "0.0 %c";

    NewFlag = 1;
    Naca4Camber = 0;
    Naca4Position = 0;
    Naca4Thickness = 12;
    Naca5Lift = 2;
    Naca5Position = 10; // no start value is given; 10 is the first of the offered positions
    Naca5Thickness = 8;
    FlapDeflection = 0;
    FlapLength = 0;
    VFlag = 1;

    // White background: a white surface colour becomes black.
    WhiteBackground = true;
    BackgroundColor = 0;
    if (UpperColor == 15) UpperColor = 0;
    if (LowerColor == 15) LowerColor = 0;

    // The "Show Points" toggle run once from 0.007 leaves the markers hidden.
    PointRadius = 0;
    Texts.ShowPointsCaption = "Show Points";
    DialogCancelled = 0;
}

} // namespace ribcraft
