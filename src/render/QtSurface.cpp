// SPDX-License-Identifier: MIT
#include "render/QtSurface.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

#include "io/AtomicFile.h"

namespace ribcraft {

namespace {

QColor toQt(Rgb c) {
    return QColor(std::clamp(c.r, 0, 255), std::clamp(c.g, 0, 255), std::clamp(c.b, 0, 255));
}

Qt::PenStyle penStyle(const Pen& pen) {
    // As on the platform, only one-pixel pens are dashed or dotted.
    if (pen.style == DrawTransparent) return Qt::NoPen;
    if (pen.width > 1) return Qt::SolidLine;
    switch (pen.style) {
    case DrawDash:
        return Qt::DashLine;
    case DrawDot:
        return Qt::DotLine;
    case DrawDashDot:
        return Qt::DashDotLine;
    case DrawDashDotDot:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

QPen qtPen(const Pen& pen) {
    QPen p(toQt(pen.color));
    p.setWidthF(std::max(1, pen.width));
    p.setStyle(penStyle(pen));
    p.setCapStyle(pen.width > 1 ? Qt::RoundCap : Qt::SquareCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// Inverting drawing where the device supports raster operations (images).
void setInvert(QPainter& painter, bool invert) {
    const bool canInvert = painter.paintEngine() && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    painter.setCompositionMode(invert && canInvert ? QPainter::RasterOp_NotDestination
                                                   : QPainter::CompositionMode_SourceOver);
}

} // namespace

// ---- PainterSurface

PainterSurface::~PainterSurface() = default;

QPainter& PainterSurface::painter() const {
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>();
        m_painter->begin(paintDevice());
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *m_painter;
}

void PainterSurface::endPainting() const {
    if (m_painter) {
        if (m_painter->isActive()) m_painter->end();
        m_painter.reset();
    }
}

void PainterSurface::deviceClear(Rgb back) {
    QPainter& p = painter();
    setInvert(p, false);
    p.fillRect(QRectF(0, 0, deviceWidth(), deviceHeight()), toQt(back));
}

void PainterSurface::deviceLine(double x1, double y1, double x2, double y2, const Pen& pen) {
    QPainter& p = painter();
    setInvert(p, pen.invert);
    // Curves are smoothed; frames, ticks and grid lines (level or upright)
    // stay sharp, and inverting lines must hit whole pixels to undo themselves.
    p.setRenderHint(QPainter::Antialiasing, !pen.invert && x1 != x2 && y1 != y2);
    p.setPen(qtPen(pen));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    setInvert(p, false);
}

void PainterSurface::deviceEllipse(double cx, double cy, double rx, double ry, const Pen& pen, const Rgb* fill) {
    QPainter& p = painter();
    setInvert(p, pen.invert);
    p.setRenderHint(QPainter::Antialiasing, !pen.invert);
    p.setPen(qtPen(pen));
    p.setBrush(fill ? QBrush(toQt(*fill)) : QBrush(Qt::NoBrush));
    p.drawEllipse(QPointF(cx, cy), rx, ry);
    p.setBrush(Qt::NoBrush);
    setInvert(p, false);
}

void PainterSurface::deviceFillRect(double x1, double y1, double x2, double y2, Rgb color, bool invert) {
    QPainter& p = painter();
    setInvert(p, invert);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF r = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    p.fillRect(r, toQt(color));
    setInvert(p, false);
}

QFont PainterSurface::qtFont(const FontSpec& font) const {
    // An empty name is the device's default face. A font made from an empty
    // family name cannot be recorded by the print preview (it crashes there).
    QFont f;
    if (!font.name.empty()) f.setFamily(QString::fromStdString(font.name));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    if (font.pixelHeight < 0) {
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(-font.pixelHeight))));
    } else if (font.pixelHeight > 0) {
        // A cell height: pick the pixel size whose line height comes closest.
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelHeight))));
        const double cell = QFontMetricsF(f, paintDevice()).height();
        if (cell > 0)
            f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelHeight * font.pixelHeight / cell))));
    } else {
        f.setPointSizeF(font.size > 0 ? font.size : 8);
    }
    return f;
}

void PainterSurface::deviceText(double x, double y, const std::string& text, const FontSpec& font, Rgb color) {
    if (text.empty()) return;
    QPainter& p = painter();
    setInvert(p, false);
    const QFont f = qtFont(font);
    const QFontMetricsF fm(f, paintDevice());
    p.save();
    p.setFont(f);
    p.setPen(toQt(color));
    p.translate(x, y);
    if (font.angle != 0) p.rotate(-font.angle); // counter-clockwise on the page
    p.drawText(QPointF(0, fm.ascent()), QString::fromStdString(text));
    p.restore();
}

TextExtent PainterSurface::deviceTextExtent(const std::string& text, const FontSpec& font) const {
    const QFontMetricsF fm(qtFont(font), paintDevice());
    return {fm.horizontalAdvance(QString::fromStdString(text)), fm.height()};
}

void PainterSurface::deviceSetPixel(int x, int y, Rgb color) {
    if (x < 0 || y < 0 || x >= deviceWidth() || y >= deviceHeight()) return;
    QPainter& p = painter();
    setInvert(p, false);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(x, y, 1, 1), toQt(color));
}

Rgb PainterSurface::deviceGetPixel(int, int) const {
    return BackColor();
}

// ---- ImageSurface

ImageSurface::ImageSurface(int width, int height, double dpi)
    : m_image(std::max(1, width), std::max(1, height), QImage::Format_RGB32), m_dpi(dpi > 0 ? dpi : 96) {
    const int dotsPerMeter = static_cast<int>(std::lround(m_dpi / 0.0254));
    m_image.setDotsPerMeterX(dotsPerMeter);
    m_image.setDotsPerMeterY(dotsPerMeter);
    m_image.fill(Qt::white);
    deviceResized();
}

ImageSurface::~ImageSurface() {
    endPainting();
}

void ImageSurface::Resize(int width, int height, double ratio) {
    endPainting();
    const int dotsPerMeter = m_image.dotsPerMeterX();
    if (!(ratio >= 1 && ratio <= 8)) ratio = 1;
    m_image = QImage(std::max(1, int(std::lround(width * ratio))), std::max(1, int(std::lround(height * ratio))),
                     QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.setDotsPerMeterX(dotsPerMeter);
    m_image.setDotsPerMeterY(dotsPerMeter);
    m_image.fill(toQt(BackColor()));
    deviceResized();
}

const QImage& ImageSurface::image() const {
    endPainting();
    return m_image;
}

// The picture is encoded in memory first, so that a failing disk can never leave half a PNG.
Status ImageSurface::SavePng(const std::string& path) const {
    if (Status st = CheckWriteTarget(path); !st) return st;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image().save(&buffer, "PNG") || bytes.isEmpty())
        return Status::Error(ErrorKind::WriteFailed,
                             "Cannot write the file " + path + ": the picture cannot be encoded");
    return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void ImageSurface::deviceSetPixel(int x, int y, Rgb color) {
    if (m_image.devicePixelRatio() != 1) {
        // A pixel of the plot covers several device pixels.
        PainterSurface::deviceSetPixel(x, y, color);
        return;
    }
    if (!m_image.valid(x, y)) return;
    endPainting();
    m_image.setPixelColor(x, y, toQt(color));
}

Rgb ImageSurface::deviceGetPixel(int x, int y) const {
    const double ratio = m_image.devicePixelRatio();
    x = int(x * ratio);
    y = int(y * ratio);
    if (!m_image.valid(x, y)) return BackColor();
    endPainting();
    const QColor c = m_image.pixelColor(x, y);
    return {c.red(), c.green(), c.blue()};
}

// ---- PagedSurface

PagedSurface::PagedSurface(QPagedPaintDevice& device, bool emptyDocumentGetsAPage)
    : m_device(device), m_emptyDocumentGetsAPage(emptyDocumentGetsAPage) {
    deviceResized();
}

PagedSurface::~PagedSurface() {
    EndDoc();
}

// After the document has ended nothing more is painted (a null device leaves the painter inactive).
QPaintDevice* PagedSurface::paintDevice() const {
    return m_ended ? nullptr : &m_device;
}
double PagedSurface::deviceWidth() const {
    return m_device.width();
}
double PagedSurface::deviceHeight() const {
    return m_device.height();
}
double PagedSurface::pixelsPerInch() const {
    return m_device.logicalDpiY();
}
Rgb PagedSurface::deviceGetPixel(int, int) const {
    return {255, 255, 255};
}

void PagedSurface::NewPage() {
    if (m_ended) return;
    painter(); // the first page exists once painting has begun
    m_device.newPage();
}

void PagedSurface::EndDoc() {
    if (m_ended) return;
    if (m_emptyDocumentGetsAPage) painter();
    endPainting();
    m_ended = true;
}

// ---- PdfSurface

PdfWriterHolder::PdfWriterHolder(const QString& path, QPageSize::PageSizeId page, int dpi)
    : writer(std::make_unique<QPdfWriter>(path)) {
    writer->setResolution(dpi > 0 ? dpi : 600);
    writer->setPageSize(QPageSize(page));
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
}

PdfWriterHolder::PdfWriterHolder(QIODevice& device, QPageSize::PageSizeId page, int dpi)
    : writer(std::make_unique<QPdfWriter>(&device)) {
    writer->setResolution(dpi > 0 ? dpi : 600);
    writer->setPageSize(QPageSize(page));
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
}

PdfWriterHolder::~PdfWriterHolder() = default;

PdfSurface::PdfSurface(const QString& path, QPageSize::PageSizeId page, int dpi)
    : PdfWriterHolder(path, page, dpi), PagedSurface(*writer, true) {}

PdfSurface::PdfSurface(QIODevice& device, QPageSize::PageSizeId page, int dpi)
    : PdfWriterHolder(device, page, dpi), PagedSurface(*writer, true) {}

// The document ends here, while the writer still exists.
PdfSurface::~PdfSurface() {
    EndDoc();
}

bool IsCompletePdf(std::string_view bytes) {
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r' || bytes.back() == ' '))
        bytes.remove_suffix(1);
    return bytes.starts_with("%PDF-") && bytes.ends_with("%%EOF");
}

Status SavePdf(const std::string& path, const std::function<Status(PdfSurface&)>& draw, QPageSize::PageSizeId page,
               int dpi) {
    if (Status st = CheckWriteTarget(path); !st) return st;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        PdfSurface pdf(buffer, page, dpi);
        if (Status st = draw(pdf); !st) return st;
        pdf.EndDoc();
    }
    const std::string_view document(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (!IsCompletePdf(document))
        return Status::Error(ErrorKind::WriteFailed, "Cannot write the file " + path + ": the document is incomplete");
    return WriteFileAtomically(path, document);
}

// ---- PrinterSurface

PrinterSurface::PrinterSurface(QPrinter& printer) : PagedSurface(printer, false) {}

} // namespace ribcraft
