// SPDX-License-Identifier: MIT
#include "plot/Surface.h"

#include <cmath>

namespace ribcraft {

Rgb QBColor(int index) {
    static const Rgb palette[16] = {
        {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},   {128, 0, 0}, {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},     {0, 255, 0}, {0, 255, 255},
        {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    };
    if (index < 0 || index > 15) return palette[0];
    return palette[index];
}

// ---- coordinate system

void Surface::Scale(double x1, double y1, double x2, double y2) {
    // A degenerate scale would divide by zero in the transform: keep the previous one.
    if (x2 == x1 || y2 == y1 || !std::isfinite(x1 + x2 + y1 + y2)) return;
    m_scaleMode = ScaleUser;
    m_scaleLeft = x1;
    m_scaleTop = y1;
    m_scaleWidth = x2 - x1;
    m_scaleHeight = y2 - y1;
}

void Surface::SetScaleMode(int mode) {
    switch (mode) {
    case ScaleUser:
    case ScaleTwips:
    case ScalePoints:
    case ScalePixels:
    case ScaleInches:
    case ScaleMillimetres:
    case ScaleCentimetres:
        m_scaleMode = mode;
        applyScaleMode();
        break;
    default:
        break; // an unknown mode leaves the scale as it is
    }
}

void Surface::applyScaleMode() {
    if (m_scaleMode == ScaleUser) return;
    double unitsPerPixel = 1;
    const double ppi = pixelsPerInch();
    switch (m_scaleMode) {
    case ScaleTwips:
        unitsPerPixel = 1440.0 / ppi;
        break;
    case ScalePoints:
        unitsPerPixel = 72.0 / ppi;
        break;
    case ScaleInches:
        unitsPerPixel = 1.0 / ppi;
        break;
    case ScaleMillimetres:
        unitsPerPixel = 25.4 / ppi;
        break;
    case ScaleCentimetres:
        unitsPerPixel = 2.54 / ppi;
        break;
    default:
        unitsPerPixel = 1;
        break;
    }
    m_scaleLeft = 0;
    m_scaleTop = 0;
    const double w = deviceWidth() > 0 ? deviceWidth() : 1;
    const double h = deviceHeight() > 0 ? deviceHeight() : 1;
    m_scaleWidth = w * unitsPerPixel;
    m_scaleHeight = h * unitsPerPixel;
}

void Surface::deviceResized() {
    applyScaleMode();
}

void Surface::SetScaleLeft(double v) {
    m_scaleMode = ScaleUser;
    m_scaleLeft = v;
}
void Surface::SetScaleTop(double v) {
    m_scaleMode = ScaleUser;
    m_scaleTop = v;
}
void Surface::SetScaleWidth(double v) {
    if (v == 0 || !std::isfinite(v)) return;
    m_scaleMode = ScaleUser;
    m_scaleWidth = v;
}
void Surface::SetScaleHeight(double v) {
    if (v == 0 || !std::isfinite(v)) return;
    m_scaleMode = ScaleUser;
    m_scaleHeight = v;
}

double Surface::PixelsPerUnitX() const {
    return deviceWidth() / m_scaleWidth;
}
double Surface::PixelsPerUnitY() const {
    return deviceHeight() / m_scaleHeight;
}
double Surface::ToDeviceX(double x) const {
    return (x - m_scaleLeft) * PixelsPerUnitX();
}
double Surface::ToDeviceY(double y) const {
    return (y - m_scaleTop) * PixelsPerUnitY();
}
double Surface::FromDeviceX(double px) const {
    return m_scaleLeft + px / PixelsPerUnitX();
}
double Surface::FromDeviceY(double py) const {
    return m_scaleTop + py / PixelsPerUnitY();
}

// ---- drawing

Pen Surface::currentPen(Rgb color) const {
    Pen pen;
    pen.color = color;
    pen.width = m_drawWidth;
    pen.style = m_drawStyle;
    pen.invert = m_drawMode == DrawModeInvert;
    return pen;
}

void Surface::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, m_foreColor);
}

void Surface::Line(double x1, double y1, double x2, double y2, Rgb color) {
    if (m_drawStyle != DrawTransparent)
        deviceLine(ToDeviceX(x1), ToDeviceY(y1), ToDeviceX(x2), ToDeviceY(y2), currentPen(color));
    m_currentX = x2;
    m_currentY = y2;
}

void Surface::LineTo(double x, double y) {
    Line(m_currentX, m_currentY, x, y, m_foreColor);
}
void Surface::LineTo(double x, double y, Rgb color) {
    Line(m_currentX, m_currentY, x, y, color);
}

void Surface::Box(double x1, double y1, double x2, double y2, Rgb color, bool filled) {
    if (filled) {
        deviceFillRect(ToDeviceX(x1), ToDeviceY(y1), ToDeviceX(x2), ToDeviceY(y2), color, m_drawMode == DrawModeInvert);
    } else if (m_drawStyle != DrawTransparent) {
        const Pen pen = currentPen(color);
        const double a = ToDeviceX(x1), b = ToDeviceY(y1), c = ToDeviceX(x2), d = ToDeviceY(y2);
        deviceLine(a, b, c, b, pen);
        deviceLine(c, b, c, d, pen);
        deviceLine(c, d, a, d, pen);
        deviceLine(a, d, a, b, pen);
    }
    m_currentX = x2;
    m_currentY = y2;
}

void Surface::PSet(double x, double y) {
    PSet(x, y, m_foreColor);
}

void Surface::PSet(double x, double y, Rgb color) {
    const double px = ToDeviceX(x), py = ToDeviceY(y);
    if (m_drawWidth <= 1) {
        deviceFillRect(px, py, px + 1, py + 1, color, m_drawMode == DrawModeInvert);
    } else {
        const double r = m_drawWidth / 2.0;
        Pen pen = currentPen(color);
        pen.width = 1;
        pen.style = DrawSolid;
        deviceEllipse(px, py, r, r, pen, &color);
    }
    m_currentX = x;
    m_currentY = y;
}

void Surface::Circle(double x, double y, double radius) {
    Circle(x, y, radius, m_foreColor);
}

void Surface::Circle(double x, double y, double radius, Rgb color) {
    // The radius is measured in x units; the circle stays round on the device.
    const double r = std::abs(radius * PixelsPerUnitX());
    const Rgb fill = m_fillColor;
    deviceEllipse(ToDeviceX(x), ToDeviceY(y), r, r, currentPen(color), m_fillStyle == FillSolid ? &fill : nullptr);
    m_currentX = x;
    m_currentY = y;
}

void Surface::Cls() {
    deviceClear(m_backColor);
    m_currentX = 0;
    m_currentY = 0;
}

// ---- text

void Surface::Print(const std::string& text) {
    deviceText(ToDeviceX(m_currentX), ToDeviceY(m_currentY), text, m_font, m_foreColor);
    m_currentX = m_scaleLeft;
    m_currentY += TextHeight(text);
}

void Surface::PrintNoNewline(const std::string& text) {
    deviceText(ToDeviceX(m_currentX), ToDeviceY(m_currentY), text, m_font, m_foreColor);
    m_currentX += TextWidth(text);
}

void Surface::PrintInFont(const std::string& text, const FontSpec& font) {
    deviceText(ToDeviceX(m_currentX), ToDeviceY(m_currentY), text, font, m_foreColor);
}

double Surface::TextWidth(const std::string& text) const {
    return deviceTextExtent(text, m_font).width / PixelsPerUnitX();
}

double Surface::TextHeight(const std::string& text) const {
    // The height of one line, also for an empty text.
    return deviceTextExtent(text.empty() ? std::string(" ") : text, m_font).height / PixelsPerUnitY();
}

} // namespace ribcraft
