// SPDX-License-Identifier: MIT
#pragma once
// The batch tool's picture commands painted with Qt: the picture plugin's
// contents, and linked in directly where a program has Qt already (tests).

#include <memory>

#include "batch/PictureCommands.h"

namespace ribcraft {

std::unique_ptr<PictureCommands> MakeQtPictureCommands();

} // namespace ribcraft
