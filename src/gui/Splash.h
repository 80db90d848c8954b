// SPDX-License-Identifier: MIT
#pragma once
// The start-up window and the placement helpers the windows share.
//
// Controls:
//   Picture1   the start-up picture, drawn by the program (an airfoil in a
//              stream of air)
// Caption "Zephyrin, Version 2.0". Shown centred on the screen without
// waiting while the main window loads; dismiss() unloads it the first time
// the main window is laid out.

#include <QPixmap>
#include <QWidget>

#include "app/SharedState.h"

namespace ribcraft {

// left = (screen width - window width) / 2, top likewise.
void CentreOnScreen(QWidget* window);
// The common dialog placement: centred over the parent window (or on the
// screen when there is none).
void CentreOverParent(QWidget* window);

class SplashPicture : public QWidget {
    Q_OBJECT
public:
    explicit SplashPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {420, 260}; }
    // The picture, drawn when the widget is made.
    const QPixmap& picture() const { return m_picture; }
    // Whether the widget has been painted on the screen at least once.
    bool painted() const { return m_painted; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static void drawPicture(QPainter& p, const QRectF& area);
    QPixmap m_picture;
    bool m_painted = false;
};

class Splash : public QWidget {
    Q_OBJECT
public:
    explicit Splash(SharedState& state, QWidget* parent = nullptr);

    // Shows the window and returns once it has been painted (or after half a second).
    void showPainted();
    bool painted() const { return m_picture->painted(); }
    // Closes the window once and records SplashDismissed = 1.
    void dismiss();

private:
    SharedState& m_state;
    SplashPicture* m_picture = nullptr;
};

} // namespace ribcraft
