// SPDX-License-Identifier: MIT
#include "app/dialogs/ExportViewModel.h"

#include <algorithm>

#include "app/dialogs/DialogText.h"

namespace ribcraft {

namespace {

int sizeFrom(const std::string& text) {
    const auto v = TypedNumber(text);
    return v ? std::clamp(RoundHalfEven(*v), ExportViewModel::MinSize, ExportViewModel::MaxSize)
             : ExportViewModel::MinSize;
}

} // namespace

ExportViewModel::ExportViewModel(int width, int height)
    : widthText(std::to_string(std::clamp(width, MinSize, MaxSize))),
      heightText(std::to_string(std::clamp(height, MinSize, MaxSize))) {}

DialogCheck ExportViewModel::check() const {
    DialogCheck c;
    CheckNumber(c, "Width", "Width", widthText, {double(MinSize), double(MaxSize), true, true});
    CheckNumber(c, "Height", "Height", heightText, {double(MinSize), double(MaxSize), true, true});
    return c;
}

int ExportViewModel::width() const {
    return sizeFrom(widthText);
}

int ExportViewModel::height() const {
    return sizeFrom(heightText);
}

} // namespace ribcraft
