// SPDX-License-Identifier: MIT
#pragma once
// NACA-law section outlines as painter paths for the pictures of the window
// (start-up picture, tool-bar glyphs), from the section module's own thickness
// law and mean line.

#include <QPainterPath>
#include <QPointF>

#include "extlib/airfoil/NacaSection.h"

namespace ribcraft {

// The closed outline with its leading edge at leadingEdge and the given chord
// in pixels, y up on the screen, on steps + 1 cosine stations per surface.
QPainterPath SectionPath(const airfoil::NacaSection& section, QPointF leadingEdge, double chord, int steps);

} // namespace ribcraft
