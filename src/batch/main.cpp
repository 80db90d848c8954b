// SPDX-License-Identifier: MIT
// ribcraft-batch [--jobs N] [SCRIPT...]: runs the commands of each SCRIPT (or
// of standard input), several scripts N at a time.

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <malloc.h>
#include <memory>
#include <sys/mman.h>
#include <unistd.h>

#include "batch/BatchRunner.h"
#include "batch/PicturePlugin.h"
#include "batch/ScriptJobs.h"

namespace {

constexpr const char* Usage = R"(usage: ribcraft-batch [--jobs N] [SCRIPT...]
       ribcraft-batch --help | --version

Runs Ribcraft commands from SCRIPT (or standard input), one a line, on one
airfoil section, without a window. '#' starts a comment. Several scripts run
N at a time (--jobs N, default one per core), each on its own section.

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
  sweep FROM TO STEP [inviscid]
                         one comma-separated row per angle (what results shows)
  polar FILE             the stored polars as a comma-separated polar table
  polars FOLDER OUT RE...
                         polars of every coordinate file in FOLDER, on all cores
                         (--jobs N): OUT/FILE.polar.csv each and OUT/summary.csv

A warning is reported as "line N: warning: ..." and the script goes on. The
first command that cannot run stops the script with "line N: ..." and exit
status 1. See ribcraft-batch(1).
)";

// A short run touches each new page of memory once, and on a virtual machine
// each first touch is a costly trap. The heap is therefore grown once by a
// generous step that is backed by huge pages where the system offers them,
// and freed blocks (a panel system of a few hundred kilobytes, a copy of the
// state) stay in the heap for the next command instead of going back to the
// system and returning as fresh pages. Nothing here changes what is computed.

// The untouched stretch of heap before the first huge page (kept reachable).
void* volatile heldHead = nullptr;

void PrepareHeap() {
#if defined(__SANITIZE_ADDRESS__)
    return; // the sanitizer's allocator has a heap of its own
#endif
    constexpr size_t Huge = size_t(2) << 20, Pad = size_t(16) << 20;
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, int(Pad));
    // A large block grows the heap (its pages are not touched); the whole
    // huge pages inside it are marked for huge-page backing.
    void* probe = std::malloc(4 * Huge);
    if (!probe) return;
    const auto start = reinterpret_cast<uintptr_t>(probe);
    const uintptr_t from = (start + Huge - 1) & ~(Huge - 1);
    const uintptr_t to = reinterpret_cast<uintptr_t>(sbrk(0)) & ~(Huge - 1);
    std::free(probe);
    // Only a block that came from the heap's own growth (not from a mapping
    // of its own, where the heap cannot grow) has the heap's end just after it.
    if (to <= from || to - start > 4 * Huge + Pad + Huge) return;
    if (madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE) != 0) return;
    // The blocks that follow start at the first marked page: the stretch
    // before it stays held by one block that is never touched nor freed.
    const size_t header = 2 * sizeof(size_t);
    if (from - start > 2 * header) heldHead = std::malloc(from - start - header);
}

} // namespace

int main(int argc, char** argv) {
    PrepareHeap();
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << Usage;
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "ribcraft-batch " << RIBCRAFT_VERSION << '\n';
        return 0;
    }
    const ribcraft::Result<ribcraft::BatchArguments> parsed = ribcraft::ParseBatchArguments(argc, argv);
    if (!parsed) {
        std::cerr << parsed.status().message()
                  << "\nusage: ribcraft-batch [--jobs N] [SCRIPT...]   (ribcraft-batch --help for the commands)\n";
        return 2;
    }
    const ribcraft::BatchArguments& args = parsed.value();
    // Pictures and PDFs are painted by the picture plugin, loaded only when a
    // command draws one, so numeric scripts load no part of the GUI.
    std::error_code ec;
    std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec) self = argv[0];
    ribcraft::PicturePlugin plugin(ribcraft::PicturePlugin::PathsBeside(self, RIBCRAFT_PICTURES_FROM_BIN));
    if (args.scripts.size() > 1)
        return ribcraft::RunScripts(args.scripts, args.jobs, std::cout, std::cerr, plugin.source());
    // On the heap, which is ready for it, rather than tens of kilobytes of fresh stack.
    const auto held = std::make_unique<ribcraft::BatchRunner>(std::cout);
    ribcraft::BatchRunner& runner = *held;
    runner.setPictures(plugin.source());
    runner.setJobs(args.jobs);
    if (args.scripts.empty()) return runner.runScript(std::cin, std::cerr);
    std::ifstream script(args.scripts[0]);
    if (!script) {
        std::cerr << "cannot open " << args.scripts[0] << '\n';
        return 1;
    }
    return runner.runScript(script, std::cerr);
}
