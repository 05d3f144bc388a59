// platform::headless::HeadlessSurface: records what a drawing surface would paint.
#pragma once

#include "HeadlessWindow.h"
#include "platform/ModelBackedSurface.h"

namespace platform::headless {

/// Keeps each layer as it was set, so that a test reads exactly the shapes a real window
/// would paint.
class HeadlessSurface final
    : public backend::ModelBackedSurface<HeadlessWindow<backend::NativeSurface>> {
public:
    using ModelBackedSurface::ModelBackedSurface;
};

} // namespace platform::headless
