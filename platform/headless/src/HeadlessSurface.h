// platform::headless::HeadlessSurface: records what a drawing surface would paint.
#pragma once

#include "HeadlessWindow.h"

namespace platform::headless {

/// Keeps each layer as it was set, in the surface's client pixels, so that a test reads
/// exactly the shapes a real window would paint.
class HeadlessSurface final : public HeadlessWindow<backend::NativeSurface> {
public:
    using HeadlessWindow::HeadlessWindow;

    void SetLayer(backend::SurfaceLayer layer, Drawing drawing) override;
    Drawing const& Layer(backend::SurfaceLayer layer) const override;

private:
    Drawing m_base;
    Drawing m_overlay;
};

} // namespace platform::headless
