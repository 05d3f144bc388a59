// platform::DrawingSurface: a control that shows what the program draws on it.
#pragma once

#include "platform/Backend.h"
#include "platform/Drawing.h"
#include "platform/Export.h"
#include "platform/Window.h"

namespace platform {

/// Shows two layers: a base that changes rarely (a backend may keep it as an image) and
/// an overlay painted over it, redrawn whenever the program sets it.
class PLATFORM_EXPORT DrawingSurface : public Window {
public:
    void SetBase(Drawing drawing);
    void SetOverlay(Drawing drawing);
    Drawing const& GetBase() const;
    Drawing const& GetOverlay() const;

protected:
    bool Accepts(backend::NativeWindow& native) const override;

private:
    backend::NativeSurface& Surface() const;
};

} // namespace platform
