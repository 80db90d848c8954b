// SPDX-License-Identifier: MIT
// The picture plugin's one exported function (every other symbol of the
// plugin is hidden, so its copy of the core never mixes with the program's).

#include "pictures/QtPictures.h"

extern "C" __attribute__((visibility("default"))) ribcraft::PictureCommands* ribcraft_batch_pictures(const char* key) {
    if (!key || ribcraft::PicturePluginKey() != key) return nullptr;
    return ribcraft::MakeQtPictureCommands().release();
}
