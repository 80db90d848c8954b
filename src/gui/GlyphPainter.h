// SPDX-License-Identifier: MIT
#pragma once
// Paints a glyph picture (a QImage on the light-gray key colour) onto a
// surface through the common button painter, looks 1 (plain), 3 (engraved)
// and 4 (coloured).

#include <QImage>

namespace ribcraft {

class Surface;

void PaintGlyph(int look, Surface& target, const QImage& glyph, int x, int y);

} // namespace ribcraft
