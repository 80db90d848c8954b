// SPDX-License-Identifier: MIT
#include "gui/GlyphPainter.h"

#include "gui/Glyphs.h"
#include "plot/GraphFrame.h"

namespace ribcraft {

void PaintGlyph(int look, Surface& target, const QImage& image, int x, int y) {
    Glyph glyph;
    glyph.width = image.width();
    glyph.height = image.height();
    glyph.pixels.reserve(size_t(glyph.width) * glyph.height);
    for (int j = 0; j < glyph.height; ++j)
        for (int i = 0; i < glyph.width; ++i) {
            const QRgb c = image.pixel(i, j);
            glyph.pixels.push_back(Rgb{qRed(c), qGreen(c), qBlue(c)});
        }
    const QRgb key = GlyphKeyColor;
    PaintButtonGlyph(look, target, glyph, x, y, Rgb{qRed(key), qGreen(key), qBlue(key)});
}

} // namespace ribcraft
