// SPDX-License-Identifier: MIT
#include "extlib/airfoil/Airfoil.h"

namespace ribcraft::airfoil {

namespace {
thread_local KernelCall g_lastCall = KernelCall::Written;
}

KernelCall LastCall() {
    return g_lastCall;
}

void SetLastCall(KernelCall outcome) {
    g_lastCall = outcome;
}

} // namespace ribcraft::airfoil
