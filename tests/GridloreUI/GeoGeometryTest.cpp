#include "gridui/GeoGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using gridui::GeoArea;
using gridui::GeoPoint;
using gridui::Holds;

namespace {

GeoArea const Germany{5.87, 47.27, 15.04, 55.09};
/// The registry's way of writing an area across the antimeridian: west above east.
GeoArea const Chatham{-177.25, -44.64, -175.54, -43.3};
GeoArea const Fiji{176.81, -20.81, -178.15, -12.42};
GeoArea const World{-180, -90, 180, 90};

} // namespace

TEST(GeoGeometry, an_area_holds_its_points_also_across_the_antimeridian) {
    EXPECT_TRUE(Holds(Germany, GeoPoint{13.4, 52.52}));
    EXPECT_TRUE(Holds(Germany, GeoPoint{5.87, 47.27}));
    EXPECT_FALSE(Holds(Germany, GeoPoint{13.4, 56.0}));
    EXPECT_FALSE(Holds(Germany, GeoPoint{-13.4, 52.52}));

    EXPECT_TRUE(Holds(Fiji, GeoPoint{178.4, -18.1}));
    EXPECT_TRUE(Holds(Fiji, GeoPoint{-179.0, -16.0}));
    EXPECT_TRUE(Holds(Fiji, GeoPoint{180.0, -16.0}));
    EXPECT_TRUE(Holds(Fiji, GeoPoint{-180.0, -16.0}));
    EXPECT_FALSE(Holds(Fiji, GeoPoint{0.0, -16.0}));
    EXPECT_FALSE(Holds(Fiji, GeoPoint{-170.0, -16.0}));

    EXPECT_TRUE(Holds(World, GeoPoint{-179.9, -89.9}));
    double const unknown = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(Holds(GeoArea{unknown, unknown, unknown, unknown}, GeoPoint{0, 0}));
}

TEST(GeoGeometry, an_area_holds_another_only_whole) {
    EXPECT_TRUE(Holds(Germany, GeoArea{12, 51, 14, 53}));
    EXPECT_TRUE(Holds(Germany, Germany));
    EXPECT_FALSE(Holds(Germany, GeoArea{12, 51, 16, 53}));
    EXPECT_FALSE(Holds(Germany, GeoArea{12, 46, 14, 53}));
    EXPECT_TRUE(Holds(World, Fiji));
    EXPECT_FALSE(Holds(Germany, World));

    // Across the antimeridian: a piece on either side, or over it.
    EXPECT_TRUE(Holds(Fiji, GeoArea{177, -19, 179, -17}));
    EXPECT_TRUE(Holds(Fiji, GeoArea{-179.5, -19, -179, -17}));
    EXPECT_TRUE(Holds(Fiji, GeoArea{179, -19, -179, -17}));
    EXPECT_FALSE(Holds(Fiji, GeoArea{179, -19, -177, -17}));
    EXPECT_FALSE(Holds(Fiji, GeoArea{-179, -19, 179, -17}));
    EXPECT_FALSE(Holds(Chatham, Fiji));
    EXPECT_TRUE(Holds(GeoArea{170, -50, -170, 0}, Chatham));
}

TEST(GeoGeometry, sizes_rank_areas_by_their_true_surface) {
    EXPECT_NEAR(gridui::SphericalSize(World), 4 * std::numbers::pi, 1e-12);
    EXPECT_NEAR(gridui::LongitudeSpan(Fiji), 360.0 - 176.81 - 178.15, 1e-9);
    // The same box of degrees is smaller near the pole than at the equator.
    EXPECT_LT(gridui::SphericalSize(GeoArea{0, 70, 10, 80}),
              gridui::SphericalSize(GeoArea{0, 0, 10, 10}) / 2);
    EXPECT_LT(gridui::SphericalSize(Chatham), gridui::SphericalSize(Fiji));
    EXPECT_LT(gridui::SphericalSize(Fiji), gridui::SphericalSize(Germany));
    EXPECT_DOUBLE_EQ(gridui::SphericalSize(gridui::AreaAt(GeoPoint{13.4, 52.5})), 0.0);
}
