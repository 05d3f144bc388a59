#include "AreaOfUseMap.h"

#include <gtest/gtest.h>

namespace {

using gridui::AreaOfUseMap;
using gridui::GeoArea;
using platform::Rect;
using platform::Size;

TEST(AreaOfUseMap, the_world_fills_the_surface_at_two_by_one_centred) {
    EXPECT_EQ(AreaOfUseMap::WorldRect(Size{360, 180}), (Rect{0, 0, 360, 180}));
    EXPECT_EQ(AreaOfUseMap::WorldRect(Size{400, 180}), (Rect{20, 0, 380, 180}));
    EXPECT_EQ(AreaOfUseMap::WorldRect(Size{360, 200}), (Rect{0, 10, 360, 190}));
    Rect const world{20, 0, 380, 180};
    EXPECT_EQ(AreaOfUseMap::ToSurface(world, {-180.0, 90.0}), (platform::Point{20, 0}));
    EXPECT_EQ(AreaOfUseMap::ToSurface(world, {180.0, -90.0}), (platform::Point{380, 180}));
    EXPECT_EQ(AreaOfUseMap::ToSurface(world, {-9.0, 61.0}), (platform::Point{191, 29}));
}

TEST(AreaOfUseMap, an_area_across_the_antimeridian_shows_at_both_edges_and_none_vanishes) {
    Rect const world{0, 0, 360, 180};
    EXPECT_EQ(AreaOfUseMap::AreaRects(world, GeoArea{-9.0, 49.75, 2.01, 61.01}),
              (std::vector<Rect>{{171, 29, 182, 40}}));
    // West greater than east: from the west bound to the east edge, then on from the
    // west edge (two pixels wide, widened to three).
    EXPECT_EQ(AreaOfUseMap::AreaRects(world, GeoArea{176.81, -20.81, -178.15, -12.42}),
              (std::vector<Rect>{{357, 102, 360, 111}, {0, 102, 3, 111}}));
    // A city's system still shows, however small, and stays inside the map.
    EXPECT_EQ(AreaOfUseMap::AreaRects(world, GeoArea{13.2, 52.4, 13.6, 52.6}),
              (std::vector<Rect>{{192, 36, 195, 39}}));
    EXPECT_EQ(AreaOfUseMap::AreaRects(world, GeoArea{179.9, -90.0, 180.0, -89.9}),
              (std::vector<Rect>{{357, 177, 360, 180}}));
}

TEST(AreaOfUseMap, the_overlay_holds_area_interest_point_and_note_and_the_base_the_coasts) {
    gridui::Coastlines coastlines;
    coastlines.lines = {{{-10.0, 50.0}, {0.0, 60.0}}, {{100.0, 0.0}, {100.1, 0.05}}};
    AreaOfUseMap map([&]() -> gridui::Coastlines const& { return coastlines; });
    // The world above, the note's strip below.
    Size const size{360, 180 + AreaOfUseMap::NoteHeight};
    EXPECT_EQ(AreaOfUseMap::WorldArea(size), (Size{360, 180}));
    EXPECT_TRUE(map.Overlay(size).rects.empty());
    EXPECT_TRUE(map.Overlay(size).markers.empty());
    EXPECT_TRUE(map.Overlay(size).texts.empty());

    map.SetArea(GeoArea{0.0, 0.0, 10.0, 10.0});
    map.SetAreaOfInterest(GeoArea{170.0, -10.0, -170.0, 10.0});
    map.SetPoint(gridui::GeoPoint{13.4, 52.52});
    map.SetNote(L"No area of use");
    platform::Drawing const overlay = map.Overlay(size);
    ASSERT_EQ(overlay.texts.size(), 1U);
    EXPECT_EQ(overlay.texts[0].text, L"No area of use");
    EXPECT_GE(overlay.texts[0].origin.y, 180);
    ASSERT_EQ(overlay.rects.size(), 3U);
    EXPECT_EQ(overlay.rects[0].rect, (Rect{180, 80, 190, 90}));
    EXPECT_GT(overlay.rects[0].fill.alpha, 0);
    // The area of interest is an outline only, split at the antimeridian.
    EXPECT_EQ(overlay.rects[1].rect, (Rect{350, 80, 360, 100}));
    EXPECT_EQ(overlay.rects[2].rect, (Rect{0, 80, 10, 100}));
    EXPECT_EQ(overlay.rects[1].fill.alpha, 0);
    EXPECT_GT(overlay.rects[1].border.alpha, 0);
    ASSERT_EQ(overlay.markers.size(), 1U);
    EXPECT_EQ(overlay.markers[0].centre, (platform::Point{193, 37}));
    map.SetPoint(std::nullopt);
    map.SetArea(std::nullopt);
    EXPECT_EQ(map.Overlay(size).rects.size(), 2U);
    EXPECT_TRUE(map.Overlay(size).markers.empty());

    // Sixteen graticule lines, every 30 degrees, then the coasts; a shoreline shorter than
    // a pixel is dropped.
    platform::Drawing const base = map.Base(size);
    ASSERT_EQ(base.lines.size(), 17U);
    EXPECT_EQ(base.lines.back().points, (std::vector<platform::Point>{{170, 40}, {180, 30}}));
}

} // namespace
