#include "SystemsForArea.h"

#include "gridui/GeoGeometry.h"
#include "kor/SystemList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

using gridui::GeoArea;
using gridui::SystemsForArea;

namespace {

std::vector<int> CodesOf(std::vector<int> const& positions) {
    std::vector<int> codes;
    codes.reserve(positions.size());
    for (int const position : positions) {
        codes.push_back(kor::KORKnownSystemsList.EnumPOSC(position));
    }
    return codes;
}

std::ptrdiff_t RankOf(std::vector<int> const& codes, int code) {
    auto const found = std::find(codes.begin(), codes.end(), code);
    return found == codes.end() ? -1 : found - codes.begin();
}

bool IsWorldWide(int position) {
    GeoArea const area = gridui::BoundsOf(*kor::KORKnownSystemsList.EnumEntry(position));
    return gridui::SphericalSize(area) > 4 * std::numbers::pi * 0.99;
}

} // namespace

TEST(SystemsForAreaRegistry, a_place_in_berlin_lists_german_systems_before_any_world_system) {
    std::vector<int> const positions = SystemsForArea(gridui::AreaAt({13.40, 52.52}));
    std::vector<int> const codes = CodesOf(positions);
    std::ptrdiff_t const utm33 = RankOf(codes, 25833);        // ETRS89 / UTM zone 33N
    std::ptrdiff_t const gaussKruger4 = RankOf(codes, 31468); // DHDN / 3-degree GK zone 4
    std::ptrdiff_t const wgs84 = RankOf(codes, 4326);
    ASSERT_GE(utm33, 0);
    ASSERT_GE(gaussKruger4, 0);
    ASSERT_GE(wgs84, 0);
    auto const firstWorld = std::find_if(positions.begin(), positions.end(), IsWorldWide);
    ASSERT_NE(firstWorld, positions.end());
    EXPECT_LT(std::min(utm33, gaussKruger4), firstWorld - positions.begin());
    // Ranked by size all through, and every one holds the place.
    for (std::size_t i = 0; i < positions.size(); ++i) {
        GeoArea const area = gridui::BoundsOf(*kor::KORKnownSystemsList.EnumEntry(positions[i]));
        EXPECT_TRUE(gridui::Holds(area, gridui::GeoPoint{13.40, 52.52})) << codes[i];
        if (i > 0) {
            GeoArea const before =
                gridui::BoundsOf(*kor::KORKnownSystemsList.EnumEntry(positions[i - 1]));
            EXPECT_LE(gridui::SphericalSize(before), gridui::SphericalSize(area)) << codes[i];
        }
    }
    // A system for elsewhere is never offered.
    EXPECT_EQ(RankOf(codes, 27700), -1);
    EXPECT_EQ(RankOf(codes, 32632), -1);
}

TEST(SystemsForAreaRegistry,
     an_area_over_great_britain_puts_the_national_grid_among_the_first_three) {
    std::vector<int> const codes = CodesOf(SystemsForArea(GeoArea{-5.7, 50.0, 1.7, 58.6}));
    std::ptrdiff_t const rank = RankOf(codes, 27700);
    EXPECT_GE(rank, 0);
    EXPECT_LT(rank, 3);
    // The whole of Great Britain is too wide for one UTM zone.
    EXPECT_EQ(RankOf(codes, 32630), -1);
    EXPECT_GE(RankOf(codes, 4326), 3);
}

TEST(SystemsForAreaRegistry, a_place_across_the_antimeridian_finds_the_systems_of_that_side) {
    std::vector<int> const chatham = CodesOf(SystemsForArea(gridui::AreaAt({-176.5, -44.0})));
    // NZGD2000 / Chatham Islands TM 2000, beside the islands' older grids.
    EXPECT_GE(RankOf(chatham, 3793), 0);
    EXPECT_LT(RankOf(chatham, 3793), 3);
    EXPECT_EQ(RankOf(chatham, 3460), -1);
    std::vector<int> const fiji = CodesOf(SystemsForArea(gridui::AreaAt({179.9, -17.0})));
    EXPECT_GE(RankOf(fiji, 3460), 0); // Fiji 1986 / Fiji Map Grid
    EXPECT_EQ(RankOf(fiji, 3793), -1);
}
