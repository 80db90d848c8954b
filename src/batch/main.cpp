// ribcraft-batch [--jobs N] [SCRIPT...]: runs the commands of each SCRIPT (or
// of standard input), several scripts N at a time.

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

#include "batch/BatchRunner.h"
#include "batch/ScriptJobs.h"

int main(int argc, char** argv) {
    const ribcraft::BatchArguments args = ribcraft::ParseBatchArguments(argc, argv);
    if (!args.error.empty()) {
        std::cerr << args.error << "\nusage: ribcraft-batch [--jobs N] [SCRIPT...]\n";
        return 2;
    }
    // Text metrics and pictures need a GUI application, but never a screen.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (args.scripts.empty()) {
        ribcraft::BatchRunner runner(std::cout);
        runner.setJobs(args.jobs);
        return runner.runScript(std::cin, std::cerr);
    }
    return ribcraft::RunScripts(args.scripts, args.jobs, std::cout, std::cerr);
}
