#pragma once
// Form1, the main window "Ribcraft (Full) Version 1.0": menu bar, the tool
// bar SSPanel2, the graphic tool bar Picture4 with the quick buttons
// Picture10, the plot title SSPanel1, the drawing area Picture1, the
// input/result panel panDisplay and the legend row. It owns the shared state.
//
// Control     Meaning
// SSPanel1    plot title panel above the drawing area
// Picture1    the drawing area (every view), a PlotCanvas
// panDisplay  inputs and results (ResultPanel)
// Label5(0/1) legend "Upper Surface" / "Lower Surface", text in UpperColor / LowerColor
// Label7(0/2) legend line samples beside them
// Label2      pointer position in the drawing area
// Text6       tool-bar tip; Timer1 its 1500 ms delay

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

#include "app/CommandResult.h"
#include "app/SharedState.h"
#include "gui/MainMenus.h"

class QLabel;
class QAction;
class QPrinter;
class QMenu;
class QDragEnterEvent;
class QDropEvent;

namespace ribcraft {

class PlotCanvas;
class ResultPanel;
class ToolBarPanel;
class GraphicToolBar;
class QuickButtons;
class HelpWindow;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    SharedState& state() { return m_state; }
    const MainMenus& menus() const { return m_menus; }
    PlotCanvas* drawingArea() const { return m_picture1; }
    ResultPanel* resultPanel() const { return m_panDisplay; }
    QLabel* titlePanel() const { return m_SSPanel1; }
    QLabel* tipBox() const { return m_Text6; }
    QTimer& tipTimer() { return m_Timer1; }
    // The last message of a command that could not be carried out.
    const QString& lastMessage() const { return m_lastMessage; }

    // The redraw: recompute what the flags ask for, draw the current view, show the results.
    void Command1_Click();

    // Commands (menu items, buttons and mouse actions all end here).
    void Naca4Command();
    void Naca5Command();
    void AngleCommand(bool fromToolBar);
    void FlapCommand(bool fromToolBar);
    void OptionsCommand();
    void MeshControlsCommand();
    void AeroSettingsCommand();
    void AirfoilView(int xchoice);
    void CheckedView(QAction* item, int vflag);
    void PolarCommand(int polarView, bool reset);
    void BoundaryLayerView(int displayOpt);
    void ShowPointsCommand();
    void BackgroundCommand(bool white);
    void ColorCommand(int index);
    void LegendClicked(int index, bool rightButton);
    void ZoomCommand(int which); // 0 in, 1 out, 2 reset
    void CopyCommand();
    void GeneralAirfoilsCommand();
    void SaveCommand();
    void DxfCommand();
    void PrinterSetupCommand();
    void PrintTemplatesCommand();
    void ExportRibsCommand();
    // The printer of "Printer Setup", shared by every print command.
    QPrinter& printer();
    void ExportViewCommand();
    // Reads a coordinate file (drag and drop, "Recent files", the command
    // line): as "&General Airfoils" after its dialog. Remembers the file in
    // the recent list when it could be read, drops it from there otherwise.
    bool OpenFile(const QString& path);
    // Writes the current view to path (.png, .svg or .pdf) at width x height pixels.
    bool exportView(const QString& path, int width, int height);
    QStringList recentFiles() const;
    QMenu* recentMenu() const { return m_mnuRecent; }
    QAction* exportViewItem() const { return m_mnuExportView; }
    // The outcome of the last redraw.
    const CommandResult& lastRedraw() const { return m_lastRedraw; }
    // Whether warnings and boundary-layer faults open their modal boxes (tests turn this off).
    void setShowNotices(bool on) { m_showNotices = on; }
    // How many redraws have run (the tests count them).
    int redrawCount() const { return m_redrawCount; }
    void ContextHelp();
    void ShowTip();
    void HideTip();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

signals:
    // First display / first resize: the start-up window may go.
    void firstResized();

private:
    void buildWindow();
    void buildDesktopCommands();
    void fillRecentMenu();
    void rememberFile(const QString& path, bool readable);
    bool askExportSize(int& width, int& height);
    // Reads a coordinate file into the section; false (with the message shown) when it cannot.
    bool readAirfoilFile(const QString& path);
    void connectMenus();
    void connectToolBars();
    void EnableMenus();
    void showResults();
    void recolourLegend();
    void reportFailure(const CommandResult& r);
    void reportWriteFailure(const CommandResult& r);
    // A message for the user: status bar, and a box unless notices are off.
    void notify(const QString& message);
    // Makes the shared file dialog propose fileName in the folder it last used.
    void proposeFile(const QString& fileName);
    void showHelpCall(int command, int data);
    template <typename Dialog> bool runDialog();
    // The shared file dialog: returns the chosen path, empty on Cancel.
    QString fileDialog(bool save, const QString& title, int filterIndex);

    SharedState m_state;
    MainMenus m_menus;
    PlotCanvas* m_picture1 = nullptr;
    ResultPanel* m_panDisplay = nullptr;
    ToolBarPanel* m_SSPanel2 = nullptr;
    GraphicToolBar* m_Picture4 = nullptr;
    QuickButtons* m_Picture10 = nullptr;
    QLabel* m_SSPanel1 = nullptr;
    std::array<QLabel*, 2> m_Label5{};
    std::array<QLabel*, 3> m_Label7{};
    QLabel* m_Label2 = nullptr;
    QLabel* m_Text6 = nullptr;
    QTimer m_Timer1;
    QPointer<HelpWindow> m_help;
    QString m_lastMessage;
    CommandResult m_lastRedraw;
    int m_redrawCount = 0;
    bool m_showNotices = true;
    QString m_dialogPath;          // the dialog's current file name, shared by open, save and export
    bool m_dialogPathRead = false; // m_dialogPath names a coordinate file that was read
    QString m_saveTitle = QStringLiteral("Export DXF File");
    std::unique_ptr<QPrinter> m_printer;
    bool m_resizedOnce = false;
    int m_tipButtonLeft = 0;
    QAction* m_mnuExportView = nullptr;
    QMenu* m_mnuRecent = nullptr;
    QString m_exportPath;
};

} // namespace ribcraft
