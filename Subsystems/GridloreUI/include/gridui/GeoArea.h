// gridui::GeoPoint and gridui::GeoArea: places on the earth in degrees, as a host gives
// the extent of its data and as the browser shows where a system is meant to be used.
#pragma once

#include "gridui/Export.h"

namespace gridui {

/// A point on the earth.
struct GRIDUI_EXPORT GeoPoint {
    double longitude = 0.0; ///< Degrees east, -180 to 180.
    double latitude = 0.0;  ///< Degrees north, -90 to 90.
};

/// A longitude/latitude rectangle. `west` greater than `east` crosses the antimeridian,
/// as the registry gives the areas of the Pacific's systems.
struct GRIDUI_EXPORT GeoArea {
    double west = 0.0;  ///< Longitude of the western edge, in degrees east.
    double south = 0.0; ///< Latitude of the southern edge, in degrees north.
    double east = 0.0;  ///< Longitude of the eastern edge, in degrees east.
    double north = 0.0; ///< Latitude of the northern edge, in degrees north.
};

} // namespace gridui
