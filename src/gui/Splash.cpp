// SPDX-License-Identifier: MIT
#include "gui/Splash.h"

#include "gui/SectionPath.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

namespace ribcraft {

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

void CentreOverParent(QWidget* window) {
    const QWidget* parent = window->parentWidget();
    if (!parent) {
        CentreOnScreen(window);
        return;
    }
    const QRect over = parent->window()->frameGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(over.left() + (over.width() - size.width()) / 2, over.top() + (over.height() - size.height()) / 2);
}

SplashPicture::SplashPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("Picture1");
    // The picture is drawn once, before the window is shown, so that its
    // first paint only copies it and no empty window is ever seen.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_picture = QPixmap(sizeHint());
    m_picture.fill(Qt::black);
    QPainter p(&m_picture);
    drawPicture(p, QRectF(QPointF(0, 0), QSizeF(sizeHint())));
}

void SplashPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (size() == m_picture.size())
        p.drawPixmap(0, 0, m_picture);
    else
        drawPicture(p, QRectF(rect()));
    m_painted = true;
}

void SplashPicture::drawPicture(QPainter& p, const QRectF& area) {
    const double width = area.width(), height = area.height();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(18, 40, 92));
    sky.setColorAt(1, QColor(70, 130, 190));
    p.fillRect(area, sky);

    const QRectF box(width * 0.18, height * 0.30, width * 0.62, height * 0.35);
    // Streamlines: bowed over and under the section, flattening with distance.
    p.setPen(QPen(QColor(200, 225, 255, 170), 1.2));
    for (int k = -5; k <= 5; ++k) {
        if (k == 0) continue;
        const double y0 = box.center().y() + k * height * 0.075;
        const double bow = 14.0 / (std::abs(k) + 0.6) * (k < 0 ? 1.3 : 0.8);
        QPainterPath line(QPointF(0, y0));
        for (int i = 1; i <= 60; ++i) {
            const double x = width * i / 60.0;
            const double s = (x - box.left()) / box.width();
            const double hump = (s > -0.3 && s < 1.3) ? std::sin(std::numbers::pi * (s + 0.3) / 1.6) : 0.0;
            line.lineTo(x, y0 - (k < 0 ? 1 : -0.4) * bow * hump * hump);
        }
        p.drawPath(line);
    }
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(235, 235, 240));
    p.drawPath(SectionPath(*airfoil::DecodeNacaSection(4412), QPointF(box.left(), box.center().y()), box.width(), 80));

    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPointSize(18);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, height * 0.72, width, height * 0.2), Qt::AlignCenter, "Ribcraft");
}

Splash::Splash(SharedState& state, QWidget* parent) : QWidget(parent, Qt::Window), m_state(state) {
    setObjectName("Splash");
    setWindowTitle("Zephyrin, Version 2.0");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_picture = new SplashPicture(this);
    layout->addWidget(m_picture);
    adjustSize();
    CentreOnScreen(this);
}

void Splash::showPainted() {
    show();
    raise();
    // Wait (briefly) for the window system to let the picture be painted
    // before the main window starts its own, longer work.
    QElapsedTimer waited;
    waited.start();
    while (!m_picture->painted() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Splash::dismiss() {
    if (m_state.SplashDismissed) return;
    m_state.SplashDismissed = 1;
    close();
}

} // namespace ribcraft
