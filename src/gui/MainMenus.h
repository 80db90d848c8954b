// SPDX-License-Identifier: MIT
#pragma once
// The main window's menu bar and the "Color" pop-up, with every caption and
// access key as the program shows them.
//
// Action              Caption
// mnuSave             "&Save ASCII File"
// mnuDxf              "Export Airfoil &DXF File"
// mnuExportRibs       "Export &Ribs…"
// mnuPrint            "&Print Airfoil Template"
// mnuPrinterSetup     "Printer Setup"
// exit1               "E&xit"
// mnuCopy             "&Copy" (Ctrl+C)
// mnuZoomIn/Out/Reset "Zoom &In", "Zoom &Out", "Reset" (hidden)
// mnuCoordinates ...  "Airfoil" sub-menu: "Coordinates", "Velocity Distribution", "Pressure Distribution",
//                     "Boundary Layer"
// mnuCp, mnuVelocity, mnuBoundaryLayer, mnuStream, mnuPressure, mnuMesh: the six checked views
// mnuPolar, mnuClCm, mnuTransition, mnuResetPolar: the polar views
// Digit4, Digit5, mnuGeneral: "Air&foils"
// mnuAngle, mnuFlap: "&Devices"
// mnuBl*: "&B.L. Solver"
// mnuReport, mnuFourier: "&Report"
// mnuOptions, mnuShowPoints, mnuAeroSettings, mnuMeshControls, mnuBlack, mnuWhite: "&Options"
// mnuAbout, mnuContents: "Help"
// mnuColor: the "Color" pop-up with "White/Black", "Yellow", "Magenta", "Red", "Cyan", "Green", "Blue", "Gray"

#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace ribcraft {

struct MainMenus {
    QMenu* mnuFile = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuAirfoilView = nullptr;
    QMenu* mnuAirfoils = nullptr;
    QMenu* mnuDevices = nullptr;
    QMenu* mnuBlSolver = nullptr;
    QMenu* mnuReportMenu = nullptr;
    QMenu* mnuOptionsMenu = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* mnuColor = nullptr;

    QAction *mnuSave = nullptr, *mnuDxf = nullptr, *mnuExportRibs = nullptr, *mnuPrint = nullptr,
            *mnuPrinterSetup = nullptr, *exit1 = nullptr;
    QAction *mnuCopy = nullptr, *mnuZoomSeparator = nullptr, *mnuZoomIn = nullptr, *mnuZoomOut = nullptr,
            *mnuZoomReset = nullptr;
    QAction *mnuCoordinates = nullptr, *mnuVelocityDistribution = nullptr, *mnuPressureDistribution = nullptr,
            *mnuAirfoilBoundaryLayer = nullptr;
    QAction *mnuCp = nullptr, *mnuVelocity = nullptr, *mnuBoundaryLayer = nullptr, *mnuPolar = nullptr,
            *mnuClCm = nullptr, *mnuTransition = nullptr, *mnuResetPolar = nullptr, *mnuStream = nullptr,
            *mnuPressure = nullptr, *mnuMesh = nullptr;
    QAction *Digit4 = nullptr, *Digit5 = nullptr, *mnuGeneral = nullptr;
    QAction *mnuAngle = nullptr, *mnuFlap = nullptr;
    QAction *mnuBlUpperProfiles = nullptr, *mnuBlUpperFriction = nullptr, *mnuBlUpperThickness = nullptr,
            *mnuBlLowerProfiles = nullptr, *mnuBlLowerFriction = nullptr, *mnuBlLowerThickness = nullptr,
            *mnuBlAirfoilView = nullptr, *mnuBlUpdate = nullptr;
    QAction *mnuReport = nullptr, *mnuFourier = nullptr;
    QAction *mnuOptions = nullptr, *mnuShowPoints = nullptr, *mnuAeroSettings = nullptr, *mnuMeshControls = nullptr,
            *mnuBlack = nullptr, *mnuWhite = nullptr;
    QAction *mnuAbout = nullptr, *mnuContents = nullptr;
    std::array<QAction*, 8> mnuColorItems{};

    // The six views that check themselves and uncheck the others.
    std::array<QAction*, 6> checkedViews() const {
        return {mnuCp, mnuVelocity, mnuBoundaryLayer, mnuStream, mnuPressure, mnuMesh};
    }
};

// Builds every menu into the bar (the "Color" menu as a pop-up only).
MainMenus BuildMainMenus(QMenuBar* bar, QObject* owner);

} // namespace ribcraft
