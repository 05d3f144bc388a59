#include "shrgui/ResizeMap.h"

#include "shr/Exception.h"

#include <gtest/gtest.h>

#include <cstdlib>

using platform::Rect;
using namespace shrgui;

TEST(ResizeMap, single_rows_size_the_far_edge_and_move_both_edges) {
    ResizeMapEntry const map[] = {
        {1, ResizeSizeX}, {2, ResizeMoveX | ResizeMoveY}, {3, ResizeSizeY | ResizeMoveX}, {4, 0},
        ResizeMapEnd,
    };
    std::map<int, Rect> const cached{{1, {10, 10, 110, 30}},
                                     {2, {200, 300, 250, 320}},
                                     {3, {120, 10, 180, 200}},
                                     {4, {5, 5, 9, 9}}};
    auto const layout = ComputeResizeLayout(map, cached, {40, 25});
    EXPECT_EQ(layout.at(1), (Rect{10, 10, 150, 30}));
    EXPECT_EQ(layout.at(2), (Rect{240, 325, 290, 345}));
    EXPECT_EQ(layout.at(3), (Rect{160, 10, 220, 225}));
    EXPECT_EQ(layout.at(4), cached.at(4));
    // Shrinking back below the initial size runs the same arithmetic the other way.
    EXPECT_EQ(ComputeResizeLayout(map, cached, {-10, 0}).at(1), (Rect{10, 10, 100, 30}));
}

TEST(ResizeMap, a_group_shares_growth_by_size_and_keeps_its_gaps) {
    ResizeMapEntry const map[] = {
        {-1, ResizeBeginGroup}, {1, ResizeSizeY}, {2, ResizeMoveY}, {3, ResizeSizeY},
        {-1, ResizeEndGroup},   {1, ResizeSizeX}, ResizeMapEnd,
    };
    // A 300-high list, a 20-high label, a 100-high box, 10-pixel gaps between them.
    std::map<int, Rect> const cached{
        {1, {0, 0, 100, 300}}, {2, {0, 310, 100, 330}}, {3, {0, 340, 100, 440}}};
    auto const layout = ComputeResizeLayout(map, cached, {50, 80});
    EXPECT_EQ(layout.at(1), (Rect{0, 0, 150, 360}));
    EXPECT_EQ(layout.at(2), (Rect{0, 370, 100, 390}));
    EXPECT_EQ(layout.at(3), (Rect{0, 400, 100, 520}));

    // Odd growth still adds up exactly.
    auto const odd = ComputeResizeLayout(map, cached, {0, 7});
    EXPECT_EQ(odd.at(3).bottom, 447);
    EXPECT_EQ(odd.at(1).Height() + odd.at(3).Height(), 407);
}

TEST(ResizeMap, members_nested_in_a_group_member_keep_their_margins_and_stay_inside_it) {
    // Two boxes of 140 with a 6 gap; each holds a list, the lower one also a combo above
    // its list and a note at its bottom that only moves.
    ResizeMapEntry const map[] = {
        {-1, ResizeBeginGroup}, {1, ResizeSizeY},     {2, ResizeSizeY},
        {3, ResizeSizeY},       {4, ResizeSizeY},     {5, ResizeSizeY},
        {6, ResizeMoveY},       {-1, ResizeEndGroup}, ResizeMapEnd,
    };
    std::map<int, Rect> const cached{{1, {0, 27, 200, 167}},  {2, {7, 54, 190, 162}},
                                     {3, {7, 184, 190, 196}}, {4, {0, 173, 200, 313}},
                                     {5, {7, 200, 190, 290}}, {6, {7, 295, 190, 308}}};
    for (int const growth : {100, 31, 0, -20}) {
        SCOPED_TRACE(growth);
        auto const layout = ComputeResizeLayout(map, cached, {0, growth});
        Rect const upper = layout.at(1);
        Rect const lower = layout.at(4);
        EXPECT_EQ(upper.top, 27);
        EXPECT_EQ(lower.top - upper.bottom, 6);
        EXPECT_EQ(upper.Height() + lower.Height(), 280 + growth);
        EXPECT_LE(std::abs(upper.Height() - lower.Height()), 1);
        // Each list keeps its margins to its box, so it stays inside whatever the size.
        EXPECT_EQ(layout.at(2).top - upper.top, 27);
        EXPECT_EQ(upper.bottom - layout.at(2).bottom, 5);
        EXPECT_EQ(layout.at(5).top - lower.top, 27);
        EXPECT_EQ(lower.bottom - layout.at(5).bottom, 23);
        EXPECT_EQ(layout.at(3).top - lower.top, 11);
        EXPECT_EQ(lower.bottom - layout.at(6).bottom, 5);
        EXPECT_EQ(layout.at(6).Height(), 13);
    }
}

TEST(ResizeMap, malformed_maps_raise_internal_errors) {
    std::map<int, Rect> const cached{{1, {0, 0, 10, 10}}};
    ResizeMapEntry const open[] = {{-1, ResizeBeginGroup}, {1, ResizeSizeY}, ResizeMapEnd};
    ResizeMapEntry const nested[] = {{-1, ResizeBeginGroup}, {-1, ResizeBeginGroup}, ResizeMapEnd};
    ResizeMapEntry const unknown[] = {{2, ResizeSizeX}, ResizeMapEnd};
    EXPECT_THROW(ComputeResizeLayout(open, cached, {1, 1}), shr::Exception);
    EXPECT_THROW(ComputeResizeLayout(nested, cached, {1, 1}), shr::Exception);
    try {
        ComputeResizeLayout(unknown, cached, {1, 1});
        ADD_FAILURE() << "a row for an unknown control was accepted";
    } catch (shr::Exception const& error) {
        EXPECT_NE(error.message.find(L"names control 2"), std::wstring::npos);
        EXPECT_EQ(error.module, L"shrgui");
    }
    EXPECT_EQ(ResizeMapControls(unknown), std::vector<int>{2});
}
