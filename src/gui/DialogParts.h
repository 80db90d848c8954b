// SPDX-License-Identifier: MIT
#pragma once
// Pieces the settings dialogs share: the spin button, showing a model's text
// in a box, a parameter row of the NACA dialogs and the OK/Cancel/Help row.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QToolButton;

namespace ribcraft {

class DialogCheck;

// A spin button: two small arrow buttons raising an up and a down event.
// Object names of the arrows: <name>Up and <name>Down.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(const QString& name, QWidget* parent = nullptr);
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void spinUp();
    void spinDown();

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

// Shows a model's text in its box without raising the box's edit signal; an
// unchanged box keeps its cursor.
void ShowText(QLineEdit* box, const std::string& text);

// One parameter row of the NACA dialogs: the label Label<row+2>, the box
// Text<row+1> and SpinButton<row+1>, wired to the given events. Every event
// is followed by `refresh`. Returns the box.
QLineEdit* AddParameterRow(QGridLayout* grid, int row, const QString& label,
                           std::function<void(const std::string&)> typed, std::function<void()> up,
                           std::function<void()> down, std::function<void()> refresh);

// The button row "OK", "Cancel", "Help ?" (Command1..3) of a dialog; an
// empty function leaves its button out.
QHBoxLayout* CommandRow(QDialog* dialog, std::function<void()> ok, std::function<void()> cancel,
                        std::function<void()> help);

// Number boxes take only what can become a number: digits, a sign where
// `negative`, a decimal point and an exponent where `fraction`. Letters
// cannot be typed. Works on a line edit or an editable list box.
void NumberBox(QWidget* box, bool negative, bool fraction);

// Shows the outcome of a dialog's check under its boxes (the label
// "CheckNote", made on first use above the button row): a refusal in red with
// the focus on the refused box, or the pulled boxes rewritten with their
// notes. Returns true when OK may go on (nothing refused, nothing pulled).
// `boxes` maps the check's field names to their line edits or list boxes.
bool ShowCheck(QDialog* dialog, const DialogCheck& check, const std::vector<std::pair<std::string, QWidget*>>& boxes);

// An editable list box filled with entries and showing text (which need not be one of them).
QComboBox* ListBox(QWidget* parent, const char* name, const std::vector<std::string>& entries, const std::string& text);

} // namespace ribcraft
