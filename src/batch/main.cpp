// ribcraft-batch [SCRIPT]: runs the commands of SCRIPT (or standard input).

#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>

#include "batch/BatchRunner.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: ribcraft-batch [SCRIPT]\n";
        return 2;
    }
    ribcraft::BatchRunner runner(std::cout);
    // Text metrics and pictures need a GUI application, but never a screen;
    // it is made only when a command draws a picture or a PDF, so numeric
    // scripts start no part of the GUI.
    std::unique_ptr<QGuiApplication> app;
    runner.setPictureSupport([&app, &argc, argv] {
        if (app || QGuiApplication::instance()) return;
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app = std::make_unique<QGuiApplication>(argc, argv);
    });
    if (argc == 2) {
        std::ifstream script(argv[1]);
        if (!script) {
            std::cerr << "cannot open " << argv[1] << '\n';
            return 1;
        }
        return runner.runScript(script, std::cerr);
    }
    return runner.runScript(std::cin, std::cerr);
}
