// SPDX-License-Identifier: MIT
#include "gui/DialogParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dialogs/FieldCheck.h"

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
        // Tab goes from box to box; the arrows answer the mouse, and the
        // Up and Down keys in the box do the same.
        b->setFocusPolicy(Qt::NoFocus);
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

namespace {

// The Up and Down keys in a parameter box step it like its spin arrows.
class ArrowKeys : public QObject {
public:
    ArrowKeys(QObject* parent, SpinButton* spin) : QObject(parent), m_spin(spin) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Up) {
                emit m_spin->spinUp();
                return true;
            }
            if (key == Qt::Key_Down) {
                emit m_spin->spinDown();
                return true;
            }
        }
        return QObject::eventFilter(watched, e);
    }

private:
    SpinButton* m_spin;
};

} // namespace

QLineEdit* AddParameterRow(QGridLayout* grid, int row, const QString& label,
                           std::function<void(const std::string&)> typed, std::function<void()> up,
                           std::function<void()> down, std::function<void()> refresh) {
    QWidget* owner = grid->parentWidget();
    auto* caption = new QLabel(label, owner);
    caption->setObjectName(QString("Label%1").arg(row + 2));
    auto* box = new QLineEdit(owner);
    box->setObjectName(QString("Text%1").arg(row + 1));
    box->setMaximumWidth(50);
    NumberBox(box, false, false);
    auto* spin = new SpinButton(QString("SpinButton%1").arg(row + 1), owner);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(spin, row, 2);
    box->installEventFilter(new ArrowKeys(box, spin));
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
        // Enter confirms (OK is the default button), Escape cancels through
        // the dialog's reject(); a button that has the focus takes Enter itself.
        button->setAutoDefault(true);
        if (i == 0) button->setDefault(true);
        row->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, dialog, commands[i].second);
    }
    return row;
}

void NumberBox(QWidget* box, bool negative, bool fraction) {
    const QString sign = negative ? QStringLiteral("[+-]?") : QStringLiteral("[+]?");
    const QString body = fraction ? QStringLiteral("(\\d*\\.?\\d*)([eE][+-]?\\d*)?") : QStringLiteral("\\d*");
    auto* validator = new QRegularExpressionValidator(QRegularExpression(sign + body), box);
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setValidator(validator);
    else if (auto* list = qobject_cast<QComboBox*>(box))
        list->setValidator(validator);
}

namespace {

void setBoxText(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        emit line->textEdited(text); // the dialog's model follows the box
    } else if (auto* list = qobject_cast<QComboBox*>(box)) {
        list->setEditText(text);
    }
}

QLabel* noteLabel(QDialog* dialog) {
    auto* note = dialog->findChild<QLabel*>(QStringLiteral("CheckNote"));
    if (note) return note;
    note = new QLabel(dialog);
    note->setObjectName(QStringLiteral("CheckNote"));
    note->setWordWrap(true);
    if (auto* column = qobject_cast<QBoxLayout*>(dialog->layout()))
        column->insertWidget(std::max(0, column->count() - 1), note);
    return note;
}

} // namespace

bool ShowCheck(QDialog* dialog, const DialogCheck& check, const std::vector<std::pair<std::string, QWidget*>>& boxes) {
    const auto boxFor = [&boxes](const std::string& field) -> QWidget* {
        for (const auto& [name, box] : boxes)
            if (name == field) return box;
        return nullptr;
    };
    if (check.clean()) {
        if (auto* note = dialog->findChild<QLabel*>(QStringLiteral("CheckNote"))) note->clear();
        return true;
    }
    QLabel* note = noteLabel(dialog);
    if (check.refused()) {
        note->setStyleSheet(QStringLiteral("color: #b00000"));
        note->setText(QString::fromStdString(check.message()));
        if (QWidget* box = boxFor(check.refusedField())) {
            box->setFocus(Qt::OtherFocusReason);
            if (auto* line = qobject_cast<QLineEdit*>(box)) line->selectAll();
            if (auto* list = qobject_cast<QComboBox*>(box); list && list->lineEdit()) list->lineEdit()->selectAll();
        }
        return false;
    }
    for (const PulledField& p : check.pulled())
        if (QWidget* box = boxFor(p.field)) setBoxText(box, QString::fromStdString(p.text));
    note->setStyleSheet(QString());
    note->setText(QString::fromStdString(check.notes()) + QStringLiteral("\nPress OK again to use these values."));
    return false;
}

QComboBox* ListBox(QWidget* parent, const char* name, const std::vector<std::string>& entries,
                   const std::string& text) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    for (const std::string& e : entries)
        box->addItem(QString::fromStdString(e));
    box->setInsertPolicy(QComboBox::NoInsert); // Enter confirms the dialog, it does not grow the list
    box->setEditText(QString::fromStdString(text));
    return box;
}

} // namespace ribcraft
