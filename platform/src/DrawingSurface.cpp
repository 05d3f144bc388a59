#include "platform/DrawingSurface.h"

#include "platform/Backend.h"

#include <utility>

namespace platform {

bool DrawingSurface::Accepts(backend::NativeWindow& native) const {
    return dynamic_cast<backend::NativeSurface*>(&native) != nullptr;
}

backend::NativeSurface& DrawingSurface::Surface() const {
    return static_cast<backend::NativeSurface&>(Native());
}

void DrawingSurface::SetBase(Drawing drawing) {
    Surface().SetLayer(backend::SurfaceLayer::Base, std::move(drawing));
}

void DrawingSurface::SetOverlay(Drawing drawing) {
    Surface().SetLayer(backend::SurfaceLayer::Overlay, std::move(drawing));
}

Drawing const& DrawingSurface::GetBase() const {
    return Surface().Layer(backend::SurfaceLayer::Base);
}

Drawing const& DrawingSurface::GetOverlay() const {
    return Surface().Layer(backend::SurfaceLayer::Overlay);
}

} // namespace platform
