// SPDX-License-Identifier: MIT
#pragma once
// ribcraft-batch: the program's commands read from a script, one per line,
// run on one shared state through the same recompute step as the window's
// redraw. Only the commands that make a picture or a PDF draw anything (through
// the picture commands given to the runner); the others compute their numbers
// and print them.
//
//   naca DIGITS            accept a NACA 4- or 5-digit section
//   read FILE              read a coordinate file ("&General Airfoils")
//   points N               number of points about the airfoil (Options dialog)
//   alpha DEG              angle of attack (the angle box and Enter)
//   flap LENGTH DEFL       flap length (% chord) and deflection (degrees), as the flap dialog's OK
//   re VALUE               Reynolds number
//   set NAME VALUE         any other numeric setting by its own name (set BlOptions 2)
//   view NAME              a view, as its menu command (coordinates, cp, velocity, report, fourier, ...)
//   reset-polar            forget the stored polars
//   save FILE              the Save command for the current view
//   dxf FILE               export the outline as DXF
//   png FILE [W H]         the current view drawn offscreen (1200 x 800)
//   templates FILE ROOT TIP SECTIONS SKIN [in|cm] [letter|a4|a3]
//                          print the wing-rib templates into a PDF file (Letter pages unless given)
//   ribs FILE ROOT TIP SECTIONS SKIN [in|cm|mm] [dxf|svg] [notch PERCENT WIDTH DEPTH top|bottom|both]...
//                          the ribs as closed outlines for a cutter (DXF, or SVG for a FILE ending in .svg)
//   report                 the report's lines to the output
//   results                the result panel, one "key = text" line each
//   sweep FROM TO STEP [inviscid]
//                          one table row per angle (what `results` shows at that angle), comma separated;
//                          inviscid: without the drag estimate. The state keeps its own angle.
//   polar FILE             the polar view's data (the stored polars, the current one computed if missing)
//                          as a comma-separated polar table
//   polars FOLDER OUT RE...
//                          polars of every coordinate file in FOLDER at each Reynolds number, with the
//                          current settings, on all cores (or --jobs N): OUT/FILE.polar.csv each and
//                          OUT/summary.csv; files that fail are named in a warning and skipped
// A file name with blanks is written in double quotes: save "my wing.txt".
// A warning (such as boundary-layer separation) is reported as "line N: warning: ...", a notice about the
// command itself (a full polar store) as "line N: notice: ...", and the script
// goes on. '#' starts a comment. The first command that cannot run stops the script
// with "line N: ..." and exit status 1.

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandResult.h"
#include "app/SharedState.h"
#include "batch/PictureCommands.h"

namespace ribcraft {

class BatchRunner {
public:
    BatchRunner(std::ostream& out);
    ~BatchRunner();

    // Where png and templates get their painting from, asked on the first
    // picture or PDF. Without one, those commands fail with a message.
    void setPictures(PictureSource source) { m_pictures = std::move(source); }
    // Whether a script line is a command that paints (png, templates).
    static bool drawsPicture(const std::string& line);

    // Runs one line (comments and blank lines do nothing).
    CommandResult runLine(const std::string& line);
    // Runs a whole script; returns the exit status (0, or 1 after "line N: ..." on err).
    int runScript(std::istream& in, std::ostream& err);

    // The state as the program shows it (the start-up section solved).
    SharedState& state() {
        startUp();
        return m_state;
    }
    // Threads of the polars command; 0 = one per processor core.
    void setJobs(int jobs) { m_jobs = jobs; }
    // Names accepted by `set`, in alphabetical order.
    static std::vector<std::string> settingNames();

private:
    // The recompute step of the redraw for the current view; nothing is drawn.
    CommandResult redraw();
    // Solves the start-up section unless that has happened: the program
    // starts with a solution on screen, but a script that first picks its own
    // section, angle or points has no use for it, so it waits for the first
    // command that would read it.
    void startUp();
    Result<PictureCommands*> pictures();
    CommandResult command(const std::vector<std::string>& words);
    CommandResult viewCommand(const std::string& name);
    CommandResult setCommand(const std::string& name, const std::string& value);
    CommandResult pngCommand(const std::vector<std::string>& words);
    CommandResult templatesCommand(const std::vector<std::string>& words);
    CommandResult sweepCommand(const std::vector<std::string>& words);
    CommandResult polarCommand(const std::string& path);
    CommandResult polarsCommand(const std::vector<std::string>& words);
    void printResults();
    void printReport();

    std::ostream& m_out;
    SharedState m_state;
    bool m_started = false; // the start-up redraw has run on m_state
    // The state before the running command (put back when it fails) and a
    // trial copy for checks, kept from command to command so that a copy
    // reuses their storage.
    std::unique_ptr<SharedState> m_before = std::make_unique<SharedState>();
    std::unique_ptr<SharedState> m_trial = std::make_unique<SharedState>();
    PictureSource m_pictures;
    int m_jobs = 0;
};

} // namespace ribcraft
