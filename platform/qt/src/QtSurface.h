// platform::qt::QtSurface: a widget that paints a drawing surface's two layers.
#pragma once

#include "QtWindow.h"
#include "platform/ModelBackedSurface.h"

#include <QPixmap>

namespace platform::qt {

class SurfaceWidget;

/// Paints the base from a picture made once per base and size, so that a new overlay
/// (the program's frequent change) costs only its own shapes.
class QtSurface final : public backend::ModelBackedSurface<QtWindow<backend::NativeSurface>> {
public:
    QtSurface(QtDialog* parent, ControlId id, Rect pixels);

    /// Paints both layers onto the widget.
    void Paint();

private:
    void ShowLayer(backend::SurfaceLayer layer) override;

    /// The base as painted; remade when the base or the widget's size changes.
    QPixmap m_baseImage;
};

} // namespace platform::qt
