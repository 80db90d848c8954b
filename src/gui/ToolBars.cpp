#include "gui/ToolBars.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>

#include "gui/GlyphPainter.h"
#include "gui/Glyphs.h"
#include "render/QtSurface.h"

namespace ribcraft {

namespace {

// Window units of the hot-spot table are twips; the screen has 15 twips per pixel.
constexpr double TwipsPerPixel = 15.0;
int px(double twips) {
    return int(twips / TwipsPerPixel + 0.5);
}

} // namespace

// ---- SSPanel2

ToolBarPanel::ToolBarPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("SSPanel2"));
    setAccessibleName(QStringLiteral("Tool Bar"));
    setFrameShape(QFrame::StyledPanel);
    setMouseTracking(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    const char* captions[7] = {"Print", "NACA 4-Digit",    "Save ",     "NACA 5-Digit",
                               "Help",  "Angle of Attack", "Plain Flap"};
    for (int i = 0; i < 7; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(captions[i]), this);
        b->setObjectName(QStringLiteral("SSCommand%1").arg(i + 1));
        b->setMouseTracking(true);
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, i] { emit buttonClicked(i + 1); });
        row->addWidget(b);
        SSCommand[i] = b;
    }
    row->addStretch(1);
}

bool ToolBarPanel::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Enter || e->type() == QEvent::MouseMove) {
        for (int i = 0; i < 7; ++i)
            if (watched == SSCommand[i]) emit buttonHovered(i + 1);
    }
    if (e->type() == QEvent::Leave && std::find(SSCommand.begin(), SSCommand.end(), watched) != SSCommand.end())
        emit buttonLeft();
    return QFrame::eventFilter(watched, e);
}

void ToolBarPanel::mouseMoveEvent(QMouseEvent* e) {
    // A button does not take a move without a pressed mouse button, so it
    // reaches the panel too; only a move over the bare panel hides the tip.
    const QWidget* under = childAt(e->position().toPoint());
    if (std::find(SSCommand.begin(), SSCommand.end(), under) == SSCommand.end()) emit panelHovered();
    // Taken here: passed on, the move would reach the window, which hides the tip too.
    e->accept();
}

// ---- Picture4

GraphicToolBar::GraphicToolBar(QWidget* parent)
    : QWidget(parent), m_surface(std::make_unique<ImageSurface>(px(7400), px(460))) {
    setObjectName(QStringLiteral("Picture4"));
    setMouseTracking(true);
    setFixedHeight(px(460));
    setMinimumWidth(px(7400));
}

GraphicToolBar::~GraphicToolBar() = default;

QSize GraphicToolBar::sizeHint() const {
    return {px(7400), px(460)};
}

void GraphicToolBar::SetUpButtons() {
    const ToolGlyph glyphs[6] = {ToolGlyph::Save,     ToolGlyph::Print, ToolGlyph::Angle,
                                 ToolGlyph::Airfoils, ToolGlyph::Flap,  ToolGlyph::Help};
    for (int k = 0; k < 6; ++k) {
        HotSpot& h = m_spots[k];
        h.left = 1200 * k + 100;
        h.top = 20;
        h.width = 1150;
        h.height = 420;
        h.glyph = GlyphImage(glyphs[k], 24);
    }
    m_surface->SetFontName("Arial");
    drawButtons();
}

QRect GraphicToolBar::pixelRect(const HotSpot& h) const {
    return {px(h.left), px(h.top), px(h.width), px(h.height)};
}

int GraphicToolBar::spotAt(QPoint p) const {
    for (int k = 0; k < 6; ++k)
        if (pixelRect(m_spots[k]).contains(p)) return k;
    return -1;
}

void GraphicToolBar::drawButtons() {
    ImageSurface& s = *m_surface;
    s.SetScaleMode(ScalePixels);
    s.SetBackColor(Rgb{192, 192, 192});
    s.Cls();
    for (int k = 0; k < 6; ++k) {
        const QRect r = pixelRect(m_spots[k]);
        const bool down = k == m_pressed, lit = k == m_highlighted || down;
        if (lit) {
            // Raised frame when highlighted, sunken while pressed.
            const Rgb light{255, 255, 255}, dark{128, 128, 128};
            const Rgb tl = down ? dark : light, br = down ? light : dark;
            s.Line(r.left(), r.top(), r.right(), r.top(), tl);
            s.Line(r.left(), r.top(), r.left(), r.bottom(), tl);
            s.Line(r.left(), r.bottom(), r.right(), r.bottom(), br);
            s.Line(r.right(), r.top(), r.right(), r.bottom(), br);
        }
        const QImage& g = m_spots[k].glyph;
        const int x = r.left() + (r.width() - g.width()) / 2 + (down ? 1 : 0);
        const int y = r.top() + (r.height() - g.height()) / 2 + (down ? 1 : 0);
        PaintGlyph(lit ? 4 : 1, s, g, x, y);
    }
    update();
}

QString GraphicToolBar::tipFor(int index) {
    static const char* const tips[6] = {"Save",     "Print Templates", "Angle of Attack",
                                        "Airfoils", "Plain Flap",      "Help for this view"};
    return index >= 0 && index < 6 ? QString::fromUtf8(tips[index]) : QString();
}

bool GraphicToolBar::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const int k = spotAt(help->pos());
        if (k >= 0)
            QToolTip::showText(help->globalPos(), tipFor(k), this, pixelRect(m_spots[k]));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void GraphicToolBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(192, 192, 192));
    p.drawImage(0, 0, m_surface->image());
}

void GraphicToolBar::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    m_surface->Resize(std::max(1, width()), std::max(1, height()));
    drawButtons();
}

void GraphicToolBar::mouseMoveEvent(QMouseEvent* e) {
    const int k = spotAt(e->position().toPoint());
    if (k != m_highlighted) {
        m_highlighted = k;
        drawButtons();
    }
}

void GraphicToolBar::leaveEvent(QEvent* e) {
    m_highlighted = -1;
    drawButtons();
    QWidget::leaveEvent(e);
}

void GraphicToolBar::mouseReleaseEvent(QMouseEvent* e) {
    const int k = spotAt(e->position().toPoint());
    if (k < 0) return;
    // Show the button pressed for 100 ms while pending events are processed.
    m_pressed = k;
    drawButtons();
    repaint();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 100)
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    m_pressed = -1;
    drawButtons();
    emit hotSpotClicked(k);
}

// ---- Picture10

QuickButtons::QuickButtons(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture10Frame"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 0, 2, 0);
    const ToolGlyph icons[4] = {ToolGlyph::Naca4, ToolGlyph::Naca5, ToolGlyph::Angle, ToolGlyph::Flap};
    const char* tips[4] = {"NACA 4 Digit Section", "NACA 5 Digit Section", "Angle of Attack", "Plain Flap"};
    for (int i = 0; i < 6; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("Picture10_%1").arg(i));
        b->setAutoRaise(true);
        b->setIconSize(QSize(24, 24));
        if (i < 4) {
            QImage img = GlyphImage(icons[i], 24);
            b->setIcon(QIcon(QPixmap::fromImage(img)));
            b->setToolTip(QString::fromUtf8(tips[i]));
            connect(b, &QToolButton::clicked, this, [this, i] { emit quickClicked(i); });
        } else {
            b->setVisible(false); // indexes 4 and 5 have no command
        }
        row->addWidget(b);
        Picture10[i] = b;
    }
}

} // namespace ribcraft
