// SPDX-License-Identifier: MIT
#include "gui/Form1.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrinter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "analysis/Drag.h"
#include "app/MainCommands.h"
#include "app/Recompute.h"
#include "gui/DialogParts.h"
#include "gui/FrmBlwarning.h"
#include "gui/Glyphs.h"
#include "gui/HelpWindow.h"
#include "gui/PlotCanvas.h"
#include "gui/ResultPanel.h"
#include "gui/Splash.h"
#include "gui/ToolBars.h"
#include "plot/Redraw.h"

namespace ribcraft {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString paletteCss(int index) {
    const Rgb c = QBColor(index);
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b);
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ribcraft (Full) Version 1.0"));
    // The shared state starts with every default (the load handler's steps).
    m_state.resetToStartup();
    m_menus = BuildMainMenus(menuBar(), this);
    // The zoom items are hidden on the menu; keys still reach them.
    const std::pair<QAction*, QKeySequence> zoomKeys[] = {
        {m_menus.mnuZoomIn, QKeySequence::ZoomIn},
        {m_menus.mnuZoomOut, QKeySequence::ZoomOut},
        {m_menus.mnuZoomReset, QKeySequence(QStringLiteral("Ctrl+0"))}};
    for (const auto& [target, keys] : zoomKeys) {
        auto* key = new QAction(this);
        key->setShortcut(keys);
        connect(key, &QAction::triggered, target, &QAction::trigger);
        addAction(key);
    }
    buildWindow();
    connectMenus();
    connectToolBars();
    buildDesktopCommands();
    m_Timer1.setInterval(1500);
    m_Timer1.setSingleShot(true);
    connect(&m_Timer1, &QTimer::timeout, this, &Form1::ShowTip);
    m_Picture4->SetUpButtons();
    m_menus.mnuBlack->setChecked(false);
    m_menus.mnuWhite->setChecked(true);
    m_menus.mnuShowPoints->setText(q(m_state.Texts.ShowPointsCaption));
    m_picture1->setCursor(ZoomCursor(true));
    recolourLegend();
    m_panDisplay->showTexts(m_state.Texts);
    resize(1000, 700);
    CentreOnScreen(this);
}

Form1::~Form1() = default;

void Form1::buildWindow() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 2, 4, 2);
    column->setSpacing(2);

    m_SSPanel2 = new ToolBarPanel(central);
    column->addWidget(m_SSPanel2);

    auto* graphicRow = new QHBoxLayout;
    m_Picture4 = new GraphicToolBar(central);
    m_Picture10 = new QuickButtons(central);
    graphicRow->addWidget(m_Picture4);
    graphicRow->addWidget(m_Picture10);
    graphicRow->addStretch(1);
    column->addLayout(graphicRow);

    m_SSPanel1 = new QLabel(central);
    m_SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    m_SSPanel1->setFrameShape(QFrame::StyledPanel);
    m_SSPanel1->setAlignment(Qt::AlignCenter);
    column->addWidget(m_SSPanel1);

    auto* middle = new QHBoxLayout;
    m_picture1 = new PlotCanvas(central);
    m_panDisplay = new ResultPanel(central);
    m_panDisplay->setFixedWidth(220);
    middle->addWidget(m_picture1, 1);
    middle->addWidget(m_panDisplay);
    column->addLayout(middle, 1);

    auto* legend = new QHBoxLayout;
    const char* names[2] = {"Upper Surface", "Lower Surface"};
    for (int i = 0; i < 2; ++i) {
        m_Label7[i * 2] = new QLabel(QStringLiteral("\u2014\u2014"), central);
        m_Label7[i * 2]->setObjectName(QStringLiteral("Label7_%1").arg(i * 2));
        m_Label5[i] = new QLabel(QString::fromUtf8(names[i]), central);
        m_Label5[i]->setObjectName(QStringLiteral("Label5_%1").arg(i));
        m_Label5[i]->installEventFilter(this);
        m_Label5[i]->setToolTip(QStringLiteral("Click: next colour; right click: colour menu"));
        legend->addWidget(m_Label7[i * 2]);
        legend->addWidget(m_Label5[i]);
        legend->addSpacing(16);
    }
    m_Label7[1] = nullptr;
    legend->addStretch(1);
    m_Label2 = new QLabel(central);
    m_Label2->setObjectName(QStringLiteral("Label2"));
    m_Label2->setMinimumWidth(160);
    legend->addWidget(m_Label2);
    column->addLayout(legend);
    setCentralWidget(central);

    // The tip floats over the window at top 660 twips (44 pixels).
    m_Text6 = new QLabel(this);
    m_Text6->setObjectName(QStringLiteral("Text6"));
    m_Text6->setStyleSheet(QStringLiteral("background: #ffffe1; border: 1px solid black; padding: 1px"));
    m_Text6->setVisible(false);
    m_Text6->installEventFilter(this);
    central->setMouseTracking(true);
    central->installEventFilter(this);
    // The graphic tool bar and the quick buttons have tooltips of their own:
    // the button-panel tip goes when the mouse reaches them.
    m_Picture4->installEventFilter(this);
    m_Picture10->installEventFilter(this);

    connect(m_picture1, &PlotCanvas::resized, this, [this] {
        if (m_picture1->height() > 0) m_state.PlotAspect = double(m_picture1->width()) / m_picture1->height();
        Command1_Click();
    });
    connect(m_picture1, &PlotCanvas::mouseMovedTo, this,
            [this](double x, double y) { m_Label2->setText(q(MouseReadout(x, y))); });
    connect(m_picture1, &PlotCanvas::rubberBandFinished, this, [this](double x1, double y1, double x2, double y2) {
        if (ApplyRubberBand(m_state, x1, y1, x2, y2)) Command1_Click();
    });
    connect(m_picture1, &PlotCanvas::rightButtonPressed, this,
            [this](const QPoint& at) { m_menus.mnuView->popup(at); });
    connect(m_panDisplay->Text1, &QLineEdit::textEdited, this,
            [this](const QString& t) { SectionNameTyped(m_state, t.toStdString()); });
    NumberBox(m_panDisplay->Text2, true, true);
    connect(m_panDisplay->Text2, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_state.Texts.AngleText = t.toStdString(); });
}

void Form1::EnableMenus() {
    for (QAction* a : {m_menus.mnuSave, m_menus.mnuDxf, m_menus.mnuPrint, m_menus.mnuPrinterSetup})
        if (!a->isEnabled()) a->setEnabled(true);
}

void Form1::Command1_Click() {
    ++m_redrawCount;
    EnableMenus();
    m_picture1->setRubberBandEnabled(HasFreeWindow(m_state.VFlag));
    ImageSurface& surface = m_picture1->surface();
    const Rgb back = m_state.whiteBackground() ? QBColor(15) : QBColor(0);
    const Rgb fore = m_state.whiteBackground() ? QBColor(0) : QBColor(15);
    surface.SetBackColor(back);
    surface.SetForeColor(fore);
    m_lastRedraw = RedrawView(m_state, surface);
    m_picture1->update();
    showResults();
    if (!m_lastRedraw.ok()) reportFailure(m_lastRedraw);
    if (!m_lastRedraw.warning.empty() && m_showNotices)
        frmBlwarning::showWarnings(QString::fromStdString(m_lastRedraw.warning), this);
    if (!m_lastRedraw.notice.empty()) {
        statusBar()->showMessage(q(m_lastRedraw.notice), 10000);
        if (m_showNotices) QMessageBox::information(this, windowTitle(), q(m_lastRedraw.notice));
    }
}

void Form1::showResults() {
    m_panDisplay->showTexts(m_state.Texts);
    m_SSPanel1->setText(q(m_state.Texts.PlotTitle));
    for (QLabel* l : m_Label5)
        l->setVisible(m_state.Texts.LegendVisible);
    for (QLabel* l : m_Label7)
        if (l) l->setVisible(m_state.Texts.LegendVisible);
    m_menus.mnuBlAirfoilView->setEnabled(m_state.Bl.Solved);
    m_menus.Digit4->setChecked(m_state.AirfoilType == 4);
    m_menus.Digit5->setChecked(m_state.AirfoilType == 5);
}

void Form1::recolourLegend() {
    const int colours[2] = {m_state.UpperColor, m_state.LowerColor};
    for (int i = 0; i < 2; ++i) {
        const QString css = QStringLiteral("color: %1; background: %2")
                                .arg(paletteCss(colours[i]), m_state.whiteBackground() ? "white" : "black");
        m_Label5[i]->setStyleSheet(css);
        m_Label7[i * 2]->setStyleSheet(css);
    }
}

void Form1::reportFailure(const CommandResult& r) {
    m_lastMessage = q(r.message());
    statusBar()->showMessage(m_lastMessage, 10000);
    // The boundary-layer routines report their faults in a message box with OK only.
    if (r.kind() == ErrorKind::BoundaryLayerFailed && m_showNotices)
        QMessageBox::critical(this, windowTitle(), m_lastMessage);
}

void Form1::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (!m_resizedOnce) {
        m_resizedOnce = true;
        emit firstResized();
    }
}

void Form1::closeEvent(QCloseEvent* e) {
    // Closing the window ends the program at once; nothing is saved.
    if (m_help) m_help->close();
    e->accept();
}

bool Form1::eventFilter(QObject* watched, QEvent* e) {
    for (int i = 0; i < 2; ++i) {
        if (watched == m_Label5[i] && e->type() == QEvent::MouseButtonPress) {
            LegendClicked(i, static_cast<QMouseEvent*>(e)->button() == Qt::RightButton);
            return true;
        }
    }
    if (e->type() == QEvent::MouseMove && (watched == centralWidget() || watched == m_Text6)) HideTip();
    if (e->type() == QEvent::Enter && (watched == m_Picture4 || watched == m_Picture10)) HideTip();
    return QMainWindow::eventFilter(watched, e);
}

} // namespace ribcraft
