#include "HeadlessSurface.h"

#include <utility>

namespace platform::headless {

void HeadlessSurface::SetLayer(backend::SurfaceLayer layer, Drawing drawing) {
    (layer == backend::SurfaceLayer::Base ? m_base : m_overlay) = std::move(drawing);
}

Drawing const& HeadlessSurface::Layer(backend::SurfaceLayer layer) const {
    return layer == backend::SurfaceLayer::Base ? m_base : m_overlay;
}

} // namespace platform::headless
