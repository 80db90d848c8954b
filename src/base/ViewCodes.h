#pragma once
// The names of the view codes. The shared state keeps each selector as a
// plain integer (VFlag, XChoice, BlDisplayOpt, PolarView) because menus,
// scripts, help contexts and exported files know the numbers; every place
// that reads or writes one of them uses these names instead of the bare
// numbers. Each set is an unscoped enum inside a struct, so the values convert
// to int without casts and the short names do not leak into the namespace.

namespace ribcraft {

// VFlag: what the drawing area shows.
struct ViewCode {
    enum : int {
        Airfoil = 1,          // the section outline, refined by XChoice
        SurfaceCp = 2,        // surface pressure coefficient against chord position
        SurfaceVelocity = 3,  // surface velocity ratio against chord position
        Streamlines = 4,      // stream-function contours of the flow field
        PressureContours = 5, // pressure-coefficient contours of the flow field
        Mesh = 6,             // the O-grid
        BoundaryLayer = 7,    // the boundary-layer graphs, refined by BlDisplayOpt
        Report = 8,           // the aerodynamic coefficients as text
        Fourier = 9,          // the thin-airfoil Fourier coefficients as text
        Polar = 10,           // the stored polars, refined by PolarView
    };
};

// XChoice: the sub-view of the airfoil view.
struct AirfoilSubView {
    enum : int {
        VelocityDistribution = 0, // outline with the velocity ratio drawn off the surface
        PressureDistribution = 1, // outline with |Cp| drawn off the surface
        Coordinates = 2,          // outline on the chord grid
        BoundaryLayer = 3,        // outline with the boundary-layer edge
    };
};

// BlDisplayOpt: the graph of the boundary-layer view. Odd codes show the
// upper surface, even codes the lower one.
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

// PolarView: the graph of the polar view. Any code other than ClCmAlpha or
// Transition, including the start-up Unset, shows the lift/drag polar.
struct PolarSubView {
    enum : int {
        Unset = 0,
        ClCd = 1,       // lift against drag
        ClCmAlpha = 2,  // lift and moment against the angle of attack
        Transition = 3, // transition points of both surfaces against lift
    };
};

} // namespace ribcraft
