// SPDX-License-Identifier: MIT
#include "plot/RecordingSurface.h"

#include <cmath>

namespace ribcraft {

RecordingSurface::RecordingSurface(int width, int height, bool printer, double dpi)
    : m_width(width > 0 ? width : 1), m_height(height > 0 ? height : 1), m_printer(printer), m_dpi(dpi > 0 ? dpi : 96) {
    deviceResized();
}

std::vector<RecordingSurface::Item> RecordingSurface::ofKind(Kind kind) const {
    std::vector<Item> out;
    for (const Item& item : m_items)
        if (item.kind == kind) out.push_back(item);
    return out;
}

const RecordingSurface::Item* RecordingSurface::findText(const std::string& text) const {
    for (const Item& item : m_items)
        if (item.kind == Kind::Text && item.text == text) return &item;
    return nullptr;
}

void RecordingSurface::deviceClear(Rgb back) {
    m_items.clear();
    m_pixels.clear();
    m_clearColor = back;
    Item item;
    item.kind = Kind::Clear;
    item.fill = back;
    m_items.push_back(item);
}

void RecordingSurface::deviceLine(double x1, double y1, double x2, double y2, const Pen& pen) {
    Item item;
    item.kind = Kind::Line;
    item.x1 = FromDeviceX(x1);
    item.y1 = FromDeviceY(y1);
    item.x2 = FromDeviceX(x2);
    item.y2 = FromDeviceY(y2);
    item.pen = pen;
    m_items.push_back(item);
}

void RecordingSurface::deviceEllipse(double cx, double cy, double rx, double, const Pen& pen, const Rgb* fill) {
    Item item;
    item.kind = Kind::Ellipse;
    item.x1 = FromDeviceX(cx);
    item.y1 = FromDeviceY(cy);
    item.r = std::abs(rx / PixelsPerUnitX());
    item.pen = pen;
    item.filled = fill != nullptr;
    if (fill) item.fill = *fill;
    m_items.push_back(item);
}

void RecordingSurface::deviceFillRect(double x1, double y1, double x2, double y2, Rgb color, bool invert) {
    Item item;
    item.kind = Kind::FillRect;
    item.x1 = FromDeviceX(x1);
    item.y1 = FromDeviceY(y1);
    item.x2 = FromDeviceX(x2);
    item.y2 = FromDeviceY(y2);
    item.filled = true;
    item.fill = color;
    item.pen.color = color;
    item.pen.invert = invert;
    m_items.push_back(item);
}

void RecordingSurface::deviceText(double x, double y, const std::string& text, const FontSpec& font, Rgb color) {
    Item item;
    item.kind = Kind::Text;
    item.x1 = FromDeviceX(x);
    item.y1 = FromDeviceY(y);
    item.text = text;
    item.font = font;
    item.pen.color = color;
    m_items.push_back(item);
}

TextExtent RecordingSurface::deviceTextExtent(const std::string& text, const FontSpec& font) const {
    const double chars = static_cast<double>(text.size());
    if (font.pixelHeight != 0) {
        const double h = std::abs(font.pixelHeight);
        return {chars * h / 2, h};
    }
    return {chars * font.size, 2 * font.size};
}

void RecordingSurface::deviceSetPixel(int x, int y, Rgb color) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    m_pixels[{x, y}] = color;
    Item item;
    item.kind = Kind::Pixel;
    item.x1 = x;
    item.y1 = y;
    item.pen.color = color;
    m_items.push_back(item);
}

Rgb RecordingSurface::deviceGetPixel(int x, int y) const {
    auto it = m_pixels.find({x, y});
    return it == m_pixels.end() ? m_clearColor : it->second;
}

} // namespace ribcraft
