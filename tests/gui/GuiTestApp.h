#pragma once
// The one QApplication of the GUI test program, made on first use.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace ribcraft {

inline void ensureApp() {
    static int argc = 1;
    static char name[] = "gui-test";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

// The named child of a form; a missing one fails the test.
template <typename T> T* child(QWidget* form, const char* name) {
    T* widget = form->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Presses the named button of the next modal dialog once it is up, after
// typing the given texts into its boxes by object name.
inline void AnswerNextDialog(const char* button, std::vector<std::pair<const char*, QString>> boxes = {}) {
    QTimer::singleShot(0, [button, boxes] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        for (const auto& [name, text] : boxes) {
            auto* box = dialog->findChild<QLineEdit*>(name);
            ASSERT_NE(box, nullptr) << name;
            box->selectAll();
            QTest::keyClicks(box, text);
        }
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QString::fromUtf8(button)) {
                b->click();
                return;
            }
        FAIL() << "no button " << button;
    });
}

} // namespace ribcraft
