// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>

#include <filesystem>

#include "../plot/TestSection.h"
#include "RenderTestSupport.h"
#include "plot/GraphFrame.h"
#include "plot/SurfacePlots.h"
#include "render/QtSurface.h"
#include "render/RenderView.h"

namespace ribcraft {
namespace {

int countColour(const QImage& img, QColor c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c) ++n;
    return n;
}

// Pixels of a smoothed curve in a colour with one non-zero channel on white:
// the ink blended with the background keeps the other two channels equal and
// below the ink's channel.
int countTinted(const QImage& img, int channel) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            const int v[3] = {c.red(), c.green(), c.blue()};
            const int a = v[(channel + 1) % 3], b = v[(channel + 2) % 3];
            if (a == b && v[channel] - a > 40) ++n;
        }
    return n;
}

struct Render : ::testing::Test {
    void SetUp() override { test::EnsureGuiApp(); }
};

TEST_F(Render, CpPlotOnAnImageShowsBothCurveColours) {
    SharedState st;
    test::FillEllipse(st, 60, 0.12);
    st.VFlag = 2;
    st.UpperColor = 4; // red
    st.LowerColor = 1; // blue
    // The symmetric section's halves coincide; move the lower one inside the range.
    for (int i = 1; i <= st.PointCount / 2; ++i)
        st.SurfaceCp[i] *= 0.5f;
    ImageSurface s(800, 600);
    s.SetBackColor(QBColor(15));
    s.Cls();
    DrawView(s, st);
    const QImage& img = s.image();
    const int white = countColour(img, Qt::white);
    EXPECT_LT(white, 800 * 600);                 // not blank
    EXPECT_GT(countTinted(img, 0), 100);         // upper surface curve, dark red
    EXPECT_GT(countTinted(img, 2), 100);         // lower surface curve, dark blue
    EXPECT_GT(countColour(img, Qt::black), 200); // frame, ticks, labels
}

TEST_F(Render, TextMetricsComeFromTheFont) {
    ImageSurface s(400, 300);
    s.SetScaleMode(ScalePixels);
    const double one = s.TextWidth("0"), four = s.TextWidth("0000");
    EXPECT_GT(one, 2);
    EXPECT_NEAR(four, 4 * one, 1.0);
    EXPECT_GT(s.TextHeight("Ag"), 8);
    s.SetFontSize(16);
    EXPECT_GT(s.TextWidth("0"), 1.5 * one);
    s.Scale(0, 1, 1, 0); // y upward: heights negative
    EXPECT_LT(s.TextHeight("Ag"), 0);
}

TEST_F(Render, InvertingModeDrawnTwiceRestoresThePicture) {
    ImageSurface s(100, 100);
    s.Cls();
    s.Line(0, 50, 99, 50, QBColor(4));
    const QImage before = s.image().copy();
    s.SetDrawMode(DrawModeInvert);
    s.Box(10, 10, 60, 60, QBColor(0), false);
    EXPECT_NE(s.image(), before);
    s.Box(10, 10, 60, 60, QBColor(0), false);
    EXPECT_EQ(s.image(), before);
}

TEST_F(Render, PixelsAndGlyphs) {
    ImageSurface s(20, 20);
    s.SetBackColor(Rgb{192, 192, 192});
    s.Cls();
    const Rgb black{0, 0, 0};
    PaintButtonGlyph(3, s, Glyph{1, 1, {black}}, 5, 5, Rgb{192, 192, 192});
    EXPECT_EQ(s.GetPixel(5, 5), (Rgb{128, 128, 128}));
    EXPECT_EQ(s.GetPixel(6, 6), (Rgb{255, 255, 255}));
    EXPECT_EQ(s.GetPixel(-1, 3), s.BackColor()); // outside: no crash
}

TEST_F(Render, ResizeKeepsAUserScale) {
    ImageSurface s(200, 100);
    s.Scale(-1, 1, 1, -1);
    s.Resize(400, 300);
    EXPECT_EQ(s.image().size(), QSize(400, 300));
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 2);
    EXPECT_NEAR(s.ToDeviceX(1), 400, 1e-9);
    s.SetScaleMode(ScalePixels);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), 300);
}

TEST_F(Render, PdfPageIsAtTrueScale) {
    const std::string path = test::OutPath("true-scale.pdf");
    {
        PdfSurface pdf(QString::fromStdString(path), QPageSize::Letter, 600);
        EXPECT_TRUE(pdf.IsPrinter());
        pdf.SetScaleMode(ScaleInches);
        EXPECT_NEAR(pdf.ScaleWidth(), 8.5, 0.01);
        EXPECT_NEAR(pdf.ScaleHeight(), 11.0, 0.01);
        EXPECT_NEAR(pdf.TwipsPerPixelY(), 1440.0 / 600, 1e-12);
        pdf.SetScaleMode(ScaleCentimetres);
        EXPECT_NEAR(pdf.ScaleWidth(), 8.5 * 2.54, 0.03);
        pdf.SetScaleMode(ScaleInches);
        pdf.Line(1, 1, 7.5, 1); // a 6.5 inch rule
        PrintRotated(pdf, "rib 1", 1, 2, 8, -90);
        pdf.NewPage();
        pdf.Line(1, 1, 1, 10);
        pdf.EndDoc();
    }
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(f.readAll());
    // Letter is 612 x 792 points; two pages.
    const QRegularExpression box(R"(/MediaBox\s*\[\s*0\s+0\s+612(\.0+)?\s+792(\.0+)?\s*\])");
    EXPECT_EQ(content.count(box), 2) << path;
}

TEST_F(Render, EveryViewRendersToPng) {
    for (int view : {1, 2, 3, 9}) {
        for (int sub : {0, 1, 2, 3}) {
            if (view != 1 && sub > 0) continue;
            SharedState st;
            test::FillEllipse(st, 60, 0.12);
            for (int i = 1; i <= st.PointCount + 1; ++i)
                st.EdgeY[i] = st.SectionY[i] + (st.SectionY[i] >= 0 ? 1 : -1) * 0.02f * st.SectionX[i];
            st.VFlag = view;
            st.XChoice = sub;
            st.UpperColor = 4;
            st.LowerColor = 1;
            st.A[0] = 0.25f;
            const std::string path = test::OutPath("view" + std::to_string(view) + "-" + std::to_string(sub) + ".png");
            ASSERT_TRUE(RenderViewToPng(st, 800, 600, path).ok());
            QImage img(QString::fromStdString(path));
            ASSERT_EQ(img.size(), QSize(800, 600)) << path;
            EXPECT_LT(countColour(img, Qt::white), 800 * 600) << path;
        }
    }
    SharedState st;
    EXPECT_FALSE(RenderViewToPng(st, 800, 600, "/nonexistent-dir/x.png").message().empty());
    EXPECT_FALSE(RenderViewToPng(st, 0, 600, test::OutPath("empty.png")).message().empty());
}

} // namespace
} // namespace ribcraft
