#include "AreaDistance.h"

#include <geodesic.h>
#include <gtest/gtest.h>

#include <string>

using kor::AreaBox;
using kor::DistanceOutsideOf;

namespace {

double Geodesic(double longitude1, double latitude1, double longitude2, double latitude2) {
    geod_geodesic wgs84;
    geod_init(&wgs84, 6378137.0, 1.0 / 298.257223563);
    double meters = 0.0;
    geod_inverse(&wgs84, latitude1, longitude1, latitude2, longitude2, &meters, nullptr, nullptr);
    return meters;
}

} // namespace

TEST(AreaDistance, tells_how_far_and_which_way_a_point_lies_from_the_nearest_edge) {
    AreaBox const zone{6.0, 38.76, 12.0, 84.33};
    EXPECT_FALSE(DistanceOutsideOf(zone, 9.0, 50.0)) << "inside";
    EXPECT_FALSE(DistanceOutsideOf(zone, 12.0, 84.33)) << "on the corner counts as inside";

    // Due east: the nearest point of the edge is a little nearer the pole than the
    // point, so the way there is a little shorter than along the parallel.
    auto const east = DistanceOutsideOf(zone, 15.0, 55.0);
    ASSERT_TRUE(east);
    EXPECT_EQ(std::wstring(east->direction), L"east");
    double const alongParallel = Geodesic(15.0, 55.0, 12.0, 55.0);
    EXPECT_LT(east->meters, alongParallel);
    EXPECT_GT(east->meters, alongParallel * 0.995);

    auto const west = DistanceOutsideOf(zone, 5.0, 47.0);
    ASSERT_TRUE(west);
    EXPECT_EQ(std::wstring(west->direction), L"west");
    EXPECT_NEAR(west->meters, Geodesic(5.0, 47.0, 6.0, 47.0), 200.0);

    // Above the box, the nearest point is straight south on the same meridian.
    auto const north = DistanceOutsideOf(AreaBox{6.0, 47.0, 12.0, 55.0}, 9.0, 56.0);
    ASSERT_TRUE(north);
    EXPECT_EQ(std::wstring(north->direction), L"north");
    EXPECT_NEAR(north->meters, Geodesic(9.0, 56.0, 9.0, 55.0), 0.01);

    // Beyond a corner, the corner is the nearest point.
    auto const corner = DistanceOutsideOf(AreaBox{6.0, 47.0, 12.0, 55.0}, 4.0, 45.0);
    ASSERT_TRUE(corner);
    EXPECT_EQ(std::wstring(corner->direction), L"south-west");
    EXPECT_NEAR(corner->meters, Geodesic(4.0, 45.0, 6.0, 47.0), 0.01);
}

TEST(AreaDistance, a_box_across_the_antimeridian_measures_across_it) {
    AreaBox const pacific{170.0, -50.0, -170.0, -30.0};
    EXPECT_FALSE(DistanceOutsideOf(pacific, 179.5, -40.0));
    EXPECT_FALSE(DistanceOutsideOf(pacific, -175.0, -40.0));
    auto const beyond = DistanceOutsideOf(pacific, -169.0, -40.0);
    ASSERT_TRUE(beyond);
    EXPECT_EQ(std::wstring(beyond->direction), L"east");
    EXPECT_LT(beyond->meters, 90000.0) << "one degree east of the edge, not 339 degrees west";
    auto const before = DistanceOutsideOf(pacific, 168.0, -40.0);
    ASSERT_TRUE(before);
    EXPECT_EQ(std::wstring(before->direction), L"west");
}
