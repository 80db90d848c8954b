#pragma once
// The main window's two tool bars and the quick buttons.
//
// SSPanel2 "Tool Bar": SSCommand1 "Print", SSCommand2 "NACA 4-Digit", SSCommand3 "Save ",
//   SSCommand4 "NACA 5-Digit", SSCommand5 "Help", SSCommand6 "Angle of Attack", SSCommand7 "Plain Flap".
// Picture4: the graphic tool bar, six hot spots (0 save, 1 print templates, 2 angle of attack,
//   3 the "Air&foils" menu, 4 flap, 5 help for the current view), glyphs painted by PaintButtonGlyph.
// Picture10: quick buttons 0 NACA 4-digit, 1 NACA 5-digit, 2 angle of attack, 3 flap (4 and 5 inactive).

#include <QFrame>
#include <QImage>
#include <array>
#include <memory>

class QPushButton;
class QToolButton;

namespace ribcraft {

class ImageSurface;

class ToolBarPanel : public QFrame {
    Q_OBJECT
public:
    explicit ToolBarPanel(QWidget* parent = nullptr);
    std::array<QPushButton*, 7> SSCommand{}; // SSCommand1 is SSCommand[0]

signals:
    void buttonClicked(int number); // 1..7
    void buttonHovered(int number); // 1..7
    void panelHovered();            // the pointer is over the panel, not a button
    // The pointer left a button: a tip not yet shown is not wanted any more.
    void buttonLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

// One hot spot of the graphic tool bar, in window units (twips).
struct HotSpot {
    int left = 0, top = 0, width = 0, height = 0;
    QImage glyph;
};

class GraphicToolBar : public QWidget {
    Q_OBJECT
public:
    explicit GraphicToolBar(QWidget* parent = nullptr);
    ~GraphicToolBar() override;

    // Builds the hot-spot table (six buttons, left edge 1200 k + 100, top 20, width 1150) and draws it.
    void SetUpButtons();
    const std::array<HotSpot, 6>& hotSpots() const { return m_spots; }
    int highlighted() const { return m_highlighted; }
    int pressed() const { return m_pressed; }
    QSize sizeHint() const override;
    // The tool tip of a hot spot ("" for none).
    static QString tipFor(int index);

signals:
    void hotSpotClicked(int index);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    int spotAt(QPoint p) const;
    void drawButtons();
    QRect pixelRect(const HotSpot& h) const;

    std::array<HotSpot, 6> m_spots{};
    std::unique_ptr<ImageSurface> m_surface;
    int m_highlighted = -1;
    int m_pressed = -1;
};

// Picture10: the quick buttons; emits the index of the active ones (0..3).
class QuickButtons : public QFrame {
    Q_OBJECT
public:
    explicit QuickButtons(QWidget* parent = nullptr);
    std::array<QToolButton*, 6> Picture10{};

signals:
    void quickClicked(int index);
};

} // namespace ribcraft
