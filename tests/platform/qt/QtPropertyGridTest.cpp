// The Qt property grid as a user leaves a cell for another: the toolkit's own commit.
#include "../DialogScene.h"

#include <string>
#include <vector>

namespace {
class QtPropertyGrid : public DialogScene {};
} // namespace

TEST_F(QtPropertyGrid, an_editor_left_for_another_row_commits_what_fits_and_drops_the_rest) {
    Play([&](platform::User& user) {
        user.ClickProperty(testdialog::Grid, L"Scale");
        user.Type(testdialog::Grid, L"0.5");
        m_dialog.log.clear();
        user.ClickProperty(testdialog::Grid, L"Zone");
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"PropertyChanged 1010 Scale 0.5"}));
        EXPECT_EQ(m_dialog.scale->GetValue(), platform::Variant(0.5));

        // No whole number: the row keeps its value, and nobody hears of a change.
        user.Type(testdialog::Grid, L"many");
        user.ClickProperty(testdialog::Grid, L"Scale");
        EXPECT_EQ(m_dialog.log.size(), 1U);
        EXPECT_EQ(m_dialog.grid.FindItemByData(4)->GetValue(), platform::Variant(33));
    });
}

TEST_F(QtPropertyGrid, a_pick_whose_handler_refills_the_grid_leaves_its_editor_behind) {
    Play([&](platform::User& user) {
        m_dialog.refillOnPick = true;
        user.ClickProperty(testdialog::Grid, L"Linear Units|Name");
        m_dialog.log.clear();
        // The pick is committed from inside the list's own key handling, which the refill
        // takes the list away from.
        user.Type(testdialog::Grid, L"fe");
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"PropertyChanged 1010 Name Feet"}));
        EXPECT_EQ(m_dialog.grid.GetPropertyCount(), 2);
        user.Idle();
        user.EditProperty(testdialog::Grid, L"Band", L"S");
        EXPECT_EQ(m_dialog.log.back(), L"PropertyChanged 1010 Band S");
    });
}
