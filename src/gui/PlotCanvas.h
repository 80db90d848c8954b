#pragma once
// PlotCanvas: the drawing area of the main window, the control Picture1 (its
// object name). It owns the picture every view is drawn on (an image surface
// that keeps its picture between paints), reports the pointer position in the
// view's user units, and runs the rubber-band box of the zoomable views in
// inverting draw mode.

#include <QWidget>
#include <memory>

#include "render/QtSurface.h"

namespace ribcraft {

class PlotCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PlotCanvas(QWidget* parent = nullptr);

    ImageSurface& surface() { return *m_surface; }
    // Whether a left-button drag draws a rubber band (the flow-field and mesh views).
    void setRubberBandEnabled(bool on) { m_bandEnabled = on; }
    bool dragging() const { return m_dragging; }

signals:
    void resized();
    void mouseMovedTo(double x, double y);
    // The box in user units when the button is released.
    void rubberBandFinished(double x1, double y1, double x2, double y2);
    void rightButtonPressed(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    std::unique_ptr<ImageSurface> m_surface;
    bool m_bandEnabled = false;
    bool m_dragging = false;
    QPoint m_bandStart, m_bandEnd;
};

} // namespace ribcraft
