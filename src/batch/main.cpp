// ribcraft-batch [SCRIPT]: runs the commands of SCRIPT (or standard input).

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>

#include "batch/BatchRunner.h"

namespace {

constexpr const char* Usage = R"(usage: ribcraft-batch [SCRIPT]
       ribcraft-batch --help | --version

Runs Ribcraft commands from SCRIPT (or standard input), one a line, on one
airfoil section, without a window. '#' starts a comment.

  naca DIGITS            accept a NACA 4- or 5-digit section
  read FILE              read a coordinate file
  points N               number of points about the airfoil
  alpha DEG              angle of attack in degrees
  flap LENGTH DEFL       flap length (% chord) and deflection (degrees)
  re VALUE               Reynolds number (1000 to 1e9)
  set NAME VALUE         any other numeric setting by its own name (set BlOptions 2)
  view NAME              coordinates, cp, velocity, streamlines, pressure, mesh, polar,
                         cl-cm, transition, report, fourier, bl-upper-profiles, ...
  reset-polar            forget the stored polars
  save FILE              the data of the current view as text
  dxf FILE               the outline as a DXF drawing
  png FILE [W H]         the current view as a PNG picture (1200 x 800)
  templates FILE ROOT TIP SECTIONS SKIN [in|cm] [letter|a4|a3]
                         the wing-rib templates as a PDF file
  ribs FILE ROOT TIP SECTIONS SKIN [in|cm|mm] [dxf|svg] [notch POS WIDTH DEPTH top|bottom|both]...
                         every rib as closed outlines for a cutter
  report                 the coefficients report
  results                the result panel, one "key = text" line each

A warning is reported as "line N: warning: ..." and the script goes on. The
first command that cannot run stops the script with "line N: ..." and exit
status 1. See ribcraft-batch(1).
)";

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << Usage;
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "ribcraft-batch " << RIBCRAFT_VERSION << '\n';
        return 0;
    }
    if (argc > 2 || (argc == 2 && argv[1][0] == '-' && argv[1][1] != '\0')) {
        std::cerr << "usage: ribcraft-batch [SCRIPT]   (ribcraft-batch --help for the commands)\n";
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
