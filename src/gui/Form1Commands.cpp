// The commands of the main window: each reads what it needs, changes the
// shared state through the core and redraws.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/MainCommands.h"
#include "app/dialogs/AngleDialogModel.h"
#include "app/dialogs/BoundaryLayerOptionsModel.h"
#include "app/dialogs/DialogProtocol.h"
#include "app/dialogs/GridControlModel.h"
#include "app/dialogs/HelpContexts.h"
#include "base/ViewCodes.h"
#include "gui/Form1.h"
#include "gui/Form10.h"
#include "gui/Form2.h"
#include "gui/Form4.h"
#include "gui/Form5.h"
#include "gui/Form6.h"
#include "gui/Form7.h"
#include "gui/Form8.h"
#include "gui/FrmBoundaryLayer.h"
#include "gui/Glyphs.h"
#include "gui/GridControl.h"
#include "gui/HelpWindow.h"
#include "gui/PlotCanvas.h"
#include "gui/ResultPanel.h"
#include "gui/ToolBars.h"
#include "gui/WaitCursor.h"

namespace ribcraft {

template <typename Dialog> bool Form1::runDialog() {
    return RunDialog(m_state, [this] {
        Dialog dialog(m_state, this);
        dialog.exec();
    });
}

void Form1::Naca4Command() {
    if (!runDialog<Form4>()) return;
    WaitCursor wait;
    AfterNacaAccepted(m_state);
    Command1_Click();
}

void Form1::Naca5Command() {
    if (!runDialog<Form5>()) return;
    WaitCursor wait;
    AfterNacaAccepted(m_state);
    Command1_Click();
}

void Form1::AngleCommand(bool fromToolBar) {
    const bool accepted = runDialog<Form6>();
    AfterAngleDialog(m_state, accepted);
    m_panDisplay->showTexts(m_state.Texts);
    if (!accepted) return;
    if (fromToolBar) {
        WaitCursor wait;
        Command1_Click();
    } else {
        Command1_Click();
    }
}

void Form1::FlapCommand(bool fromToolBar) {
    const bool accepted = runDialog<Form7>();
    AfterFlapDialog(m_state, fromToolBar ? FlapPiToolBar : FlapPiMenu, accepted);
    if (!accepted) return;
    WaitCursor wait;
    Command1_Click();
}

void Form1::OptionsCommand() {
    if (!runDialog<Form8>()) return;
    WaitCursor wait;
    AfterOptionsAccepted(m_state);
    Command1_Click();
}

void Form1::MeshControlsCommand() {
    if (!runDialog<GridControl>()) return;
    WaitCursor wait;
    AfterGridControlAccepted(m_state);
    Command1_Click();
}

void Form1::AeroSettingsCommand() {
    if (!runDialog<frmBoundaryLayer>()) return;
    WaitCursor wait;
    AfterBoundaryLayerOptionsAccepted(m_state);
    Command1_Click();
}

void Form1::AirfoilView(int xchoice) {
    m_menus.mnuAirfoilBoundaryLayer->setChecked(false);
    m_state.XChoice = xchoice;
    for (QAction* a : m_menus.checkedViews())
        a->setChecked(false);
    m_state.VFlag = ViewCode::Airfoil;
    Command1_Click();
}

void Form1::CheckedView(QAction* item, int vflag) {
    for (QAction* a : m_menus.checkedViews())
        a->setChecked(a == item);
    m_state.VFlag = vflag;
    if (vflag == ViewCode::Streamlines || vflag == ViewCode::PressureContours || vflag == ViewCode::Mesh) {
        WaitCursor wait;
        Command1_Click();
    } else {
        Command1_Click();
    }
}

void Form1::PolarCommand(int polarView, bool reset) {
    m_state.VFlag = ViewCode::Polar;
    if (reset)
        m_state.PolarCount = 0;
    else
        m_state.PolarView = polarView;
    Command1_Click();
}

void Form1::BoundaryLayerView(int displayOpt) {
    m_state.VFlag = ViewCode::BoundaryLayer;
    m_state.BlDisplayOpt = displayOpt;
    Command1_Click();
}

void Form1::ShowPointsCommand() {
    ToggleShowPoints(m_state);
    m_menus.mnuShowPoints->setText(QString::fromStdString(m_state.Texts.ShowPointsCaption));
    Command1_Click();
}

void Form1::BackgroundCommand(bool white) {
    m_menus.mnuWhite->setChecked(white);
    m_menus.mnuBlack->setChecked(!white);
    SelectBackground(m_state, white);
    m_picture1->setCursor(ZoomCursor(white));
    recolourLegend();
    Command1_Click();
}

void Form1::ColorCommand(int index) {
    ApplyColorCommand(m_state, static_cast<ribcraft::ColorCommand>(index));
    recolourLegend();
    Command1_Click();
}

void Form1::LegendClicked(int index, bool rightButton) {
    if (rightButton) {
        m_state.ColorTarget = index;
        m_menus.mnuColor->popup(QCursor::pos());
        return;
    }
    CycleLegendColor(m_state, index);
    recolourLegend();
    // The curve takes the label's new colour at once, through the normal redraw.
    Command1_Click();
}

void Form1::ZoomCommand(int which) {
    if (which == 0)
        ZoomIn(m_state);
    else if (which == 1)
        ZoomOut(m_state);
    else
        ZoomReset(m_state);
    Command1_Click();
}

void Form1::CopyCommand() {
    QClipboard* clip = QApplication::clipboard();
    clip->clear();
    clip->setImage(m_picture1->surface().image());
}

void Form1::showHelpCall(int command, int data) {
    m_help = ShowHelp(this, command, data);
}

void Form1::ContextHelp() {
    const HelpCall call = ContextHelpFor(m_state.VFlag);
    showHelpCall(call.command, call.data);
}

void Form1::ShowTip() {
    const TipPlacement t = ribcraft::ShowTip(m_state.TipIndex, m_tipButtonLeft);
    if (t.Text.empty()) return;
    m_Text6->setText(QString::fromStdString(t.Text));
    // Window units are twips (15 per pixel).
    m_Text6->setGeometry(t.Left / 15, t.Top / 15, std::max(t.Width / 15, m_Text6->sizeHint().width()),
                         m_Text6->sizeHint().height());
    m_Text6->raise();
    m_Text6->setVisible(true);
}

void Form1::HideTip() {
    m_Text6->setVisible(false);
    m_Timer1.stop();
}

void Form1::connectMenus() {
    connect(m_menus.exit1, &QAction::triggered, qApp, &QApplication::quit);
    connect(m_menus.mnuSave, &QAction::triggered, this, &Form1::SaveCommand);
    connect(m_menus.mnuDxf, &QAction::triggered, this, &Form1::DxfCommand);
    connect(m_menus.mnuExportRibs, &QAction::triggered, this, &Form1::ExportRibsCommand);
    connect(m_menus.mnuPrint, &QAction::triggered, this, &Form1::PrintTemplatesCommand);
    connect(m_menus.mnuPrinterSetup, &QAction::triggered, this, &Form1::PrinterSetupCommand);
    connect(m_menus.mnuGeneral, &QAction::triggered, this, &Form1::GeneralAirfoilsCommand);
    connect(m_menus.mnuCopy, &QAction::triggered, this, &Form1::CopyCommand);
    connect(m_menus.mnuZoomIn, &QAction::triggered, this, [this] { ZoomCommand(0); });
    connect(m_menus.mnuZoomOut, &QAction::triggered, this, [this] { ZoomCommand(1); });
    connect(m_menus.mnuZoomReset, &QAction::triggered, this, [this] { ZoomCommand(2); });
    connect(m_menus.mnuCoordinates, &QAction::triggered, this, [this] { AirfoilView(AirfoilSubView::Coordinates); });
    connect(m_menus.mnuVelocityDistribution, &QAction::triggered, this,
            [this] { AirfoilView(AirfoilSubView::VelocityDistribution); });
    connect(m_menus.mnuPressureDistribution, &QAction::triggered, this,
            [this] { AirfoilView(AirfoilSubView::PressureDistribution); });
    connect(m_menus.mnuAirfoilBoundaryLayer, &QAction::triggered, this,
            [this] { AirfoilView(AirfoilSubView::BoundaryLayer); });
    connect(m_menus.mnuBlAirfoilView, &QAction::triggered, this,
            [this] { AirfoilView(AirfoilSubView::BoundaryLayer); });
    const std::array<int, 6> codes = {ViewCode::SurfaceCp,   ViewCode::SurfaceVelocity,  ViewCode::BoundaryLayer,
                                      ViewCode::Streamlines, ViewCode::PressureContours, ViewCode::Mesh};
    const auto views = m_menus.checkedViews();
    for (int i = 0; i < 6; ++i)
        connect(views[i], &QAction::triggered, this, [this, a = views[i], v = codes[i]] { CheckedView(a, v); });
    connect(m_menus.mnuPolar, &QAction::triggered, this, [this] { PolarCommand(PolarSubView::ClCd, false); });
    connect(m_menus.mnuClCm, &QAction::triggered, this, [this] { PolarCommand(PolarSubView::ClCmAlpha, false); });
    connect(m_menus.mnuTransition, &QAction::triggered, this,
            [this] { PolarCommand(PolarSubView::Transition, false); });
    connect(m_menus.mnuResetPolar, &QAction::triggered, this, [this] { PolarCommand(PolarSubView::Unset, true); });
    connect(m_menus.Digit4, &QAction::triggered, this, &Form1::Naca4Command);
    connect(m_menus.Digit5, &QAction::triggered, this, &Form1::Naca5Command);
    connect(m_menus.mnuAngle, &QAction::triggered, this, [this] { AngleCommand(false); });
    connect(m_menus.mnuFlap, &QAction::triggered, this, [this] { FlapCommand(false); });
    const std::array<std::pair<QAction*, int>, 6> bl = {{{m_menus.mnuBlUpperProfiles, BlSubView::UpperProfiles},
                                                         {m_menus.mnuBlUpperFriction, BlSubView::UpperFriction},
                                                         {m_menus.mnuBlUpperThickness, BlSubView::UpperThickness},
                                                         {m_menus.mnuBlLowerProfiles, BlSubView::LowerProfiles},
                                                         {m_menus.mnuBlLowerFriction, BlSubView::LowerFriction},
                                                         {m_menus.mnuBlLowerThickness, BlSubView::LowerThickness}}};
    for (const auto& [a, opt] : bl)
        connect(a, &QAction::triggered, this, [this, o = opt] { BoundaryLayerView(o); });
    connect(m_menus.mnuBlUpdate, &QAction::triggered, this, [this] {
        m_state.BlUpdateRequest = 1;
        Command1_Click();
    });
    connect(m_menus.mnuReport, &QAction::triggered, this, [this] {
        m_state.VFlag = ViewCode::Report;
        Command1_Click();
    });
    connect(m_menus.mnuFourier, &QAction::triggered, this, [this] {
        m_state.VFlag = ViewCode::Fourier;
        Command1_Click();
    });
    connect(m_menus.mnuOptions, &QAction::triggered, this, &Form1::OptionsCommand);
    connect(m_menus.mnuMeshControls, &QAction::triggered, this, &Form1::MeshControlsCommand);
    connect(m_menus.mnuAeroSettings, &QAction::triggered, this, &Form1::AeroSettingsCommand);
    connect(m_menus.mnuShowPoints, &QAction::triggered, this, &Form1::ShowPointsCommand);
    connect(m_menus.mnuBlack, &QAction::triggered, this, [this] { BackgroundCommand(false); });
    connect(m_menus.mnuWhite, &QAction::triggered, this, [this] { BackgroundCommand(true); });
    connect(m_menus.mnuAbout, &QAction::triggered, this, [this] {
        Form2 about(m_state, this);
        about.exec();
    });
    connect(m_menus.mnuContents, &QAction::triggered, this, [this] { showHelpCall(HelpContents, 10); });
    for (int i = 0; i < 8; ++i)
        connect(m_menus.mnuColorItems[i], &QAction::triggered, this, [this, i] { ColorCommand(i); });
    connect(m_panDisplay, &ResultPanel::angleEntered, this, [this] {
        // An angle the solution cannot take is refused here: the display and
        // the results stay those of the last accepted angle.
        if (const DialogCheck c = AngleDialogModel::checkAngle(m_state.Texts.AngleText); c.refused()) {
            m_panDisplay->Text2->selectAll();
            notify(QString::fromStdString(c.message()));
            return;
        }
        AngleBoxEntered(m_state);
        Command1_Click();
    });
    connect(m_panDisplay, &ResultPanel::resultsDoubleClicked, this, [this] {
        Form10 coefficients(m_state, this);
        coefficients.exec();
    });
}

void Form1::connectToolBars() {
    connect(m_SSPanel2, &ToolBarPanel::buttonHovered, this, [this](int number) {
        const int tips[8] = {0, 3, 1, 0, 2, 4, 0, 0};
        if (tips[number] == 0) return;
        if (m_state.TipIndex == tips[number] && (m_Timer1.isActive() || m_Text6->isVisible())) return;
        HideTip();
        m_state.TipIndex = tips[number];
        m_tipButtonLeft = m_SSPanel2->SSCommand[number - 1]->mapTo(this, QPoint(0, 0)).x() * 15;
        m_Timer1.start();
    });
    connect(m_SSPanel2, &ToolBarPanel::panelHovered, this, &Form1::HideTip);
    connect(m_SSPanel2, &ToolBarPanel::buttonLeft, this, [this] { m_Timer1.stop(); });
    connect(m_SSPanel2, &ToolBarPanel::buttonClicked, this, [this](int number) {
        m_Timer1.stop();
        if (number != 5) m_Text6->setVisible(false);
        switch (number) {
        case 2:
            Naca4Command();
            break;
        case 4:
            Naca5Command();
            break;
        case 5:
            showHelpCall(HelpContents, 1);
            break;
        case 6:
            AngleCommand(true);
            break;
        case 7:
            FlapCommand(true);
            break;
        case 1:
            PrintTemplatesCommand();
            break;
        case 3:
            SaveCommand();
            break;
        default:
            break;
        }
    });
    connect(m_Picture4, &GraphicToolBar::hotSpotClicked, this, [this](int k) {
        switch (k) {
        case 0:
            SaveCommand();
            break;
        case 1:
            PrintTemplatesCommand();
            break;
        case 2:
            AngleCommand(true);
            break;
        case 3:
            m_menus.mnuAirfoils->popup(QCursor::pos());
            break;
        case 4:
            FlapCommand(true);
            break;
        case 5:
            ContextHelp();
            break;
        default:
            break;
        }
    });
    connect(m_Picture10, &QuickButtons::quickClicked, this, [this](int index) {
        switch (index) {
        case 0:
            Naca4Command();
            break;
        case 1:
            Naca5Command();
            break;
        case 2:
            AngleCommand(true);
            break;
        case 3:
            FlapCommand(true);
            break;
        default:
            break;
        }
    });
}

} // namespace ribcraft
