// SPDX-License-Identifier: MIT
#pragma once
// A Surface that draws nothing and keeps every primitive, in the user
// coordinates that were current when it was drawn, for tests and for
// inspecting what a plot routine does. Text metrics are fixed: at font size s
// (points) a character is s pixels wide and a line 2 * s pixels high (8 and 16
// at size 8); a font given by pixel height h has characters h / 2 wide and
// lines |h| high.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "plot/Surface.h"

namespace ribcraft {

class RecordingSurface : public Surface {
public:
    enum class Kind { Clear, Line, Ellipse, FillRect, Text, Pixel };

    // One primitive. Coordinates are in the user units of the moment: a line
    // from (x1, y1) to (x2, y2); an ellipse centred at (x1, y1) with radius r
    // in x units; a filled box between the two corners; a text with its
    // top-left at (x1, y1); a single pixel at device pixel (x1, y1).
    struct Item {
        Kind kind = Kind::Line;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        double r = 0;
        Pen pen;
        bool filled = false;
        Rgb fill;
        std::string text;
        FontSpec font;
    };

    // A device of width x height pixels at dpi dots per inch; printer = true
    // makes it behave as the printer.
    explicit RecordingSurface(int width = 800, int height = 600, bool printer = false, double dpi = 96);

    bool IsPrinter() const override { return m_printer; }
    const std::vector<Item>& items() const { return m_items; }
    void clearItems() { m_items.clear(); }
    int pageCount() const { return m_pages; }
    void NewPage() override { ++m_pages; }

    // Helpers for tests.
    std::vector<Item> lines() const { return ofKind(Kind::Line); }
    std::vector<Item> texts() const { return ofKind(Kind::Text); }
    std::vector<Item> ellipses() const { return ofKind(Kind::Ellipse); }
    std::vector<Item> boxes() const { return ofKind(Kind::FillRect); }
    std::vector<Item> ofKind(Kind kind) const;
    // The first text item equal to text, or nullptr.
    const Item* findText(const std::string& text) const;

protected:
    double deviceWidth() const override { return m_width; }
    double deviceHeight() const override { return m_height; }
    double pixelsPerInch() const override { return m_dpi; }
    void deviceClear(Rgb back) override;
    void deviceLine(double x1, double y1, double x2, double y2, const Pen& pen) override;
    void deviceEllipse(double cx, double cy, double rx, double ry, const Pen& pen, const Rgb* fill) override;
    void deviceFillRect(double x1, double y1, double x2, double y2, Rgb color, bool invert) override;
    void deviceText(double x, double y, const std::string& text, const FontSpec& font, Rgb color) override;
    TextExtent deviceTextExtent(const std::string& text, const FontSpec& font) const override;
    void deviceSetPixel(int x, int y, Rgb color) override;
    Rgb deviceGetPixel(int x, int y) const override;

private:
    int m_width, m_height;
    bool m_printer;
    double m_dpi;
    int m_pages = 1;
    Rgb m_clearColor{255, 255, 255};
    std::vector<Item> m_items;
    std::map<std::pair<int, int>, Rgb> m_pixels;
};

} // namespace ribcraft
