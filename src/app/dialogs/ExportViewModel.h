// SPDX-License-Identifier: MIT
#pragma once
// Rules of the "Export View" dialog: the picture's width and height in
// pixels (96 to the inch), opening with the drawing area's size. Text or a
// size of zero or less is refused; other sizes are held to 16..20000.

#include <string>
#include <string_view>

#include "app/dialogs/FieldCheck.h"

namespace ribcraft {

class ExportViewModel {
public:
    static constexpr int MinSize = 16;
    static constexpr int MaxSize = 20000;

    ExportViewModel(int width, int height);

    std::string widthText, heightText;

    // Field names "Width" and "Height".
    DialogCheck check() const;
    // The sizes OK takes (valid after a clean check).
    int width() const;
    int height() const;
};

} // namespace ribcraft
