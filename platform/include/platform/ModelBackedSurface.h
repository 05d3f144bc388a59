// platform::backend::ModelBackedSurface: a drawing surface's two layers, kept the same on every
// backend.
#pragma once

#include "platform/Backend.h"
#include "platform/Drawing.h"

#include <utility>

namespace platform::backend {

/// A backend's drawing surface (`Window`, which implements NativeSurface) that keeps each
/// layer as it was set, in the surface's client pixels; the backend paints them.
template <typename Window> class ModelBackedSurface : public Window {
public:
    using Window::Window;

    void SetLayer(SurfaceLayer layer, Drawing drawing) final {
        (layer == SurfaceLayer::Base ? m_base : m_overlay) = std::move(drawing);
        ShowLayer(layer);
    }

    Drawing const& Layer(SurfaceLayer layer) const final {
        return layer == SurfaceLayer::Base ? m_base : m_overlay;
    }

protected:
    /// The toolkit shows `layer` as it now is from the next paint on.
    virtual void ShowLayer(SurfaceLayer /*layer*/) {}

private:
    Drawing m_base;
    Drawing m_overlay;
};

} // namespace platform::backend
