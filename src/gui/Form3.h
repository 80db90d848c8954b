// SPDX-License-Identifier: MIT
#pragma once
// Print Templates dialog.
//
// Controls:
//   Frame1 "Airfoil Dimensions"  the four boxes, each with a spin button (the spin buttons do nothing)
//     Text5 "Root Chord"          chord of the first section (SpinButton5)
//     Text1 "Tip Chord"           chord of the last section; disabled while one section is asked for (SpinButton1)
//     Text3 "Skin Thickness"      inset of the dashed outline (SpinButton3)
//     Text2 "Number of Sections"  number of templates (SpinButton2)
//   Frame2 "Units"               Option2 "in" (selected at opening), Option3 "cm"
//   SSCommand1 "OK"               shows the templates in a print preview on the printer chosen in
//                                 "Printer Setup" (page size, orientation); from there the user prints
//                                 or saves a PDF; then closes
//   Command1 "Cancel"             closes without printing
//   Command2 "Help ?"             help context 70
// The rules live in TemplatesModel, the printing in PrintTemplates.

#include <QDialog>
#include <QString>
#include <memory>

#include "app/CommandResult.h"
#include "app/SharedState.h"
#include "app/dialogs/TemplatesModel.h"

class QGridLayout;
class QLineEdit;
class QPrinter;
class QRadioButton;

namespace ribcraft {

class SpinButton;

class Form3 : public QDialog {
    Q_OBJECT
public:
    // printer: the window's printer (from "Printer Setup"); null makes one of its own.
    explicit Form3(SharedState& state, QWidget* parent = nullptr, QPrinter* printer = nullptr);
    ~Form3() override;

    const TemplatesModel& model() const { return *m_model; }
    QPrinter& printer() const { return *m_printer; }

    // When set, OK writes the templates straight to this PDF file (Letter
    // pages, true scale) instead of showing the preview.
    void setPdfOutput(const QString& path) { m_pdfPath = path; }
    // The outcome of the last OK: a failed job keeps the dialog open and
    // shows the message (unless messages are off, as in tests).
    const CommandResult& lastResult() const { return m_lastResult; }
    void setShowMessages(bool show) { m_showMessages = show; }

private:
    void ok();
    CommandResult printToPdf(const QString& path);
    CommandResult printToPrinter(QPrinter& printer);
    void preview();
    QLineEdit* addRow(QGridLayout* grid, int row, const QString& label, int index);
    void showModel();

    SharedState& m_state;
    std::unique_ptr<TemplatesModel> m_model;
    QLineEdit* m_root = nullptr;
    QLineEdit* m_tip = nullptr;
    QLineEdit* m_skin = nullptr;
    QLineEdit* m_sections = nullptr;
    SpinButton* m_tipSpin = nullptr;
    QRadioButton* m_inches = nullptr;
    QRadioButton* m_centimetres = nullptr;
    QPrinter* m_printer = nullptr;
    std::unique_ptr<QPrinter> m_ownPrinter;
    QString m_pdfPath;
    CommandResult m_lastResult;
    bool m_showMessages = true;
};

} // namespace ribcraft
