// Geometry of gridui::GeoArea and GeoPoint: what an area holds, and how large it is.
#pragma once

#include "gridui/Export.h"
#include "gridui/GeoArea.h"

namespace gridui {

/// Whether every bound is a number: the registry leaves some areas of use unknown.
GRIDUI_EXPORT bool IsKnownArea(GeoArea const& area);

/// The area of no size at `point`.
GRIDUI_EXPORT GeoArea AreaAt(GeoPoint point);

/// Degrees of longitude from the west bound eastwards to the east bound, 0 to 360; an
/// area whose west bound is greater than its east bound crosses the antimeridian.
GRIDUI_EXPORT double LongitudeSpan(GeoArea const& area);

/// Whether `area` holds the point, its bounds included. Longitudes are compared on the
/// circle, so 180 and -180 are one meridian.
GRIDUI_EXPORT bool Holds(GeoArea const& area, GeoPoint point);

/// Whether `outer` holds the whole of `inner`, bounds included.
GRIDUI_EXPORT bool Holds(GeoArea const& outer, GeoArea const& inner);

/// The area's share of the sphere's surface, in steradians (the whole earth is 4 pi), so
/// that a country far north and one at the equator compare by their true size.
GRIDUI_EXPORT double SphericalSize(GeoArea const& area);

} // namespace gridui
