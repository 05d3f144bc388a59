// shr::Vec2d: a pair of doubles, such as an X/Y origin.
#pragma once

#include "shr/Export.h"

namespace shr {

struct SHR_EXPORT Vec2d {
    Vec2d() = default;
    Vec2d(double xValue, double yValue)
        : x(xValue)
        , y(yValue) {}

    bool operator==(Vec2d const&) const = default;

    double x = 0.0;
    double y = 0.0;
};

} // namespace shr
