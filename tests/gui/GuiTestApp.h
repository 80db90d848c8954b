#pragma once
// The one QApplication of the GUI test program, made on first use.

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

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

} // namespace ribcraft
