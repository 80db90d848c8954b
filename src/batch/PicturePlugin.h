// SPDX-License-Identifier: MIT
#pragma once
// Loads the picture plugin (the Qt painting of `png` and `templates`) the
// first time a script asks for a picture, so numeric scripts never load a GUI
// library. The plugin stays loaded until the process ends; the commands it
// made are destroyed with this object.

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "batch/PictureCommands.h"

namespace ribcraft {

// File name of the plugin.
inline constexpr const char* PicturePluginFile = "ribcraft-batch-pictures.so";

class PicturePlugin {
public:
    // Tries each path in turn; the first that exists is loaded.
    explicit PicturePlugin(std::vector<std::string> paths);
    ~PicturePlugin();
    PicturePlugin(const PicturePlugin&) = delete;
    PicturePlugin& operator=(const PicturePlugin&) = delete;

    // The commands, or why the plugin cannot be used. Loads it on the first call (from any thread).
    Result<PictureCommands*> get();
    // As a source for the batch runner.
    PictureSource source() {
        return [this] { return get(); };
    }

    // Where the plugin of the program at exePath may lie: beside it, and in the
    // library folder relativeDir (relative to the program's folder; empty for none).
    static std::vector<std::string> PathsBeside(const std::string& exePath, const std::string& relativeDir);

private:
    std::vector<std::string> m_paths;
    std::mutex m_mutex;
    bool m_tried = false;
    std::unique_ptr<PictureCommands> m_commands;
    std::string m_error;
};

} // namespace ribcraft
