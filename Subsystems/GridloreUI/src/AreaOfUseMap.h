// gridui::AreaOfUseMap: a small world map of where a system is meant to be used.
#pragma once

#include "Coastlines.h"
#include "gridui/GeoArea.h"
#include "platform/Drawing.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gridui {

/// Draws the whole world, equirectangular, whatever the area: the frame then stays put
/// while the selection moves, so the eye compares one system's area with the last, and
/// an area across the antimeridian shows at the map's two edges. The base (sea,
/// graticule, coasts) depends only on the size; the overlay holds the system's area of
/// use, the host's area of interest, a point and, in a strip below the world, a note.
class AreaOfUseMap {
public:
    /// `coastlines` is asked for when the first base is drawn: reading the outline costs a
    /// browser without a map, or not shown yet, for nothing.
    explicit AreaOfUseMap(std::function<Coastlines const&()> coastlines);

    /// A line under the world, such as the area's name.
    void SetNote(std::wstring note) { m_note = std::move(note); }
    void SetArea(std::optional<GeoArea> area) { m_area = area; }
    void SetAreaOfInterest(std::optional<GeoArea> area) { m_areaOfInterest = area; }
    void SetPoint(std::optional<GeoPoint> point) { m_point = point; }

    platform::Drawing Base(platform::Size size) const;
    platform::Drawing Overlay(platform::Size size) const;

    /// What a surface of `size` leaves for the world above the note's strip.
    static platform::Size WorldArea(platform::Size size);
    /// Where the world lies in an area of `size`: the largest two-by-one rectangle,
    /// centred.
    static platform::Rect WorldRect(platform::Size size);
    static platform::Point ToSurface(platform::Rect world, GeoPoint point);
    /// `area` on the map: one rectangle, or two (at the map's east and west edges) when
    /// it crosses the antimeridian. Never thinner than `MinimumSide` pixels, so that a
    /// city's system still shows.
    static std::vector<platform::Rect> AreaRects(platform::Rect world, GeoArea const& area);

    static constexpr int MinimumSide = 3;
    /// The note's strip in pixels: one line of a dialog's font.
    static constexpr int NoteHeight = 17;

private:
    std::function<Coastlines const&()> m_coastlines;
    std::optional<GeoArea> m_area;
    std::optional<GeoArea> m_areaOfInterest;
    std::optional<GeoPoint> m_point;
    std::wstring m_note;
};

} // namespace gridui
