// platform::wx::WxSurface: a panel that paints a drawing surface's two layers.
#pragma once

#include "WxWindow.h"

#include <wx/bitmap.h>
#include <wx/panel.h>

namespace platform::wx {

/// Paints the base from an image made once per base and size, so that a new overlay
/// (the program's frequent change) costs only its own shapes.
class WxSurface final : public WxWindow<backend::NativeSurface> {
public:
    WxSurface(WxDialog* parent, ControlId id, wxPanel* panel);

    void SetLayer(backend::SurfaceLayer layer, Drawing drawing) override;
    Drawing const& Layer(backend::SurfaceLayer layer) const override;

private:
    void OnPaint();

    Drawing m_base;
    Drawing m_overlay;
    /// The base as painted; remade when the base or the panel's size changes.
    wxBitmap m_baseImage;
};

} // namespace platform::wx
