// SPDX-License-Identifier: MIT
#pragma once
// What an entry point of a numerical library did on the calling thread's last
// call. The fixed argument lists have no place for a result code, so each
// library keeps the outcome of its last call for its callers to ask: either it
// wrote every output it promises, or it wrote nothing and says why.

#include <cstdint>

namespace ribcraft {

enum class KernelCall : int32_t {
    Written = 0,      // every output was written
    BadArguments = 1, // counts, codes or values outside what the entry point takes
    NoSection = 2,    // the section cannot be built (unknown NACA number, unusable file lists)
    NoSolution = 3,   // the input was taken but no result could be computed (a singular panel system, ...)
};

} // namespace ribcraft
