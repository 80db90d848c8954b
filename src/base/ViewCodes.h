#pragma once
// Names for the integer view codes of the shared state. The fields stay
// integers (`VFlag`, `XChoice`, `BlDisplayOpt`, `PolarView` are the codes the
// menus, the help contexts and the batch tool exchange); code that reads or
// writes them uses these names, never a bare number.

namespace ribcraft {

// What the drawing area shows (`VFlag`).
struct ViewCode {
    enum : int {
        Airfoil = 1,         // the airfoil view, refined by XChoice
        SurfaceCp = 2,       // surface pressure coefficient
        SurfaceVelocity = 3, // surface velocity ratio
        StreamLines = 4,     // flow-field streamlines
        PressureField = 5,   // pressure-coefficient contours
        Mesh = 6,            // the O-grid mesh
        BoundaryLayer = 7,   // boundary-layer views, refined by BlDisplayOpt
        Report = 8,          // aerodynamic coefficients
        Fourier = 9,         // Fourier coefficients of thin-airfoil theory
        Polar = 10,          // polars, refined by PolarView
    };
};

// Sub-view of the airfoil view (`XChoice`).
struct AirfoilSubView {
    enum : int {
        VelocityDistribution = 0,
        PressureDistribution = 1,
        Coordinates = 2,
        BoundaryLayer = 3,
    };
};

// Boundary-layer view (`BlDisplayOpt`): odd codes the upper surface, even the lower.
struct BlSubView {
    enum : int {
        UpperProfiles = 1,
        LowerProfiles = 2,
        UpperThickness = 3,
        LowerThickness = 4,
        UpperFriction = 5,
        LowerFriction = 6,
    };
};

// Polar view (`PolarView`).
struct PolarSubView {
    enum : int {
        None = 0,
        ClCd = 1,       // lift against drag
        ClCmAlpha = 2,  // lift and moment against angle of attack
        Transition = 3, // transition points against lift
    };
};

} // namespace ribcraft
