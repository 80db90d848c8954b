// SPDX-License-Identifier: MIT
#include "app/ReportSource.h"

#include "analysis/AeroCoefficients.h"
#include "app/Recompute.h"

namespace ribcraft {

ReportInputs ReportInputsFor(const SharedState& s) {
    ReportInputs in;
    in.angleDisplay = s.Texts.AngleDisplay;
    in.flapDeflection = s.Texts.FlapDeflectionText;
    in.flapLength = s.Texts.FlapLengthText;
    in.liftText = s.Texts.LiftText;
    in.cmLeText = s.Texts.CmLeText;
    in.cmC4Text = s.Texts.CmC4Text;
    in.alphaCl0Text = s.Texts.AlphaCl0Text;
    in.xcpText = s.Texts.XcpText;
    in.dragText = s.Texts.DragText;
    in.ClP = s.ClPanel;
    in.CmP = s.CmLePanel;
    in.ClB = s.ClBl;
    in.CmB = s.CmLeBl;
    in.CdB = s.CdCFD;
    // The moment transfers with the normal force: the inviscid solution has no
    // drag, the corrected one the drag of its boundary layer.
    in.CmC4P = QuarterChordMoment(s.ClPanel, s.CmLePanel, s.Alpha);
    in.CmC4B = QuarterChordMoment(s.ClBl, s.CmLeBl, s.Alpha, s.CdCFD);
    // Only a boundary layer of the present inputs is reported.
    in.HaveBl = s.Bl.Solved && IsCurrent(s, s.Inputs.Stamps.BoundaryLayer, BoundaryLayerGroups);
    return in;
}

} // namespace ribcraft
