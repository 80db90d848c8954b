// SPDX-License-Identifier: MIT
#pragma once
// What the drawing-surface tests share: the Gui application that text
// rendering needs (offscreen platform under ctest) and a folder for the files
// they write.

#include <QGuiApplication>

#include <filesystem>
#include <string>

namespace ribcraft::test {

inline void EnsureGuiApp() {
    static int argc = 1;
    static char name[] = "test_render";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

// NAME in the test-output folder of the build tree (made when missing).
inline std::string OutPath(const std::string& name) {
    const auto dir = std::filesystem::path(RIBCRAFT_BINARY_DIR) / "test-output";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

} // namespace ribcraft::test
