// SPDX-License-Identifier: MIT
#pragma once
// About box.
//
// Controls:
//   Label1     " Ribcraft Version 1.0" and the maker's lines, one per line
//   Command1   "OK": closes the box
// Modal; centred over the main window.

#include <QDialog>

#include "app/SharedState.h"

namespace ribcraft {

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(SharedState& state, QWidget* parent = nullptr);

    // The lines shown, product line first.
    static QStringList aboutLines();
};

} // namespace ribcraft
