#include "AreaDistance.h"

#include <geodesic.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kor {

namespace {

constexpr double Radians = std::numbers::pi / 180.0;

// The difference of two longitudes brought into [-180, 180).
double LongitudeDifference(double from, double to) {
    double const difference = std::fmod(to - from + 540.0, 360.0) - 180.0;
    return difference;
}

double Meters(double longitude1, double latitude1, double longitude2, double latitude2) {
    static geod_geodesic const wgs84 = [] {
        geod_geodesic geodesic;
        geod_init(&geodesic, 6378137.0, 1.0 / 298.257223563);
        return geodesic;
    }();
    double meters = 0.0;
    geod_inverse(&wgs84, latitude1, longitude1, latitude2, longitude2, &meters, nullptr, nullptr);
    return meters;
}

// The nearest point of a meridian edge lies where the great circle through the point
// meets the meridian at a right angle; past the edge's ends it is the nearer corner.
double MetersToMeridianEdge(AreaBox const& box, double edgeLongitude, double longitude,
                            double latitude) {
    double const offset = LongitudeDifference(edgeLongitude, longitude) * Radians;
    double foot = latitude >= 0.0 ? box.north : box.south;
    if (std::cos(offset) > 0.0) {
        foot = std::atan(std::tan(latitude * Radians) / std::cos(offset)) / Radians;
    }
    return Meters(longitude, latitude, edgeLongitude, std::clamp(foot, box.south, box.north));
}

} // namespace

bool AreaBox::Contains(double longitude, double latitude) const {
    if (latitude < south || latitude > north) {
        return false;
    }
    return west <= east ? longitude >= west && longitude <= east
                        : longitude >= west || longitude <= east;
}

std::optional<DistanceOutside> DistanceOutsideOf(AreaBox const& box, double longitude,
                                                 double latitude) {
    if (box.Contains(longitude, latitude)) {
        return std::nullopt;
    }
    wchar_t const* northSouth = latitude > box.north   ? L"north"
                                : latitude < box.south ? L"south"
                                                       : L"";
    bool const withinLongitudes = AreaBox{box.west, -90.0, box.east, 90.0}.Contains(longitude, 0.0);
    if (withinLongitudes) {
        double const edge = latitude > box.north ? box.north : box.south;
        return DistanceOutside{Meters(longitude, latitude, longitude, edge), northSouth};
    }
    // On the same side of the globe the nearer meridian in longitude is the nearer edge.
    bool const east = std::abs(LongitudeDifference(box.east, longitude)) <=
                      std::abs(LongitudeDifference(box.west, longitude));
    double const meters =
        MetersToMeridianEdge(box, east ? box.east : box.west, longitude, latitude);
    static constexpr wchar_t const* Names[3][2] = {
        {L"west", L"east"}, {L"north-west", L"north-east"}, {L"south-west", L"south-east"}};
    int const row = *northSouth == L'n' ? 1 : *northSouth == L's' ? 2 : 0;
    return DistanceOutside{meters, Names[row][east ? 1 : 0]};
}

} // namespace kor
