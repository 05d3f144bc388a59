// kor::AreaBox: a rectangle of longitudes and latitudes, and how far a point lies outside it.
#pragma once

#include <optional>

namespace kor {

/// Degrees; west may exceed east when the box crosses the antimeridian.
struct AreaBox {
    double west;
    double south;
    double east;
    double north;

    bool Contains(double longitude, double latitude) const;
};

struct DistanceOutside {
    /// Meters on the WGS 84 ellipsoid to the nearest point of the box's edge.
    double meters;
    /// "north", "south-east", ...: where the point lies seen from the box.
    wchar_t const* direction;
};

/// Nothing when the point lies inside `box`.
std::optional<DistanceOutside> DistanceOutsideOf(AreaBox const& box, double longitude,
                                                 double latitude);

} // namespace kor
