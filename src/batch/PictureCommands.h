// SPDX-License-Identifier: MIT
#pragma once
// The batch tool's commands that paint: `png` and `templates`. Every other
// command computes and prints numbers, so the batch tool itself links no GUI
// library; these two come from the picture plugin (a shared library next to
// the program, loaded only when a script paints) or are linked in directly
// (tests, other programs that already have Qt).

#include <functional>
#include <string>

#include "app/CommandResult.h"
#include "app/SharedState.h"
#include "app/dialogs/TemplatesModel.h"
#include "base/Status.h"

namespace ribcraft {

enum class TemplatePage { Letter, A4, A3 };

class PictureCommands {
public:
    virtual ~PictureCommands() = default;
    // Makes what painting needs (the GUI application object, never a
    // screen). Must be called on the main thread before the first picture;
    // does nothing when it is made already.
    virtual CommandResult prepare() = 0;
    // The current view (state.VFlag) drawn on a width x height picture and written as PNG.
    virtual CommandResult png(SharedState& state, int width, int height, const std::string& path) = 0;
    // The wing-rib templates printed into a PDF file, written whole or not at all.
    virtual CommandResult templates(SharedState& state, const TemplateJob& job, TemplatePage page,
                                    const std::string& path) = 0;
};

// Gives the picture commands on first use, or the reason there are none.
using PictureSource = std::function<Result<PictureCommands*>()>;

// The plugin's one exported function: extern "C" PictureCommands* NAME(const char* key).
// It returns a new object (the caller owns it), or nullptr when its key differs: a plugin
// built from other sources would read the shared state with another layout.
inline constexpr const char* PicturePluginEntry = "ribcraft_batch_pictures";
using PicturePluginFunction = PictureCommands* (*)(const char* key);

// What both sides of the plugin boundary must agree on.
inline std::string PicturePluginKey() {
    return "ribcraft-pictures-1/" + std::to_string(sizeof(SharedState)) + "/" + std::to_string(sizeof(TemplateJob)) +
           "/" + std::to_string(sizeof(CommandResult)) + "/" __VERSION__;
}

} // namespace ribcraft
