// ribcraft-batch [--jobs N] [SCRIPT...]: runs the commands of each SCRIPT (or
// of standard input), several scripts N at a time.

#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>

#include "batch/BatchRunner.h"
#include "batch/ScriptJobs.h"

int main(int argc, char** argv) {
    const ribcraft::BatchArguments args = ribcraft::ParseBatchArguments(argc, argv);
    if (!args.error.empty()) {
        std::cerr << args.error << "\nusage: ribcraft-batch [--jobs N] [SCRIPT...]\n";
        return 2;
    }
    // Text metrics and pictures need a GUI application, but never a screen;
    // for one script it is made only when a command draws a picture or a PDF,
    // so numeric scripts start no part of the GUI. Scripts run side by side on
    // threads get it before they start (it belongs to the main thread).
    std::unique_ptr<QGuiApplication> app;
    auto makeGui = [&app, &argc, argv] {
        if (app || QGuiApplication::instance()) return;
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app = std::make_unique<QGuiApplication>(argc, argv);
    };
    if (args.scripts.size() > 1) {
        makeGui();
        return ribcraft::RunScripts(args.scripts, args.jobs, std::cout, std::cerr);
    }
    ribcraft::BatchRunner runner(std::cout);
    runner.setPictureSupport(makeGui);
    runner.setJobs(args.jobs);
    if (args.scripts.empty()) return runner.runScript(std::cin, std::cerr);
    std::ifstream script(args.scripts[0]);
    if (!script) {
        std::cerr << "cannot open " << args.scripts[0] << '\n';
        return 1;
    }
    return runner.runScript(script, std::cerr);
}
