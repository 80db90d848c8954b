// SPDX-License-Identifier: MIT
#include "gui/MainMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/MainCommands.h"

namespace ribcraft {

namespace {

QAction* item(QMenu* menu, const char* caption, const char* name) {
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    return a;
}

void buildFile(MainMenus& m, QMenuBar* bar) {
    m.mnuFile = bar->addMenu(QStringLiteral("&File"));
    m.mnuSave = item(m.mnuFile, "&Save ASCII File", "mnuSave");
    m.mnuFile->addSeparator();
    m.mnuDxf = item(m.mnuFile, "Export Airfoil &DXF File", "mnuDxf");
    m.mnuExportRibs = item(m.mnuFile, "Export &Ribs…", "mnuExportRibs");
    m.mnuFile->addSeparator();
    m.mnuPrint = item(m.mnuFile, "&Print Airfoil Template", "mnuPrint");
    m.mnuPrinterSetup = item(m.mnuFile, "Printer Setup", "mnuPrinterSetup");
    m.mnuFile->addSeparator();
    m.exit1 = item(m.mnuFile, "E&xit", "exit1");

    m.mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
    m.mnuCopy = item(m.mnuEdit, "&Copy", "mnuCopy");
    m.mnuCopy->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    m.mnuZoomSeparator = m.mnuEdit->addSeparator();
    m.mnuZoomIn = item(m.mnuEdit, "Zoom &In", "mnuZoomIn");
    m.mnuZoomOut = item(m.mnuEdit, "Zoom &Out", "mnuZoomOut");
    m.mnuZoomReset = item(m.mnuEdit, "Reset", "mnuZoomReset");
    for (QAction* a : {m.mnuZoomSeparator, m.mnuZoomIn, m.mnuZoomOut, m.mnuZoomReset})
        a->setVisible(false);
}

void buildView(MainMenus& m, QMenuBar* bar) {
    m.mnuView = bar->addMenu(QStringLiteral("&View/Compute"));
    m.mnuAirfoilView = m.mnuView->addMenu(QStringLiteral("Airfoil"));
    m.mnuCoordinates = item(m.mnuAirfoilView, "Coordinates", "mnuCoordinates");
    m.mnuVelocityDistribution = item(m.mnuAirfoilView, "Velocity Distribution", "mnuVelocityDistribution");
    m.mnuPressureDistribution = item(m.mnuAirfoilView, "Pressure Distribution", "mnuPressureDistribution");
    m.mnuAirfoilBoundaryLayer = item(m.mnuAirfoilView, "Boundary Layer", "mnuAirfoilBoundaryLayer");
    m.mnuAirfoilBoundaryLayer->setCheckable(true);
    m.mnuCp = item(m.mnuView, "Surface Cp", "mnuCp");
    m.mnuVelocity = item(m.mnuView, "Surface Velocity", "mnuVelocity");
    m.mnuView->addSeparator();
    m.mnuBoundaryLayer = item(m.mnuView, "Boundary Layer", "mnuBoundaryLayer");
    m.mnuPolar = item(m.mnuView, "Cl-Cd Polar", "mnuPolar");
    m.mnuClCm = item(m.mnuView, "Cl/Cm vs AOA", "mnuClCm");
    m.mnuTransition = item(m.mnuView, "Transition Point", "mnuTransition");
    m.mnuResetPolar = item(m.mnuView, "RESET POLAR", "mnuResetPolar");
    m.mnuView->addSeparator();
    m.mnuStream = item(m.mnuView, "Stream Lines", "mnuStream");
    m.mnuPressure = item(m.mnuView, "Pressure Coefficient", "mnuPressure");
    m.mnuView->addSeparator();
    m.mnuMesh = item(m.mnuView, "Mesh", "mnuMesh");
    for (QAction* a : m.checkedViews())
        a->setCheckable(true);
}

void buildSections(MainMenus& m, QMenuBar* bar) {
    m.mnuAirfoils = bar->addMenu(QStringLiteral("Air&foils"));
    m.Digit4 = item(m.mnuAirfoils, "NACA &4 Digit Series", "Digit4");
    m.Digit5 = item(m.mnuAirfoils, "NACA &5 Digit Series", "Digit5");
    m.Digit4->setCheckable(true);
    m.Digit5->setCheckable(true);
    m.mnuAirfoils->addSeparator();
    m.mnuGeneral = item(m.mnuAirfoils, "&General Airfoils", "mnuGeneral");

    m.mnuDevices = bar->addMenu(QStringLiteral("&Devices"));
    m.mnuAngle = item(m.mnuDevices, "Change Angle of Attack", "mnuAngle");
    m.mnuFlap = item(m.mnuDevices, "Configure Flap", "mnuFlap");
}

void buildSolver(MainMenus& m, QMenuBar* bar) {
    m.mnuBlSolver = bar->addMenu(QStringLiteral("&B.L. Solver"));
    m.mnuBlUpperProfiles = item(m.mnuBlSolver, "Upper Surface Velocity Profiles", "mnuBlUpperProfiles");
    m.mnuBlUpperFriction = item(m.mnuBlSolver, "Upper Surface Friction Coeff.", "mnuBlUpperFriction");
    m.mnuBlUpperThickness = item(m.mnuBlSolver, "Upper Surface Thickness", "mnuBlUpperThickness");
    m.mnuBlSolver->addSeparator();
    m.mnuBlLowerProfiles = item(m.mnuBlSolver, "Lower Surface Velocity Profiles", "mnuBlLowerProfiles");
    m.mnuBlLowerFriction = item(m.mnuBlSolver, "Lower Surface Friction Coeff.", "mnuBlLowerFriction");
    m.mnuBlLowerThickness = item(m.mnuBlSolver, "Lower Surface Thickness", "mnuBlLowerThickness");
    m.mnuBlSolver->addSeparator();
    m.mnuBlAirfoilView = item(m.mnuBlSolver, "Airfoil View", "mnuBlAirfoilView");
    m.mnuBlUpdate = item(m.mnuBlSolver, "Update  Boundary Layer Solution", "mnuBlUpdate");

    m.mnuReportMenu = bar->addMenu(QStringLiteral("&Report"));
    m.mnuReport = item(m.mnuReportMenu, "Aeordynamics Coefficients", "mnuReport");
    m.mnuFourier = item(m.mnuReportMenu, "Fourier Coefficients", "mnuFourier");
}

void buildOptions(MainMenus& m, QMenuBar* bar) {
    m.mnuOptionsMenu = bar->addMenu(QStringLiteral("&Options"));
    m.mnuOptions = item(m.mnuOptionsMenu, "No. Points about Airfoil", "mnuOptions");
    m.mnuShowPoints = item(m.mnuOptionsMenu, "Show Points", "mnuShowPoints");
    m.mnuOptionsMenu->addSeparator();
    m.mnuAeroSettings = item(m.mnuOptionsMenu, "Aerodynamics Setting/Reynolds No.", "mnuAeroSettings");
    m.mnuOptionsMenu->addSeparator();
    m.mnuMeshControls = item(m.mnuOptionsMenu, "Mesh Controls", "mnuMeshControls");
    m.mnuOptionsMenu->addSeparator();
    m.mnuBlack = item(m.mnuOptionsMenu, "Black Background", "mnuBlack");
    m.mnuWhite = item(m.mnuOptionsMenu, "White Background", "mnuWhite");
    m.mnuBlack->setCheckable(true);
    m.mnuWhite->setCheckable(true);

    m.mnuHelp = bar->addMenu(QStringLiteral("Help"));
    m.mnuAbout = item(m.mnuHelp, "&About", "mnuAbout");
    m.mnuContents = item(m.mnuHelp, "&Contents", "mnuContents");
}

void buildColor(MainMenus& m, QObject* owner) {
    // Not on the menu bar: shown only as a pop-up over the legend labels.
    m.mnuColor = new QMenu(QStringLiteral("Color"));
    m.mnuColor->setObjectName(QStringLiteral("mnuColor"));
    m.mnuColor->setParent(qobject_cast<QWidget*>(owner), Qt::Popup);
    for (int i = 0; i < 8; ++i)
        m.mnuColorItems[i] = item(m.mnuColor, ColorCommandCaption(static_cast<ColorCommand>(i)), "mnuColorItem");
}

} // namespace

MainMenus BuildMainMenus(QMenuBar* bar, QObject* owner) {
    MainMenus m;
    buildFile(m, bar);
    buildView(m, bar);
    buildSections(m, bar);
    buildSolver(m, bar);
    buildOptions(m, bar);
    buildColor(m, owner);
    return m;
}

} // namespace ribcraft
