// gridui::TypedPlace and ParsePlace: a latitude and longitude typed as people write them.
#pragma once

#include "gridui/Export.h"
#include "gridui/GeoArea.h"

#include <string>
#include <string_view>

namespace gridui {

/// What a search text says about a place on the earth.
struct GRIDUI_EXPORT TypedPlace {
    enum class Kind {
        /// Not written as a place (a code, a name, a single number): search as usual.
        None,
        /// A latitude and longitude, in `point`.
        Place,
        /// Written as coordinates, but not a place: `status` says why and what to type.
        Refused,
    };
    Kind kind = Kind::None;
    GeoPoint point;
    /// One line for the status line: "Systems for 52.52° N, 13.40° E", or the refusal.
    std::wstring status;
};

/// Reads "52.52 13.40", "52.52, 13.40", "52°31'N 13°24'E", "52 31 12 N 13 24 36 E" or
/// "13.40E 52.52N". A hemisphere letter (N, S, E, W, either case, before or after the
/// number) decides which is the latitude; without one the latitude comes first. Degrees
/// may be followed by minutes and seconds, with or without their marks (° ' ", ′ ″, d m
/// s). A single number or a text with any word in it is no place, so that "4326",
/// "utm 33" and "WGS 84" are searched as they always were.
GRIDUI_EXPORT TypedPlace ParsePlace(std::wstring_view text);

/// The point as the status line gives it: "52.52° N, 13.40° E".
GRIDUI_EXPORT std::wstring DescribePlace(GeoPoint point);

} // namespace gridui
