#include "geometry/LinAero.h"

#include "extlib/Capacities.h"
#include "extlib/linaero/Linaero.h"

#include <cmath>

namespace ribcraft {

LinAeroStatus LinAero::AeroCoeff(const float& Y, const float& X) {
    // The loop holds N + 1 points in arrays of cap::Outline entries.
    if (NumberOfPoints < 2 || NumberOfPoints + 1 > cap::Outline)
        return {false, "thin airfoil: point count " + std::to_string(NumberOfPoints) + " outside 2.." +
                           std::to_string(cap::Outline - 1)};
    const float* y = &Y - 1; // y[i] is Y(i)
    const float* x = &X - 1;

    // Leading-edge index of the loop; camber station i pairs loop points n - i + 1 (lower) and n + i - 1 (upper).
    m_n = NumberOfPoints / 2 + 1;
    m_order = static_cast<int32_t>(SimulationOrder);
    m_alpha = static_cast<float>(AngleOfAttack * std::atan(1.0) * 4.0 / 180.0);
    m_xc.assign(m_n, 0.0f);
    m_yc.assign(m_n, 0.0f);
    for (int i = 1; i <= m_n; ++i)
        m_xc[i - 1] = x[m_n + i - 1];
    m_xc.front() = 0.0f;
    m_xc.back() = 1.0f;
    for (int i = 1; i <= m_n; ++i)
        m_yc[i - 1] = (y[m_n - i + 1] + y[m_n + i - 1]) / 2.0f;
    m_yc.back() = y[1]; // camber at the trailing edge: the lower trailing-edge point

    // The library writes nothing when it refuses the line, and says so.
    float a[9] = {};
    ::linaero(m_alpha, m_yc.front(), m_xc.front(), m_n, m_order, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]);
    if (linaero::LastCall() != KernelCall::Written)
        return {false, "thin airfoil: the camber line could not be integrated"};
    A0 = a[0], A1 = a[1], A2 = a[2], A3 = a[3], A4 = a[4], A5 = a[5], A6 = a[6], A7 = a[7], A8 = a[8];
    return {true, {}};
}

} // namespace ribcraft
