#include "gui/DialogParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

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

QComboBox* ListBox(QWidget* parent, const char* name, const std::vector<std::string>& entries,
                   const std::string& text) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    for (const std::string& e : entries)
        box->addItem(QString::fromStdString(e));
    box->setEditText(QString::fromStdString(text));
    return box;
}

} // namespace ribcraft
