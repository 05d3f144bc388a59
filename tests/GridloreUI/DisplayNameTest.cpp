#include "DisplayName.h"

#include <gtest/gtest.h>

using gridui::DisplayName;
using gridui::EditedName;

TEST(DisplayName, names_lose_their_authority_tag_but_keep_the_edited_marker_last) {
    EXPECT_EQ(DisplayName(L"Old grid [EPSG:32633] (edited)"), L"Old grid (edited)");
    EXPECT_EQ(DisplayName(L"Old grid [EPSG:32633]"), L"Old grid");
    EXPECT_EQ(DisplayName(L"Old grid (edited)"), L"Old grid (edited)");
    // The marker is matched exactly: another case is part of the name.
    EXPECT_EQ(DisplayName(L"Old grid (Edited)"), L"Old grid (Edited)");
}

TEST(DisplayName, a_derived_system_is_offered_marked_edited_once_and_no_name_stays_empty) {
    EXPECT_EQ(EditedName(L"WGS 84 / UTM zone 33N [EPSG:32633]"), L"WGS 84 / UTM zone 33N (edited)");
    EXPECT_EQ(EditedName(L"Site grid [EPSG:1] (edited)"), L"Site grid (edited)");
    EXPECT_EQ(EditedName(L"Site grid (edited)"), L"Site grid (edited)");
    EXPECT_EQ(EditedName(L""), L"");
    EXPECT_EQ(EditedName(L" (edited)"), L" (edited)");
}
