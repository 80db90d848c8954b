// SPDX-License-Identifier: MIT
#include "gui/SectionPath.h"

#include <cmath>
#include <numbers>

namespace ribcraft {

QPainterPath SectionPath(const airfoil::NacaSection& section, QPointF leadingEdge, double chord, int steps) {
    auto point = [&](double x, double y) { return QPointF(leadingEdge.x() + chord * x, leadingEdge.y() - chord * y); };
    auto station = [steps](int i) { return 0.5 * (1 - std::cos(std::numbers::pi * i / steps)); };
    QPainterPath path(point(1, airfoil::NacaMeanLine(section, 1)));
    for (int i = steps; i >= 0; --i) { // upper surface, trailing edge to leading edge
        const double x = station(i);
        path.lineTo(point(x, airfoil::NacaMeanLine(section, x) + airfoil::NacaHalfThickness(section.thickness, x)));
    }
    for (int i = 1; i <= steps; ++i) { // lower surface back to the trailing edge
        const double x = station(i);
        path.lineTo(point(x, airfoil::NacaMeanLine(section, x) - airfoil::NacaHalfThickness(section.thickness, x)));
    }
    path.closeSubpath();
    return path;
}

} // namespace ribcraft
