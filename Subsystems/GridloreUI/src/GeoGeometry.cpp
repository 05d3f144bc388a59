#include "gridui/GeoGeometry.h"

#include <cmath>
#include <numbers>

namespace gridui {
namespace {

/// The registry's bounds are rounded to a few decimals: an area that ends where another
/// ends must still hold it.
constexpr double Tolerance = 1e-9;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

/// Degrees eastwards from `from` to `to`, 0 to under 360.
double EastwardsFrom(double from, double to) {
    double offset = std::fmod(to - from, 360.0);
    if (offset < 0.0) {
        offset += 360.0;
    }
    return offset > 360.0 - Tolerance ? 0.0 : offset;
}

} // namespace

bool IsKnownArea(GeoArea const& area) {
    return !std::isnan(area.west) && !std::isnan(area.south) && !std::isnan(area.east) &&
           !std::isnan(area.north);
}

GeoArea AreaAt(GeoPoint point) {
    return {point.longitude, point.latitude, point.longitude, point.latitude};
}

double LongitudeSpan(GeoArea const& area) {
    double const span = area.east - area.west;
    return span < 0.0 ? span + 360.0 : std::fmin(span, 360.0);
}

bool Holds(GeoArea const& area, GeoPoint point) {
    return Holds(area, AreaAt(point));
}

bool Holds(GeoArea const& outer, GeoArea const& inner) {
    if (!IsKnownArea(outer) || !IsKnownArea(inner)) {
        return false;
    }
    if (inner.south < outer.south - Tolerance || inner.north > outer.north + Tolerance) {
        return false;
    }
    double const outerSpan = LongitudeSpan(outer);
    if (outerSpan >= 360.0 - Tolerance) {
        return true;
    }
    return EastwardsFrom(outer.west, inner.west) + LongitudeSpan(inner) <= outerSpan + Tolerance;
}

double SphericalSize(GeoArea const& area) {
    return Radians(LongitudeSpan(area)) *
           (std::sin(Radians(area.north)) - std::sin(Radians(area.south)));
}

} // namespace gridui
