// Points, sizes and rectangles in pixels, as the windowing layer measures them.
#pragma once

#include "platform/Export.h"

namespace platform {

struct PLATFORM_EXPORT Point {
    int x = 0;
    int y = 0;
    bool operator==(Point const&) const = default;
};

struct PLATFORM_EXPORT Size {
    int width = 0;
    int height = 0;
    bool operator==(Size const&) const = default;
};

/// A rectangle given by its edges; `right` and `bottom` lie just outside it.
struct PLATFORM_EXPORT Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect FromXYWH(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(Rect const&) const = default;
};

} // namespace platform
