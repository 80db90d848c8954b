// SPDX-License-Identifier: MIT
#pragma once
// The boundary-layer separation warning.
//
// Controls:
//   Label1 .. Label8   the explanation, one line each
//   Command1 "OK"      closes the dialog
// Caption "Boundary Seperation" until the caller sets the separation message
// ("Lower Surface Seperation at x= 0.42"). Centred on the main window.

#include <QDialog>
#include <QString>
#include <QStringList>

namespace ribcraft {

class frmBlwarning : public QDialog {
    Q_OBJECT
public:
    explicit frmBlwarning(QWidget* parent = nullptr);

    // The explanation lines, top to bottom.
    static QStringList lines();

    // Shows one warning per line of a boundary-layer result's warning text,
    // each modally with its line as the caption.
    static void showWarnings(const QString& warnings, QWidget* parent);
};

} // namespace ribcraft
