// gridui::GeoPoint and gridui::GeoArea: places on the earth in degrees, as a host gives
// the extent of its data and as the browser shows where a system is meant to be used.
#pragma once

#include "gridui/Export.h"

namespace gridui {

struct GRIDUI_EXPORT GeoPoint {
    double longitude = 0.0;
    double latitude = 0.0;
};

/// A longitude/latitude rectangle. `west` greater than `east` crosses the antimeridian,
/// as the registry gives the areas of the Pacific's systems.
struct GRIDUI_EXPORT GeoArea {
    double west = 0.0;
    double south = 0.0;
    double east = 0.0;
    double north = 0.0;
};

} // namespace gridui
