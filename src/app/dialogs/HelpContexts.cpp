#include "app/dialogs/HelpContexts.h"

#include "base/ViewCodes.h"

namespace ribcraft {

HelpCall ContextHelpFor(int vflag) {
    switch (vflag) {
    case ViewCode::Airfoil:
    case ViewCode::SurfaceCp:
    case ViewCode::SurfaceVelocity:
        return {HelpContext, 60};
    case ViewCode::Streamlines:
        return {HelpContext, 190};
    case ViewCode::PressureContours:
        return {HelpContext, 200};
    case ViewCode::Mesh:
        return {HelpContext, 160};
    case ViewCode::BoundaryLayer:
        return {HelpContext, 170};
    case ViewCode::Polar:
        return {HelpContext, 150};
    default:
        return {HelpContents, 1};
    }
}

namespace {

const char* pageForContext(int context) {
    switch (context) {
    case 20:
        return "naca4.html";
    case 30:
        return "naca5.html";
    case 50:
        return "flap.html";
    case 60:
        return "airfoil-views.html";
    case 70:
        return "templates.html";
    case 75:
        return "ribs.html";
    case 90:
        return "angle.html";
    case 150:
        return "polars.html";
    case 160:
        return "mesh.html";
    case 170:
        return "boundary-layer.html";
    case 190:
        return "streamlines.html";
    case 200:
        return "pressure-contours.html";
    default: // 1 and 10 are the contents
        return "contents.html";
    }
}

} // namespace

std::string HelpPageFor(int command, int data) {
    if (command == HelpContext) return pageForContext(data);
    return "contents.html";
}

std::string HelpResourcePath(const std::string& page) {
    return ":/help/" + page;
}

} // namespace ribcraft
