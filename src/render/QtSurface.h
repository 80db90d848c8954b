// SPDX-License-Identifier: MIT
#pragma once
// QPainter backends of Surface: an image (the window's drawing area and
// offscreen pictures), a PDF file and a printer. The image surface keeps its
// picture between paints, so the window only has to show image().
//
// Device pixels are the paint device's own pixels; inches and centimetres map
// to real lengths through the device's resolution, so a printed page is at
// true scale.

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/Status.h"
#include "plot/Surface.h"

class QIODevice;
class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace ribcraft {

// Common QPainter drawing; a subclass supplies the paint device.
class PainterSurface : public Surface {
public:
    ~PainterSurface() override;

protected:
    PainterSurface() = default;
    // The device to paint on; the painter is opened lazily on first use.
    virtual QPaintDevice* paintDevice() const = 0;
    // Opens the painter when it is not open yet.
    QPainter& painter() const;
    // Ends painting (before the device is read, resized or finished).
    void endPainting() const;

    void deviceClear(Rgb back) override;
    void deviceLine(double x1, double y1, double x2, double y2, const Pen& pen) override;
    void deviceEllipse(double cx, double cy, double rx, double ry, const Pen& pen, const Rgb* fill) override;
    void deviceFillRect(double x1, double y1, double x2, double y2, Rgb color, bool invert) override;
    void deviceText(double x, double y, const std::string& text, const FontSpec& font, Rgb color) override;
    TextExtent deviceTextExtent(const std::string& text, const FontSpec& font) const override;
    void deviceSetPixel(int x, int y, Rgb color) override;
    Rgb deviceGetPixel(int x, int y) const override;

    // QFont for a FontSpec on this device.
    QFont qtFont(const FontSpec& font) const;

private:
    mutable std::unique_ptr<QPainter> m_painter;
};

// A picture in memory: offscreen drawing, PNG output and the image the
// window's drawing area shows.
class ImageSurface : public PainterSurface {
public:
    // width x height pixels at dpi dots per inch (96: 15 twips per pixel); cleared to white.
    explicit ImageSurface(int width, int height, double dpi = 96);
    ~ImageSurface() override;

    // New size in pixels; the picture is cleared to BackColor, a user scale is kept.
    // On a screen with `ratio` device pixels to the pixel (2 at 200 % scaling)
    // the picture holds width * ratio x height * ratio device pixels and is
    // drawn at that resolution, while the plot routines still see width x height.
    void Resize(int width, int height, double ratio = 1);
    // The picture as drawn so far.
    const QImage& image() const;
    // Writes the picture as PNG, whole or not at all.
    Status SavePng(const std::string& path) const;

protected:
    QPaintDevice* paintDevice() const override { return &m_image; }
    double deviceWidth() const override { return m_image.deviceIndependentSize().width(); }
    double deviceHeight() const override { return m_image.deviceIndependentSize().height(); }
    double pixelsPerInch() const override { return m_dpi; }
    void deviceSetPixel(int x, int y, Rgb color) override;
    Rgb deviceGetPixel(int x, int y) const override;

private:
    mutable QImage m_image;
    double m_dpi;
};

// Pages on a paged device (a PDF writer or a printer). IsPrinter() is true:
// the plot routines treat it as the printer. Ends the document when destroyed.
class PagedSurface : public PainterSurface {
public:
    ~PagedSurface() override; // ends the document

    bool IsPrinter() const override { return true; }
    void NewPage() override;
    void EndDoc() override;

protected:
    // emptyDocumentGetsAPage: EndDoc on an unpainted document still writes one page.
    PagedSurface(QPagedPaintDevice& device, bool emptyDocumentGetsAPage);

    QPaintDevice* paintDevice() const override;
    double deviceWidth() const override;
    double deviceHeight() const override;
    double pixelsPerInch() const override;
    Rgb deviceGetPixel(int x, int y) const override;

private:
    QPagedPaintDevice& m_device;
    bool m_emptyDocumentGetsAPage;
    bool m_ended = false;
};

// Owns the PDF writer; a base of PdfSurface listed first, so the writer
// exists before the paged surface is built on it.
struct PdfWriterHolder {
    PdfWriterHolder(const QString& path, QPageSize::PageSizeId page, int dpi);
    PdfWriterHolder(QIODevice& device, QPageSize::PageSizeId page, int dpi);
    ~PdfWriterHolder();
    std::unique_ptr<QPdfWriter> writer;
};

// Pages of a PDF file at true scale.
class PdfSurface : private PdfWriterHolder, public PagedSurface {
public:
    // Opens path for writing; page size and resolution in dots per inch. The
    // page has no margins: the scale covers the whole sheet.
    explicit PdfSurface(const QString& path, QPageSize::PageSizeId page = QPageSize::Letter, int dpi = 600);
    // Writes the document to an open device (e.g. a buffer in memory).
    explicit PdfSurface(QIODevice& device, QPageSize::PageSizeId page = QPageSize::Letter, int dpi = 600);
    ~PdfSurface() override;
};

// Writes a PDF document whole or not at all. The target is checked first; `draw` then paints
// the pages on a document kept in memory, and only when it returns Ok is the complete document
// written over path in one step. A failed `draw` leaves every file as it was and its status is
// returned unchanged.
Status SavePdf(const std::string& path, const std::function<Status(PdfSurface&)>& draw,
               QPageSize::PageSizeId page = QPageSize::Letter, int dpi = 600);

// Whether bytes hold a whole PDF document (its header and its end-of-file mark).
bool IsCompletePdf(std::string_view bytes);

// A printer set up by the caller (the window's print commands). The scale
// covers the printable area of the page.
class PrinterSurface : public PagedSurface {
public:
    explicit PrinterSurface(QPrinter& printer);
};

} // namespace ribcraft
