// SPDX-License-Identifier: MIT
#include "gui/Glyphs.h"

#include "gui/SectionPath.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ribcraft {

namespace {

// A symmetric section outline of thickness t (fraction of chord), leading edge at (x0, y0), chord w.
QPainterPath sectionPath(double x0, double y0, double w, double t) {
    airfoil::NacaSection symmetric;
    symmetric.thickness = t;
    return SectionPath(symmetric, QPointF(x0, y0), w, 16);
}

void drawGlyph(QPainter& p, ToolGlyph g, int s) {
    const QPen outline(Qt::black, 1);
    p.setPen(outline);
    const double u = s / 24.0;
    switch (g) {
    case ToolGlyph::Save:
        p.setBrush(QColor(0, 0, 160));
        p.drawRect(QRectF(3 * u, 3 * u, 17 * u, 17 * u));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6 * u, 3 * u, 11 * u, 7 * u));
        p.setBrush(QColor(128, 128, 128));
        p.drawRect(QRectF(7 * u, 14 * u, 9 * u, 6 * u));
        break;
    case ToolGlyph::Print:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7 * u, 3 * u, 10 * u, 8 * u));
        p.setBrush(QColor(128, 128, 128));
        p.drawRect(QRectF(3 * u, 10 * u, 18 * u, 8 * u));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7 * u, 15 * u, 10 * u, 6 * u));
        break;
    case ToolGlyph::Angle: {
        p.drawLine(QPointF(2 * u, 16 * u), QPointF(22 * u, 16 * u));
        p.save();
        p.translate(4 * u, 16 * u);
        p.rotate(-15);
        p.setBrush(QColor(0, 128, 255));
        p.drawPath(sectionPath(0, 0, 18 * u, 0.28));
        p.restore();
        p.setPen(QPen(Qt::red, 1));
        p.drawArc(QRectF(-6 * u, 6 * u, 20 * u, 20 * u), 0, 15 * 16);
        break;
    }
    case ToolGlyph::Airfoils:
        p.setBrush(QColor(0, 160, 0));
        p.drawPath(sectionPath(2 * u, 12 * u, 20 * u, 0.32));
        break;
    case ToolGlyph::Flap: {
        p.setBrush(QColor(255, 200, 0));
        QPainterPath main = sectionPath(2 * u, 10 * u, 20 * u, 0.28);
        p.drawPath(main);
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(QPointF(16 * u, 10 * u), QPointF(21 * u, 15 * u));
        break;
    }
    case ToolGlyph::Help: {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(int(20 * u));
        f.setBold(true);
        // A filled mark with a black edge: the plain look shows only the
        // black pixels of a glyph, so a mark without them would vanish.
        QPainterPath mark;
        const QString text = QStringLiteral("?");
        const QFontMetricsF fm(f);
        mark.addText((s - fm.horizontalAdvance(text)) / 2, (s + fm.ascent() - fm.descent()) / 2, f, text);
        p.setBrush(QColor(0, 0, 160));
        p.drawPath(mark);
        break;
    }
    case ToolGlyph::Naca4:
    case ToolGlyph::Naca5: {
        p.setBrush(QColor(0, 128, 255));
        p.drawPath(sectionPath(2 * u, 8 * u, 20 * u, g == ToolGlyph::Naca4 ? 0.12 : 0.16));
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(int(10 * u));
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRectF(0, 12 * u, s, 12 * u), Qt::AlignCenter,
                   g == ToolGlyph::Naca4 ? QStringLiteral("4") : QStringLiteral("5"));
        break;
    }
    }
}

} // namespace

QImage GlyphImage(ToolGlyph g, int size) {
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(QColor::fromRgb(GlyphKeyColor));
    QPainter p(&img);
    drawGlyph(p, g, size);
    return img;
}

QCursor ZoomCursor(bool forWhiteBackground) {
    // A magnifier with a cross-hair centre, hot spot at the centre of the lens.
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = forWhiteBackground ? Qt::black : Qt::white;
    const QColor halo = forWhiteBackground ? Qt::white : Qt::black;
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(QPen(pass == 0 ? halo : ink, pass == 0 ? 4 : 2));
        p.drawEllipse(QPointF(12, 12), 8, 8);
        p.drawLine(QPointF(18, 18), QPointF(28, 28));
        p.setPen(QPen(pass == 0 ? halo : ink, pass == 0 ? 3 : 1));
        p.drawLine(QPointF(8, 12), QPointF(16, 12));
        p.drawLine(QPointF(12, 8), QPointF(12, 16));
    }
    p.end();
    return QCursor(pm, 12, 12);
}

} // namespace ribcraft
