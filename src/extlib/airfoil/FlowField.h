// SPDX-License-Identifier: MIT
#pragma once
// The flow about a section from its surface speeds: a unit free stream plus
// the vortex sheet that lies on the surface. With the flow at rest inside the
// section, the sheet's strength on each panel is the signed tangential speed
// just outside it (positive in the outline's direction of travel, i.e.
// clockwise), so the surface speeds alone fix the whole field. The angle of
// the free stream is not passed in: it is the angle for which the flow does
// not cross the surface, found by least squares over the panel midpoints.

#include <complex>
#include <vector>

namespace ribcraft::airfoil {

// Signed sheet strength per panel from speeds measured away from the
// stagnation point: panels before stagPanel (1-based) run against the outline
// direction, panels from it onward with it. The panel at stagPanel itself
// carries the smallest speed and takes the sign that continues its two
// neighbours smoothly. v holds one value per panel.
std::vector<double> SignedSheetStrength(const std::vector<double>& v, int stagPanel);

class SheetFlow {
public:
    // x, y: closed outline (n + 1 points, the last repeating the first);
    // gamma: n signed strengths. False when the input cannot be used
    // (fewer than 3 panels, a zero-length panel, values that are not finite).
    bool setSheet(const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>& gamma);

    double freeStreamAngle() const { return m_alpha; } // radians
    // Stream function on the surface (the dividing streamline).
    double surfacePsi() const { return m_surfacePsi; }

    void velocity(double px, double py, double& u, double& v) const;
    double psi(double px, double py) const;

    // Work arrays of velocityAndPsi(), one entry per outline point; kept by
    // the caller so that a whole field is evaluated without allocating.
    struct NodeTerms {
        std::vector<double> angle, logR2, r2;
    };
    // velocity() and psi() at once, for a point off the surface. The two
    // share the direction and the log distance from the point to each
    // outline point, and neighbouring panels share their common point, so
    // each point costs one arc tangent and one logarithm per outline point.
    void velocityAndPsi(double px, double py, NodeTerms& work, double& u, double& v, double& psi) const;

    // velocity() and psi() for a point at least twice as far from the
    // section's centre as its farthest outline point, from the sheet's
    // multipole expansion about that centre (relative error below 1e-14);
    // false, with nothing written, for a point nearer than that.
    bool farField(double px, double py, double& u, double& v, double& psi) const;
    bool inside(double px, double py) const;
    // Speed on the surface at the point of the outline nearest (px, py),
    // interpolated between panel midpoints; distance receives how far that
    // point is.
    double surfaceSpeedNear(double px, double py, double* distance = nullptr) const;
    double perimeter() const { return m_perimeter; }

private:
    void sheetVelocity(double px, double py, double& u, double& v) const;
    double sheetPsi(double px, double py) const;

    void setMultipoles();

    int m_n = 0;
    std::vector<double> m_x, m_y, m_tx, m_ty, m_len, m_gamma;
    std::complex<double> m_centre;
    double m_radius = 0;                         // farthest outline point from m_centre
    std::vector<std::complex<double>> m_moments; // m_k = sum over panels of g * integral of (z - centre)^k ds
    double m_alpha = 0, m_cos = 1, m_sin = 0, m_surfacePsi = 0, m_perimeter = 0;
};

// Pressure coefficient and stream function at every grid point (column by
// column, ni * nj values). Points inside the section or on it take the
// surface speed there and the surface stream function.
void EvaluateFlowField(const SheetFlow& flow, const std::vector<double>& gx, const std::vector<double>& gy,
                       std::vector<double>& cp, std::vector<double>& psi);

} // namespace ribcraft::airfoil
