// The Qt property grid as a user leaves a cell for another: the toolkit's own commit.
#include "../BackendUnderTest.h"
#include "../TestDialog.h"

#include "platform/Driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(QtPropertyGrid, an_editor_left_for_another_row_commits_what_fits_and_drops_the_rest) {
    platform::BackendScope const backend{BackendUnderTest()};
    testdialog::Resources const resources;
    platform::Driver driver;
    platform::DriverScope const driverScope{driver};
    testdialog::TestDialog dialog;
    driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        user.ClickProperty(testdialog::Grid, L"Scale");
        user.Type(testdialog::Grid, L"0.5");
        dialog.log.clear();
        user.ClickProperty(testdialog::Grid, L"Zone");
        EXPECT_EQ(dialog.log, (std::vector<std::wstring>{L"PropertyChanged 1010 Scale 0.5"}));
        EXPECT_EQ(dialog.scale->GetValue(), platform::Variant(0.5));

        // No whole number: the row keeps its value, and nobody hears of a change.
        user.Type(testdialog::Grid, L"many");
        user.ClickProperty(testdialog::Grid, L"Scale");
        EXPECT_EQ(dialog.log.size(), 1U);
        EXPECT_EQ(dialog.grid.FindItemByData(4)->GetValue(), platform::Variant(33));
        user.Close();
    });
    dialog.DoModal();
}
