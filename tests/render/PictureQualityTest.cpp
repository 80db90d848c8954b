// SPDX-License-Identifier: MIT
// What the drawing surfaces make of lines: smoothed curves, sharp frames,
// inverting lines that undo themselves, pictures at screen scale factors,
// and "Export View" files.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSvgRenderer>

#include <filesystem>

#include "RenderTestSupport.h"
#include "app/SharedState.h"
#include "plot/SurfacePlots.h"
#include "render/ExportView.h"
#include "render/QtSurface.h"

namespace ribcraft {
namespace {

// Pixels that are neither the background nor the ink: the blend of smoothing.
int blended(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c != QColor(Qt::white) && c != QColor(Qt::black)) ++n;
        }
    return n;
}

TEST(PictureQuality, CurvesAreSmoothedFramesStaySharpInvertingUndoesItself) {
    test::EnsureGuiApp();
    ImageSurface s(120, 80);
    s.SetScaleMode(ScalePixels);
    s.SetBackColor({255, 255, 255});
    s.Cls();
    const Rgb black{0, 0, 0};
    s.Line(10, 20, 110, 20, black); // level
    s.Line(30, 5, 30, 75, black);   // upright
    EXPECT_EQ(blended(s.image()), 0) << "frames and ticks stay one crisp pixel";
    s.Line(5, 75, 115, 10, black); // a slanted curve segment
    EXPECT_GT(blended(s.image()), 40) << "a slanted line is smoothed";

    const QImage before = s.image().copy();
    s.SetDrawMode(DrawModeInvert);
    for (int pass = 0; pass < 2; ++pass) {
        s.Line(8, 70, 100, 12);
        s.Box(20, 15, 90, 60, black, false);
    }
    s.SetDrawMode(DrawModeCopyPen);
    EXPECT_EQ(s.image(), before) << "inverting twice restores every pixel";
}

// At a screen scale of 2 the picture has twice the pixels each way while the
// plot routines see the same size; what they draw lands at the same place.
TEST(PictureQuality, ScaledScreensGetMorePixelsForTheSameDrawing) {
    test::EnsureGuiApp();
    ImageSurface one(200, 100), two(200, 100);
    two.Resize(200, 100, 2);
    for (ImageSurface* s : {&one, &two}) {
        s->SetScaleMode(ScalePixels);
        s->Cls();
        s->Line(0, 50, 200, 50, {255, 0, 0});
        s->PSet(20, 10, {0, 0, 255});
    }
    EXPECT_EQ(two.image().size(), QSize(400, 200));
    EXPECT_DOUBLE_EQ(two.ScaleWidth(), one.ScaleWidth());
    EXPECT_DOUBLE_EQ(two.ScaleHeight(), one.ScaleHeight());
    EXPECT_NEAR(two.TextWidth("Chord Position"), one.TextWidth("Chord Position"), 2.0);
    EXPECT_EQ(two.image().pixelColor(300, 100), QColor(255, 0, 0));
    EXPECT_EQ(two.image().pixelColor(40, 20), QColor(0, 0, 255));
    EXPECT_EQ(two.image().pixelColor(41, 21), QColor(0, 0, 255)) << "a plot pixel covers 2 x 2 device pixels";
}

// Export View: the PNG is the same picture the window's drawing area shows at
// that size; SVG and PDF have the asked size; a file is never left half written.
TEST(PictureQuality, ExportViewWritesThePictureInEachFormat) {
    test::EnsureGuiApp();
    SharedState state;
    state.resetToStartup();
    state.VFlag = 9; // the Fourier listing: text only, no solution needed
    ImageSurface window(300, 200);
    window.SetBackColor({255, 255, 255});
    window.SetForeColor({0, 0, 0});
    window.Cls();
    SharedState shown = state;
    DrawView(window, shown);

    const std::string png = test::OutPath("export.png"), svg = test::OutPath("export.svg"),
                      pdf = test::OutPath("export.pdf");
    EXPECT_TRUE(ExportViewFile(state, PictureFormat::Png, 300, 200, png).ok());
    EXPECT_EQ(QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32), window.image());

    EXPECT_TRUE(ExportViewFile(state, PictureFormat::Svg, 300, 200, svg).ok());
    QSvgRenderer drawing(QString::fromStdString(svg));
    ASSERT_TRUE(drawing.isValid());
    EXPECT_EQ(drawing.viewBox(), QRect(0, 0, 300, 200));

    EXPECT_TRUE(ExportViewFile(state, PictureFormat::Pdf, 300, 200, pdf).ok());
    QFile file(QString::fromStdString(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 225.000000 150.000000]")) << "300 x 200 pixels at 96 per inch in points";

    EXPECT_EQ(PictureFormatFor("a/b.PNG"), PictureFormat::Png);
    EXPECT_EQ(PictureFormatFor("view.svg"), PictureFormat::Svg);
    EXPECT_FALSE(PictureFormatFor("view.jpg").has_value());
    EXPECT_FALSE(PictureFormatFor("noext").has_value());

    // Refused sizes and unwritable places leave the old file as it was.
    const QByteArray old = [&] {
        QFile f(QString::fromStdString(png));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_FALSE(ExportViewFile(state, PictureFormat::Png, 0, 200, png).message().empty());
    EXPECT_FALSE(
        ExportViewFile(state, PictureFormat::Png, 300, 200, test::OutPath("missing/dir/x.png")).message().empty());
    QFile again(QString::fromStdString(png));
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), old);
}

} // namespace
} // namespace ribcraft
