#include "AreaOfUseMap.h"

#include <algorithm>
#include <cmath>

namespace gridui {

using platform::Colour;
using platform::Point;
using platform::Rect;

namespace {

constexpr Colour Sea{226, 236, 246};
constexpr Colour Graticule{196, 212, 230};
constexpr Colour Shore{84, 98, 112};
constexpr Colour AreaFill{240, 128, 16, 96};
constexpr Colour AreaBorder{200, 90, 0};
constexpr Colour Transparent{0, 0, 0, 0};
constexpr Colour InterestBorder{176, 0, 48};
constexpr Colour PointColour{208, 0, 0};
constexpr Colour NoteColour{0, 0, 0};
constexpr double GraticuleStep = 30.0;

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

/// Widens [low, high) about its middle to at least `MinimumSide`, kept inside [min, max).
void Widen(int& low, int& high, int min, int max) {
    int const missing = AreaOfUseMap::MinimumSide - (high - low);
    if (missing <= 0) {
        return;
    }
    low = std::max(min, low - missing / 2);
    high = std::min(max, low + AreaOfUseMap::MinimumSide);
    low = std::max(min, high - AreaOfUseMap::MinimumSide);
}

} // namespace

AreaOfUseMap::AreaOfUseMap(std::function<Coastlines const&()> coastlines)
    : m_coastlines(std::move(coastlines)) {}

platform::Size AreaOfUseMap::WorldArea(platform::Size size) {
    return {size.width, std::max(0, size.height - NoteHeight)};
}

Rect AreaOfUseMap::WorldRect(platform::Size size) {
    int const width = std::min(size.width, 2 * size.height);
    int const height = width / 2;
    int const left = (size.width - width) / 2;
    int const top = (size.height - height) / 2;
    return Rect::FromXYWH(left, top, width, height);
}

Point AreaOfUseMap::ToSurface(Rect world, GeoPoint point) {
    return {world.left + Round((point.longitude + 180.0) / 360.0 * world.Width()),
            world.top + Round((90.0 - point.latitude) / 180.0 * world.Height())};
}

std::vector<Rect> AreaOfUseMap::AreaRects(Rect world, GeoArea const& area) {
    std::vector<GeoArea> parts;
    if (area.west > area.east) {
        parts.push_back({area.west, area.south, 180.0, area.north});
        parts.push_back({-180.0, area.south, area.east, area.north});
    } else {
        parts.push_back(area);
    }
    std::vector<Rect> rects;
    for (GeoArea const& part : parts) {
        Point const northWest = ToSurface(world, {part.west, part.north});
        Point const southEast = ToSurface(world, {part.east, part.south});
        Rect rect{northWest.x, northWest.y, southEast.x, southEast.y};
        Widen(rect.left, rect.right, world.left, world.right);
        Widen(rect.top, rect.bottom, world.top, world.bottom);
        rects.push_back(rect);
    }
    return rects;
}

platform::Drawing AreaOfUseMap::Base(platform::Size size) const {
    Rect const world = WorldRect(WorldArea(size));
    platform::Drawing drawing;
    drawing.background = Sea;
    for (double longitude = -180.0 + GraticuleStep; longitude < 180.0; longitude += GraticuleStep) {
        drawing.lines.push_back(
            {{ToSurface(world, {longitude, 90.0}), ToSurface(world, {longitude, -90.0})},
             Graticule});
    }
    for (double latitude = -90.0 + GraticuleStep; latitude < 90.0; latitude += GraticuleStep) {
        drawing.lines.push_back(
            {{ToSurface(world, {-180.0, latitude}), ToSurface(world, {180.0, latitude})},
             Graticule});
    }
    for (std::vector<GeoPoint> const& shoreline : m_coastlines().lines) {
        platform::Polyline line{{}, Shore};
        for (GeoPoint const point : shoreline) {
            Point const pixel = ToSurface(world, point);
            // At this size most points of a crude outline fall on the pixel before.
            if (line.points.empty() || line.points.back() != pixel) {
                line.points.push_back(pixel);
            }
        }
        if (line.points.size() >= 2) {
            drawing.lines.push_back(std::move(line));
        }
    }
    return drawing;
}

platform::Drawing AreaOfUseMap::Overlay(platform::Size size) const {
    Rect const world = WorldRect(WorldArea(size));
    platform::Drawing drawing;
    if (m_area) {
        for (Rect const& rect : AreaRects(world, *m_area)) {
            drawing.rects.push_back({rect, AreaFill, AreaBorder});
        }
    }
    if (m_areaOfInterest) {
        for (Rect const& rect : AreaRects(world, *m_areaOfInterest)) {
            drawing.rects.push_back({rect, Transparent, InterestBorder});
        }
    }
    if (m_point) {
        drawing.markers.push_back({ToSurface(world, *m_point), 3, PointColour});
    }
    if (!m_note.empty()) {
        drawing.texts.push_back({{world.left, size.height - NoteHeight + 2}, m_note, NoteColour});
    }
    return drawing;
}

} // namespace gridui
