// SPDX-License-Identifier: MIT
#include "batch/PicturePlugin.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace ribcraft {

PicturePlugin::PicturePlugin(std::vector<std::string> paths) : m_paths(std::move(paths)) {}

// The library itself is never unloaded: Qt keeps threads and handlers of its own.
PicturePlugin::~PicturePlugin() = default;

std::vector<std::string> PicturePlugin::PathsBeside(const std::string& exePath, const std::string& relativeDir) {
    const std::filesystem::path dir = std::filesystem::path(exePath).parent_path();
    std::vector<std::string> paths{(dir / PicturePluginFile).string()};
    if (!relativeDir.empty()) paths.push_back((dir / relativeDir / PicturePluginFile).lexically_normal().string());
    return paths;
}

Result<PictureCommands*> PicturePlugin::get() {
    const std::lock_guard lock(m_mutex);
    if (!m_tried) {
        m_tried = true;
        std::string path;
        for (const std::string& p : m_paths) {
            std::error_code ec;
            if (std::filesystem::is_regular_file(p, ec)) {
                path = p;
                break;
            }
        }
        if (path.empty()) {
            m_error = std::string("pictures need ") + PicturePluginFile + ", which is not installed" +
                      (m_paths.empty() ? "" : " (looked for " + m_paths.front() + ")");
        } else if (void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); !handle) {
            const char* why = dlerror();
            m_error = "cannot load " + path + ": " + (why ? why : "unknown reason");
        } else if (auto make = reinterpret_cast<PicturePluginFunction>(dlsym(handle, PicturePluginEntry)); !make) {
            m_error = path + " is not the picture plugin of this program";
        } else if (m_commands.reset(make(PicturePluginKey().c_str())); !m_commands) {
            m_error = path + " belongs to another build of this program";
        }
    }
    if (!m_commands) return Status::Error(ErrorKind::NotAvailable, m_error);
    return m_commands.get();
}

} // namespace ribcraft
