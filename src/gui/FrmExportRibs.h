// SPDX-License-Identifier: MIT
#pragma once
// Export Ribs dialog: the ribs of the tapered wing as a file for a cutter.
//
// Controls:
//   Frame1 "Wing"              txtRoot "Root Chord", txtTip "Tip Chord" (disabled for one rib),
//                              txtSkin "Skin Thickness", txtRibs "Number of Ribs"
//   Frame2 "Units"             optInches "in" (selected at opening), optCentimetres "cm", optMillimetres "mm"
//   Frame3 "File"              optDxf "DXF" (selected at opening), optSvg "SVG"
//   Frame4 "Spar Notches"      per row k = 1, 2: chkNotch<k> (on/off), txtNotchPos<k> "% chord",
//                              txtNotchWidth<k>, txtNotchDepth<k>, cboNotchSide<k> (Top, Bottom, Both)
//   Command1 "OK"              asks for the file name and writes it; a refused job keeps the dialog open
//   Command2 "Cancel"          closes without writing
//   Command3 "Help ?"          the help page on rib files
// The rules live in RibExportModel, the geometry and the files in ExportRibs.

#include <QDialog>
#include <QString>
#include <array>
#include <memory>

#include "app/SharedState.h"
#include "app/dialogs/RibExportModel.h"
#include "base/Status.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ribcraft {

class FrmExportRibs : public QDialog {
    Q_OBJECT
public:
    explicit FrmExportRibs(const SharedState& state, QWidget* parent = nullptr);
    ~FrmExportRibs() override;

    const RibExportModel& model() const { return *m_model; }
    // When set, OK writes to this path instead of asking for a file name.
    void setOutputPath(const QString& path) { m_outputPath = path; }
    // The outcome of the last OK; failures show a message unless messages are off.
    const Status& lastStatus() const { return m_lastStatus; }
    void setShowMessages(bool show) { m_showMessages = show; }

private:
    struct NotchWidgets {
        QCheckBox* on = nullptr;
        QLineEdit* position = nullptr;
        QLineEdit* width = nullptr;
        QLineEdit* depth = nullptr;
        QComboBox* side = nullptr;
    };
    QWidget* buildWing();
    QWidget* buildChoices();
    QWidget* buildNotches();
    void readWidgets();
    void ok();

    const SharedState& m_state;
    std::unique_ptr<RibExportModel> m_model;
    QLineEdit* m_root = nullptr;
    QLineEdit* m_tip = nullptr;
    QLineEdit* m_skin = nullptr;
    QLineEdit* m_ribs = nullptr;
    QRadioButton* m_units[3] = {};
    QRadioButton* m_svg = nullptr;
    std::array<NotchWidgets, RibExportModel::NotchRows> m_notches;
    QString m_outputPath;
    Status m_lastStatus;
    bool m_showMessages = true;
};

} // namespace ribcraft
