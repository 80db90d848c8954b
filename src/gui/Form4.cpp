#include "gui/Form4.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dialogs/HelpContexts.h"
#include "gui/HelpWindow.h"
#include "gui/Splash.h"

namespace ribcraft {

SpinButton::SpinButton(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setObjectName(name + "Up");
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setObjectName(name + "Down");
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setFixedSize(18, 11);
        b->setAutoRepeat(true);
        layout->addWidget(b);
    }
    connect(m_up, &QToolButton::clicked, this, &SpinButton::spinUp);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::spinDown);
}

void ShowText(QLineEdit* box, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (box->text() == value) return;
    const QSignalBlocker block(box);
    box->setText(value);
}

QLineEdit* AddParameterRow(QGridLayout* grid, int row, const QString& label,
                           std::function<void(const std::string&)> typed, std::function<void()> up,
                           std::function<void()> down, std::function<void()> refresh) {
    QWidget* owner = grid->parentWidget();
    auto* caption = new QLabel(label, owner);
    caption->setObjectName(QString("Label%1").arg(row + 2));
    auto* box = new QLineEdit(owner);
    box->setObjectName(QString("Text%1").arg(row + 1));
    box->setMaximumWidth(50);
    auto* spin = new SpinButton(QString("SpinButton%1").arg(row + 1), owner);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(spin, row, 2);
    QObject::connect(box, &QLineEdit::textEdited, owner, [typed, refresh](const QString& text) {
        typed(text.toStdString());
        refresh();
    });
    QObject::connect(spin, &SpinButton::spinUp, owner, [up, refresh] {
        up();
        refresh();
    });
    QObject::connect(spin, &SpinButton::spinDown, owner, [down, refresh] {
        down();
        refresh();
    });
    return box;
}

QHBoxLayout* CommandRow(QDialog* dialog, std::function<void()> ok, std::function<void()> cancel,
                        std::function<void()> help) {
    auto* row = new QHBoxLayout;
    const std::pair<const char*, std::function<void()>> commands[] = {{"OK", ok}, {"Cancel", cancel}, {"Help ?", help}};
    for (int i = 0; i < 3; ++i) {
        if (!commands[i].second) continue;
        auto* button = new QPushButton(commands[i].first, dialog);
        button->setObjectName(QString("Command%1").arg(i + 1));
        button->setAutoDefault(false);
        row->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, dialog, commands[i].second);
    }
    return row;
}

Form4::Form4(SharedState& state, QWidget* parent)
    : QDialog(parent), m_model(std::make_unique<Naca4DialogModel>(state)) {
    setObjectName("Form4");
    setWindowTitle("NACA 4 Digit Section");
    setModal(true);
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName("Frame1");
    auto* grid = new QGridLayout(m_frame1);
    Naca4DialogModel& m = *m_model;
    auto refresh = [this] { showModel(); };
    m_text1 = AddParameterRow(
        grid, 0, "Max. Value of Mean Line in % Chord", [&m](const std::string& t) { m.camberTextChanged(t); },
        [&m] { m.camberUp(); }, [&m] { m.camberDown(); }, refresh);
    m_text2 = AddParameterRow(
        grid, 1, "Location of Maximum Camber in 1/10 Chord", [&m](const std::string& t) { m.positionTextChanged(t); },
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

Form4::~Form4() = default;

void Form4::showModel() {
    ShowText(m_text3, m_model->thicknessText());
    ShowText(m_text2, m_model->positionText());
    ShowText(m_text1, m_model->camberText());
    m_frame1->setTitle(QString::fromStdString(m_model->caption()));
}

void Form4::Command1_Click() {
    m_model->ok();
    accept();
}

void Form4::Command2_Click() {
    m_model->cancel();
    QDialog::reject();
}

void Form4::reject() {
    Command2_Click();
}

void Form4::Command3_Click() {
    ShowHelp(this, HelpContext, HelpNaca4);
}

} // namespace ribcraft
