#include "gui/PlotCanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace ribcraft {

PlotCanvas::PlotCanvas(QWidget* parent) : QWidget(parent), m_surface(std::make_unique<ImageSurface>(400, 300)) {
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);
    setMinimumSize(200, 150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PlotCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_surface->image());
    if (m_dragging) {
        // Inverting draw mode: the box shows on any background.
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(QRect(m_bandStart, m_bandEnd).normalized());
    }
}

void PlotCanvas::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // Drawn at the screen's own resolution, so that curves and text stay crisp on scaled screens.
    m_surface->Resize(std::max(1, width()), std::max(1, height()), devicePixelRatioF());
    emit resized();
}

void PlotCanvas::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        emit rightButtonPressed(e->globalPosition().toPoint());
        return;
    }
    if (e->button() == Qt::LeftButton && m_bandEnabled) {
        m_bandStart = m_bandEnd = e->position().toPoint();
        m_dragging = true;
        update();
    }
}

void PlotCanvas::mouseMoveEvent(QMouseEvent* e) {
    const QPointF pos = e->position();
    emit mouseMovedTo(m_surface->FromDeviceX(pos.x()), m_surface->FromDeviceY(pos.y()));
    if (m_dragging) {
        m_bandEnd = pos.toPoint();
        update();
    }
}

void PlotCanvas::mouseReleaseEvent(QMouseEvent* e) {
    if (!m_dragging || e->button() != Qt::LeftButton) return;
    m_dragging = false;
    m_bandEnd = e->position().toPoint();
    update();
    const double x1 = m_surface->FromDeviceX(m_bandStart.x()), y1 = m_surface->FromDeviceY(m_bandStart.y());
    const double x2 = m_surface->FromDeviceX(m_bandEnd.x()), y2 = m_surface->FromDeviceY(m_bandEnd.y());
    emit rubberBandFinished(x1, y1, x2, y2);
}

} // namespace ribcraft
