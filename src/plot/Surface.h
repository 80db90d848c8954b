// SPDX-License-Identifier: MIT
#pragma once
// Surface: the drawing target of every plot routine, a stand-in for the
// platform's picture box and printer object. It keeps the picture-box state
// (user scale, current position, pen, fill, font, colours) and turns every
// drawing call into device primitives in device pixels, which a backend
// implements: the recording surface (tests, no Qt) and the QPainter surfaces
// of the render layer (image, printer, PDF).
//
// Coordinates are doubles in the current units. One affine transform maps
// them to device pixels: device x = (x - ScaleLeft) * DeviceWidth / ScaleWidth,
// and the same for y. Widths and heights in current units keep their sign, so
// with y growing upward TextHeight() comes out negative, as on the platform.
//
// The picture-box operations keep their platform names (Scale, Line, PSet,
// Circle, Print, TextWidth ...); properties are read with Name() and written
// with SetName(). The backend hooks are the protected device* functions.

#include <cstdint>
#include <string>

namespace ribcraft {

// A colour as red, green and blue components 0..255.
struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The 16-colour palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta,
// 6 brown, 7 light gray, 8 gray, 9 light blue, 10 light green, 11 light cyan,
// 12 light red, 13 light magenta, 14 yellow, 15 white. Any other number gives
// black.
Rgb QBColor(int index);

// Scale modes (the platform's numbers).
enum ScaleModes : int {
    ScaleUser = 0,
    ScaleTwips = 1,
    ScalePoints = 2,
    ScalePixels = 3,
    ScaleInches = 5,
    ScaleMillimetres = 6,
    ScaleCentimetres = 7,
};

// Line styles (DrawStyle). As on the platform, a pen wider than one pixel
// draws styles 1 to 4 solid.
enum DrawStyles : int {
    DrawSolid = 0,
    DrawDash = 1,
    DrawDot = 2,
    DrawDashDot = 3,
    DrawDashDotDot = 4,
    DrawTransparent = 5,
    DrawInsideSolid = 6,
};

// Draw modes: normal drawing and the inverting mode of the rubber band.
enum DrawModes : int {
    DrawModeInvert = 6,
    DrawModeCopyPen = 13,
};

// Fill styles of circles.
enum FillStyles : int {
    FillSolid = 0,
    FillTransparent = 1,
};

// A text font. pixelHeight = 0 uses size (points); a positive pixelHeight is
// the cell height in device pixels, a negative one the character height in
// device pixels (the platform's logical-font convention). angle in degrees
// counter-clockwise; the text turns about its top-left corner.
struct FontSpec {
    std::string name = "Arial";
    double size = 8;
    double pixelHeight = 0;
    double angle = 0;
    bool bold = false;
    bool italic = false;
};

// Pen of a device primitive.
struct Pen {
    Rgb color;
    int width = 1;
    int style = DrawSolid;
    bool invert = false; // inverting draw mode: the destination is inverted, color is ignored
};

// Size of a text in device pixels.
struct TextExtent {
    double width = 0;
    double height = 0;
};

class Surface {
public:
    virtual ~Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // ---- coordinate system
    // User scale with upper-left (x1, y1) and lower-right (x2, y2); ScaleMode becomes user.
    void Scale(double x1, double y1, double x2, double y2);
    // Sets the mode and, for every mode but user, the scale that goes with it (origin at the top-left).
    void SetScaleMode(int mode);
    int ScaleMode() const { return m_scaleMode; }
    double ScaleLeft() const { return m_scaleLeft; }
    double ScaleTop() const { return m_scaleTop; }
    double ScaleWidth() const { return m_scaleWidth; }
    double ScaleHeight() const { return m_scaleHeight; }
    // Setting one of these switches to a user scale, as on the platform.
    void SetScaleLeft(double v);
    void SetScaleTop(double v);
    void SetScaleWidth(double v);
    void SetScaleHeight(double v);

    // Current units <-> device pixels (device origin top-left, y downward).
    double ToDeviceX(double x) const;
    double ToDeviceY(double y) const;
    double FromDeviceX(double px) const;
    double FromDeviceY(double py) const;
    // Device pixels per current unit (negative where the axis runs against the device's).
    double PixelsPerUnitX() const;
    double PixelsPerUnitY() const;

    // ---- drawing (current units, current position updated as on the platform)
    void Line(double x1, double y1, double x2, double y2);                        // in ForeColor
    void Line(double x1, double y1, double x2, double y2, Rgb color);             //
    void LineTo(double x, double y);                                              // from CurrentX/Y, in ForeColor
    void LineTo(double x, double y, Rgb color);                                   //
    void Box(double x1, double y1, double x2, double y2, Rgb color, bool filled); // "B" / "BF"
    void PSet(double x, double y);                                                // DrawWidth-sized dot in ForeColor
    void PSet(double x, double y, Rgb color);                                     //
    void Circle(double x, double y, double radius);                               // radius in x units, in ForeColor
    void Circle(double x, double y, double radius, Rgb color);                    // filled per FillStyle/FillColor
    // Clears to BackColor and sets CurrentX = CurrentY = 0.
    void Cls();

    // ---- text
    // Prints at CurrentX/CurrentY (the text's top-left) in the current font;
    // then CurrentX returns to ScaleLeft and CurrentY moves down one line.
    void Print(const std::string& text);
    // Prints without a line end: CurrentX moves past the text, CurrentY stays.
    void PrintNoNewline(const std::string& text);
    // Prints at CurrentX/CurrentY in the given font (possibly rotated), leaving
    // the current font and the current position unchanged: the platform's
    // create font / select / print / restore sequence.
    void PrintInFont(const std::string& text, const FontSpec& font);
    double TextWidth(const std::string& text) const;  // current units
    double TextHeight(const std::string& text) const; // current units (negative when y grows upward)
    double FontSize() const { return m_font.size; }
    void SetFontSize(double points) { m_font.size = points; }
    const std::string& FontName() const { return m_font.name; }
    void SetFontName(const std::string& name) { m_font.name = name; }
    bool FontBold() const { return m_font.bold; }
    void SetFontBold(bool bold) { m_font.bold = bold; }
    const FontSpec& Font() const { return m_font; }

    // ---- state
    double CurrentX() const { return m_currentX; }
    double CurrentY() const { return m_currentY; }
    void SetCurrentX(double x) { m_currentX = x; }
    void SetCurrentY(double y) { m_currentY = y; }
    int DrawWidth() const { return m_drawWidth; }
    void SetDrawWidth(int w) { m_drawWidth = w < 1 ? 1 : w; }
    int DrawStyle() const { return m_drawStyle; }
    void SetDrawStyle(int style) { m_drawStyle = (style >= 0 && style <= 6) ? style : DrawSolid; }
    int DrawMode() const { return m_drawMode; }
    void SetDrawMode(int mode) { m_drawMode = mode; }
    int FillStyle() const { return m_fillStyle; }
    void SetFillStyle(int style) { m_fillStyle = style; }
    Rgb FillColor() const { return m_fillColor; }
    void SetFillColor(Rgb c) { m_fillColor = c; }
    Rgb ForeColor() const { return m_foreColor; }
    void SetForeColor(Rgb c) { m_foreColor = c; }
    Rgb BackColor() const { return m_backColor; }
    void SetBackColor(Rgb c) { m_backColor = c; }

    // ---- device
    virtual bool IsPrinter() const { return false; }
    double TwipsPerPixelX() const { return 1440.0 / pixelsPerInch(); }
    double TwipsPerPixelY() const { return 1440.0 / pixelsPerInch(); }
    double DeviceWidth() const { return deviceWidth(); }   // pixels
    double DeviceHeight() const { return deviceHeight(); } // pixels
    // Single device pixels (the tool-bar glyph painter); outside the device: ignored / back colour.
    void SetPixel(int x, int y, Rgb color) { deviceSetPixel(x, y, color); }
    Rgb GetPixel(int x, int y) const { return deviceGetPixel(x, y); }
    // Whether the surface keeps its picture between paints; Refresh shows it.
    virtual bool AutoRedraw() const { return true; }
    virtual void Refresh() {}
    // Printer pages: NewPage ends the page and starts another, EndDoc ends the job.
    virtual void NewPage() {}
    virtual void EndDoc() {}

protected:
    Surface() = default;
    // Call after the device size is known (the backend's constructor, a resize):
    // re-applies the scale mode, or keeps a user scale.
    void deviceResized();

    // ---- backend primitives, all in device pixels
    virtual double deviceWidth() const = 0;
    virtual double deviceHeight() const = 0;
    virtual double pixelsPerInch() const = 0;
    virtual void deviceClear(Rgb back) = 0;
    virtual void deviceLine(double x1, double y1, double x2, double y2, const Pen& pen) = 0;
    // Ellipse centred at (cx, cy) with half-axes rx, ry; fill == nullptr leaves it unfilled.
    virtual void deviceEllipse(double cx, double cy, double rx, double ry, const Pen& pen, const Rgb* fill) = 0;
    virtual void deviceFillRect(double x1, double y1, double x2, double y2, Rgb color, bool invert) = 0;
    // Text with its (unrotated) top-left corner at (x, y), turned by font.angle about that corner.
    virtual void deviceText(double x, double y, const std::string& text, const FontSpec& font, Rgb color) = 0;
    virtual TextExtent deviceTextExtent(const std::string& text, const FontSpec& font) const = 0;
    virtual void deviceSetPixel(int x, int y, Rgb color) = 0;
    virtual Rgb deviceGetPixel(int x, int y) const = 0;

private:
    Pen currentPen(Rgb color) const;
    void applyScaleMode();

    int m_scaleMode = ScalePixels;
    double m_scaleLeft = 0, m_scaleTop = 0, m_scaleWidth = 1, m_scaleHeight = 1;
    double m_currentX = 0, m_currentY = 0;
    int m_drawWidth = 1;
    int m_drawStyle = DrawSolid;
    int m_drawMode = DrawModeCopyPen;
    int m_fillStyle = FillTransparent;
    Rgb m_fillColor{0, 0, 0};
    Rgb m_foreColor{0, 0, 0};
    Rgb m_backColor{255, 255, 255};
    FontSpec m_font;
};

} // namespace ribcraft
