// SPDX-License-Identifier: MIT
// Fuzz target: the text of a coordinate file through the reader, the section check and the
// panel solution, as "&General Airfoils" and the redraw take it. Whatever the bytes:
//  - nothing crashes (the sanitizers of the fuzz build watch every access);
//  - a refused file changes nothing: the state keeps its section, its lists and its solution;
//  - an accepted file gives a finite outline, finite Cp on every panel and a finite Cl.
// Any broken rule aborts, which the fuzzer reports as a crash with the input that caused it.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "app/FileCommands.h"
#include "app/PanelDriver.h"
#include "app/SharedState.h"
#include "io/AirfoilReader.h"

namespace {

using ribcraft::SharedState;

[[noreturn]] void broken(const char* rule) {
    std::fprintf(stderr, "fuzz_section: %s\n", rule);
    std::abort();
}

void require(bool held, const char* rule) {
    if (!held) broken(rule);
}

template <typename A> bool sameArray(const A& a, const A& b) {
    return std::memcmp(&a, &b, sizeof(A)) == 0;
}

// The parts of the state a file and a solution may change.
bool sameSection(const SharedState& a, const SharedState& b) {
    return sameArray(a.XUpper, b.XUpper) && sameArray(a.YUpper, b.YUpper) && sameArray(a.XLower, b.XLower) &&
           sameArray(a.YLower, b.YLower) && a.NUpper == b.NUpper && a.NLower == b.NLower &&
           a.Texts.SectionName == b.Texts.SectionName && a.RawAirfoilFlag == b.RawAirfoilFlag &&
           a.AirfoilFileName == b.AirfoilFileName;
}

bool sameSolution(const SharedState& a, const SharedState& b) {
    return sameArray(a.SectionX, b.SectionX) && sameArray(a.SectionY, b.SectionY) &&
           sameArray(a.SurfaceCp, b.SurfaceCp) && a.ClPanel == b.ClPanel && a.CmLePanel == b.CmLePanel;
}

const SharedState& solvedStart() {
    static const SharedState start = [] {
        SharedState s;
        s.Texts.AngleText = std::string(1, '4'); // GCC 12 -O2 misreports the literal assignment here (-Wrestrict)
        require(ribcraft::PlainSolution(s).ok(), "the start-up section solves");
        return s;
    }();
    return start;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ribcraft::Result<ribcraft::AirfoilFileData> file = ribcraft::ParseAirfoilText(text);
    if (!file) {
        require(file.status().kind() == ribcraft::ErrorKind::BadFile, "a refused file is a bad file");
        require(file.status().message().size() > ribcraft::AirfoilReadError.size() + 1, "a refused file says why");
    }

    static SharedState s;
    s = solvedStart();
    const ribcraft::CommandResult read = ribcraft::AcceptAirfoilFile(s, file, "fuzz.dat");
    if (!read.ok()) {
        require(!file.ok() || !read.message().empty(), "a refusal has a message");
        require(sameSection(s, solvedStart()) && sameSolution(s, solvedStart()), "a refused file changes nothing");
        return 0;
    }
    require(file.ok(), "only a file the reader accepted is taken");

    const ribcraft::CommandResult solved = ribcraft::PlainSolution(s);
    if (!solved.ok()) {
        require(sameSolution(s, solvedStart()), "a section that cannot be solved keeps the previous solution");
        return 0;
    }
    const int n = s.PointCount;
    require(n >= 4 && n < ribcraft::cap::Outline, "the outline has a usable number of points");
    for (int i = 1; i <= n; ++i) {
        require(std::isfinite(s.SectionX[i]) && std::isfinite(s.SectionY[i]), "the outline is finite");
        require(std::isfinite(s.SurfaceCp[i]), "Cp is finite on every panel");
    }
    require(std::isfinite(s.ClPanel) && std::isfinite(s.CmLePanel), "Cl and Cm are finite");
    return 0;
}
