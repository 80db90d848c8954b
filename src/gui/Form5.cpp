#include "gui/Form5.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/HelpContexts.h"
#include "gui/Form4.h"
#include "gui/HelpWindow.h"
#include "gui/Splash.h"

namespace ribcraft {

Form5::Form5(SharedState& state, QWidget* parent)
    : QDialog(parent), m_model(std::make_unique<Naca5DialogModel>(state)) {
    setObjectName("Form5");
    setWindowTitle("NACA 5 Digit Section");
    setModal(true);
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName("Frame1");
    auto* grid = new QGridLayout(m_frame1);
    Naca5DialogModel& m = *m_model;
    auto refresh = [this] { showModel(); };
    m_text1 = AddParameterRow(
        grid, 0, "20/3 of Design Lift Coefficient", [&m](const std::string& t) { m.liftTextChanged(t); },
        [&m] { m.liftUp(); }, [&m] { m.liftDown(); }, refresh);
    m_text2 = AddParameterRow(
        grid, 1, "Location of Maximum Camber % Chord *2", [&m](const std::string& t) { m.positionTextChanged(t); },
        [&m] { m.positionUp(); }, [&m] { m.positionDown(); }, refresh);
    m_text3 = AddParameterRow(
        grid, 2, "Section Thickness in % Chord", [&m](const std::string& t) { m.thicknessTextChanged(t); },
        [&m] { m.thicknessUp(); }, [&m] { m.thicknessDown(); }, refresh);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame1);
    layout->addLayout(CommandRow(
        this, [this] { Command1_Click(); }, [this] { Command2_Click(); }, [this] { Command3_Click(); }));
    showModel();
    adjustSize();
    CentreOverParent(this);
}

Form5::~Form5() = default;

void Form5::showModel() {
    ShowText(m_text3, m_model->thicknessText());
    ShowText(m_text2, m_model->positionText());
    ShowText(m_text1, m_model->liftText());
    m_frame1->setTitle(QString::fromStdString(m_model->caption()));
}

void Form5::Command1_Click() {
    m_model->ok();
    accept();
}

void Form5::Command2_Click() {
    m_model->cancel();
    QDialog::reject();
}

void Form5::reject() {
    Command2_Click();
}

void Form5::Command3_Click() {
    ShowHelp(this, HelpContext, HelpNaca5);
}

} // namespace ribcraft
