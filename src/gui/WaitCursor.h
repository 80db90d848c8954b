// SPDX-License-Identifier: MIT
#pragma once
// The hourglass pointer for the length of a scope.

#include <QApplication>
#include <QCursor>

namespace ribcraft {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace ribcraft
