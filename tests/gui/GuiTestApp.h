#pragma once
// The one QApplication of the GUI test program, made on first use.

#include <QApplication>

namespace ribcraft {

inline void ensureApp() {
    static int argc = 1;
    static char name[] = "gui-test";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

} // namespace ribcraft
