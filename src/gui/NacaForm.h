// SPDX-License-Identifier: MIT
#pragma once
// The common body of the two NACA section dialogs: the frame Frame1 whose
// caption shows the designation, three parameter rows (Text1..3 with
// SpinButton1..3 and Label2..4) and the row Command1 "OK", Command2 "Cancel",
// Command3 "Help ?". Each dialog supplies its model's events.

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QGroupBox;
class QLineEdit;

namespace ribcraft {

class NacaForm : public QDialog {
    Q_OBJECT
public:
    struct Parameter {
        QString label;
        std::function<void(const std::string&)> typed;
        std::function<void()> up, down;
        std::function<std::string()> text;
    };
    struct Events {
        std::array<Parameter, 3> parameters;
        std::function<std::string()> caption;
        std::function<void()> ok, cancel;
        int helpContext = 0;
    };

    // Closing the window or pressing Escape is the Cancel button.
    void reject() override;

protected:
    NacaForm(QWidget* parent, const QString& name, const QString& title);
    // Builds the controls; called once by the dialog's constructor.
    void build(Events events);

private:
    void showModel();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    Events m_events;
    QGroupBox* m_frame1 = nullptr;
    std::array<QLineEdit*, 3> m_text{};
};

} // namespace ribcraft
