// SPDX-License-Identifier: MIT
#pragma once
// The program's own pictures: tool-bar glyphs (black outlines with coloured
// fills on the light-gray key colour, so that the plain look shows the
// outline and the coloured look the whole picture), quick-button icons and
// the zoom pointers of the drawing area.

#include <QCursor>
#include <QImage>

namespace ribcraft {

enum class ToolGlyph { Save, Print, Angle, Airfoils, Flap, Help, Naca4, Naca5 };

// Light gray, RGB (192, 192, 192): the background of every glyph picture.
inline constexpr QRgb GlyphKeyColor = 0xFFC0C0C0u;

// A size x size glyph picture on the key colour.
QImage GlyphImage(ToolGlyph g, int size = 24);

// The zoom pointer: black lines for the white background, white for the black one.
QCursor ZoomCursor(bool forWhiteBackground);

} // namespace ribcraft
