// SPDX-License-Identifier: MIT
#pragma once
// Entry point of the thin-airfoil library: the Fourier coefficients A0..A8 of
// the camber-line slope (angle of attack included in A0). Every argument by
// reference; arrays by their first element; 4-byte floats and integers.
//  alpha  in   angle of attack, radians
//  yc, xc in   camber line, n stations from the leading edge (x = 0) to the trailing edge (x = 1)
//  n      in   number of stations
//  order  in   number of quadrature points of the Fourier integrals
//  A0..A8 out

#include <cstdint>

#include "extlib/CallStatus.h"

namespace ribcraft::linaero {
// Outcome of the calling thread's last call of linaero.
KernelCall LastCall();
} // namespace ribcraft::linaero

void linaero(float& alpha, float& yc, float& xc, int32_t& n, int32_t& order, float& A0, float& A1, float& A2, float& A3,
             float& A4, float& A5, float& A6, float& A7, float& A8);
