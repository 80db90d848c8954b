#include "render/ExportView.h"

#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <memory>

#include "io/AtomicFile.h"
#include "plot/SurfacePlots.h"
#include "render/QtSurface.h"

namespace ribcraft {

namespace {

constexpr double ScreenDpi = 96;

// A picture on a vector device (SVG drawing or PDF page) with the screen's
// pixel size: the views come out as on the screen, only sharper.
class VectorSurface : public PainterSurface {
public:
    VectorSurface(QPaintDevice& device, int width, int height) : m_device(device), m_width(width), m_height(height) {
        deviceResized();
    }
    ~VectorSurface() override { endPainting(); }
    // Ends the painting, so that the device writes everything out.
    void finish() { endPainting(); }

protected:
    QPaintDevice* paintDevice() const override { return &m_device; }
    double deviceWidth() const override { return m_width; }
    double deviceHeight() const override { return m_height; }
    double pixelsPerInch() const override { return ScreenDpi; }

private:
    QPaintDevice& m_device;
    int m_width, m_height;
};

void prepare(Surface& surface, const SharedState& state) {
    surface.SetBackColor(state.whiteBackground() ? QBColor(15) : QBColor(0));
    surface.SetForeColor(state.whiteBackground() ? QBColor(0) : QBColor(15));
    surface.Cls();
}

} // namespace

std::optional<PictureFormat> PictureFormatFor(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    std::string ext(path.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == "png") return PictureFormat::Png;
    if (ext == "svg") return PictureFormat::Svg;
    if (ext == "pdf") return PictureFormat::Pdf;
    return std::nullopt;
}

Status ExportViewFile(SharedState& state, PictureFormat format, int width, int height, const std::string& path) {
    if (width < MinExportSize || height < MinExportSize || width > MaxExportSize || height > MaxExportSize)
        return Status::Error(ErrorKind::InvalidInput,
                             "Picture size out of range: " + std::to_string(width) + " x " + std::to_string(height));
    // The picture goes to a temporary file that replaces the target only once complete.
    PendingFile file;
    if (Status opened = PendingFile::Create(path, file); !opened) return opened;
    const QString temp = QString::fromStdString(file.tempPath());
    switch (format) {
    case PictureFormat::Png: {
        ImageSurface surface(width, height, ScreenDpi);
        prepare(surface, state);
        DrawView(surface, state);
        if (!surface.image().save(temp, "PNG"))
            return Status::Error(ErrorKind::WriteFailed, "Cannot write the file " + path);
        break;
    }
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setFileName(temp);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setResolution(int(ScreenDpi));
        svg.setTitle(QString::fromStdString(state.Texts.PlotTitle));
        VectorSurface surface(svg, width, height);
        prepare(surface, state);
        DrawView(surface, state);
        surface.finish();
        break;
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(temp);
        pdf.setResolution(int(ScreenDpi));
        pdf.setPageSize(QPageSize(QSizeF(width * 72.0 / ScreenDpi, height * 72.0 / ScreenDpi), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QString::fromStdString(state.Texts.PlotTitle));
        pdf.setCreator(QStringLiteral("Ribcraft"));
        VectorSurface surface(pdf, width, height);
        prepare(surface, state);
        DrawView(surface, state);
        surface.finish();
        break;
    }
    }
    return file.Commit();
}

} // namespace ribcraft
