#pragma once
// NACA 4 Digit Section dialog.
//
// Controls:
//   Frame1                 caption "NACA " + the designation, rebuilt on every change
//   Text1 / SpinButton1    M, "Max. Value of Mean Line in % Chord" (Label2)
//   Text2 / SpinButton2    P, "Location of Maximum Camber in 1/10 Chord" (Label3)
//   Text3 / SpinButton3    T, "Section Thickness in % Chord" (Label4)
//   Command1 "OK"          the section name box takes the digits, AirfoilType 4
//   Command2 "Cancel"      M, P, T as at opening; DialogCancelled 1
//   Command3 "Help ?"      help context 20
// The rules live in Naca4DialogModel; this form only binds widgets to it.

#include <QDialog>
#include <functional>
#include <memory>

#include "app/SharedState.h"
#include "app/dialogs/Naca4DialogModel.h"

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QToolButton;

namespace ribcraft {

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

class Form4 : public QDialog {
    Q_OBJECT
public:
    explicit Form4(SharedState& state, QWidget* parent = nullptr);
    ~Form4() override;

    const Naca4DialogModel& model() const { return *m_model; }

    // Closing the window or pressing Escape is the Cancel button.
    void reject() override;

private:
    void showModel();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    std::unique_ptr<Naca4DialogModel> m_model;
    QGroupBox* m_frame1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QLineEdit* m_text3 = nullptr;
};

} // namespace ribcraft
