#pragma once
// The computing half of the redraw Command1_Click: every result the current
// view shows is brought up to date with the inputs before anything is drawn.
// Results know what they were made from (app/Revisions.h): a result whose
// inputs changed is computed again, and one that cannot be computed is shown
// as not available, never an older one. No drawing here.

#include <string>

#include "app/CommandResult.h"
#include "app/SharedState.h"

namespace ribcraft {

// What a view needs beyond the result panel (section, panel solution, drag
// and thin-airfoil coefficients, which every view shows).
struct ResultNeeds {
    // The detailed boundary layer: the boundary-layer and report views and the
    // boundary-layer sub-view of the airfoil view.
    bool BoundaryLayer = false;
    bool UserMesh = false; // the mesh of the mesh view
    // The flow field and the contours of ViewCode::Streamlines or
    // ViewCode::PressureContours; 0 when the view shows no contours.
    int Contours = 0;
    bool Polar = false; // the current section's polar
};

// What the view state.VFlag (with its sub-view) shows.
ResultNeeds NeedsOfView(const SharedState& s);

// Brings the results `needs` asks for up to date with the inputs:
// - the panel solution, the drag and the thin-airfoil coefficients always;
//   an input the panel method refuses (an unknown section, an angle that is
//   no usable number, a file section without inside) is put back to the one
//   the shown solution was made from, and the reason is returned;
// - the detailed boundary layer, the user mesh, the flow field with its
//   contours, and the polar when asked for. One that fails is dropped (shown
//   as not available) and its message returned.
// A boundary-layer update request (BlUpdateRequest) solves the boundary layer
// again and is answered once.
CommandResult BringUpToDate(SharedState& s, const ResultNeeds& needs);

// The recompute step of the redraw: BringUpToDate for the current view, then
// the plot title and the legend of that view.
CommandResult RecomputeForRedraw(SharedState& s);

// Moves the revision of every input group whose values changed since the
// last call, and derives the flags the commands read: NewFlag (the panel
// solution is out of date), NewGrid (the user mesh is), CompBlFlag (a stored
// boundary layer is).
void NoteInputChanges(SharedState& s);

// Whether a result made with `stamp` still belongs to the inputs of `groups`
// (InputGroup bits), as they are now.
bool IsCurrent(const SharedState& s, const ResultStamp& stamp, unsigned groups);

// A section name typed into the section-name box: the box names the section
// from now on, a NACA section by its digits (a coordinate file read before is
// left). A name that is no NACA section is refused by the next redraw.
void SectionNameTyped(SharedState& s, const std::string& text);

// Thin-airfoil evaluation of the current outline at angleDegrees, with the
// result texts; the zero-lift angle is taken from the section's own angle.
// False (texts "N/A", coefficients 0) when the camber line cannot be integrated.
bool UpdateThinAirfoil(SharedState& s, double angleDegrees);

// ---- titles and legend

// The plot title of view vflag for the section name T.
std::string PlotTitle(int vflag, const std::string& sectionName);
// Writes PlotTitle(VFlag, section name) into the state's plot title.
void SetPlotTitle(SharedState& state);
// The "Upper Surface" / "Lower Surface" legend is shown for views 2 and 3 only.
bool LegendVisible(int vflag);

} // namespace ribcraft
