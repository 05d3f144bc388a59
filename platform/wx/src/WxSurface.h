// platform::wx::WxSurface: a panel that paints a drawing surface's two layers.
#pragma once

#include "WxWindow.h"
#include "platform/ModelBackedSurface.h"

#include <wx/bitmap.h>
#include <wx/panel.h>

namespace platform::wx {

/// Paints the base from an image made once per base and size, so that a new overlay
/// (the program's frequent change) costs only its own shapes.
class WxSurface final : public backend::ModelBackedSurface<WxWindow<backend::NativeSurface>> {
public:
    WxSurface(WxDialog* parent, ControlId id, wxPanel* panel);

private:
    void ShowLayer(backend::SurfaceLayer layer) override;
    void OnPaint();

    /// The base as painted; remade when the base or the panel's size changes.
    wxBitmap m_baseImage;
};

} // namespace platform::wx
