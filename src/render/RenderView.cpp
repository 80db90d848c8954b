#include "render/RenderView.h"

#include "plot/SurfacePlots.h"
#include "render/QtSurface.h"

namespace ribcraft {

Status RenderViewToPng(const SharedState& state, int width, int height, const std::string& path) {
    if (width < 1 || height < 1 || width > 20000 || height > 20000)
        return Status::Error(ErrorKind::InvalidInput,
                             "Picture size out of range: " + std::to_string(width) + " x " + std::to_string(height));
    ImageSurface surface(width, height);
    surface.SetBackColor(state.whiteBackground() ? QBColor(15) : QBColor(0));
    surface.SetForeColor(state.whiteBackground() ? QBColor(0) : QBColor(15));
    surface.Cls();
    DrawView(surface, state);
    return surface.SavePng(path);
}

} // namespace ribcraft
