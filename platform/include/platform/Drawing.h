// platform::Drawing: what a drawing surface shows, as plain shapes in its client pixels.
#pragma once

#include "platform/Export.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

/// An sRGB colour; `alpha` 0 is fully transparent, 255 opaque.
struct PLATFORM_EXPORT Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;
    bool operator==(Colour const&) const = default;
};

struct PLATFORM_EXPORT Polyline {
    std::vector<Point> points;
    Colour colour;
};

/// A rectangle filled with `fill` and outlined with `border`; either may be transparent.
struct PLATFORM_EXPORT FilledRect {
    Rect rect;
    Colour fill;
    Colour border;
};

/// A dot of `radius` pixels around `centre`.
struct PLATFORM_EXPORT Marker {
    Point centre;
    int radius = 3;
    Colour colour;
};

/// One line of text in the window's font, its top left at `origin`; clipped by the window.
struct PLATFORM_EXPORT Text {
    Point origin;
    std::wstring text;
    Colour colour;
};

/// Painted in this order: the background colour, the lines, the rectangles, the markers,
/// the texts, so that a translucent rectangle shades the lines beneath it and markers and
/// texts stay on top.
struct PLATFORM_EXPORT Drawing {
    Colour background{255, 255, 255, 0};
    std::vector<Polyline> lines;
    std::vector<FilledRect> rects;
    std::vector<Marker> markers;
    std::vector<Text> texts;
};

} // namespace platform
