#include "BrowserTest.h"

#include "gridui/CRSPage.h"
#include "platform/PropertySheet.h"

#include <gtest/gtest.h>

using namespace browsertest;

using BrowserPage = BrowserTest;

TEST_F(BrowserPage, a_page_lists_nothing_in_use_and_leaves_choosing_and_closing_to_its_sheet) {
    Favorites().push_back(Utm33());
    m_options.keepSearchHistoryOnCancel = true;
    m_options.showAreaMap = true;
    std::wstring chosen;
    for (int const closing : {platform::IDCANCEL, platform::IDOK}) {
        SCOPED_TRACE(closing);
        gridui::CRSPage page(Utm33(), m_favoritesPath, m_sink);
        page.SetOptions(m_options);
        platform::PropertySheet sheet(L"Layer properties", nullptr);
        sheet.AddPage(page);
        m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
            EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Predefined", L"Favorites"}));
            EXPECT_TRUE(user.GetDialog().HasDlgItem(res::AreaMap)) << "the host's options apply";
            for (int const id : {platform::IDOK, platform::IDCANCEL}) {
                EXPECT_FALSE(Visible(user, id)) << id;
                EXPECT_FALSE(Enabled(user, id)) << id;
            }
            // A double click chooses but never closes.
            user.DoubleClickItem(
                res::Tree, user.FindTreeItem(res::Tree, L"Predefined|Geographic|World|WGS 84"));
            EXPECT_EQ(SelectedPath(user), L"Predefined|Geographic|World|WGS 84");
            // Enter in the search box searches instead of pressing the sheet's OK.
            Search(user, L"Projected");
            EXPECT_EQ(Status(user), L"1 of 9 items shown");
            user.Click(closing);
        });
        EXPECT_EQ(sheet.DoModal(), closing);
        // The sheet's Cancel keeps the search as the host asked.
        EXPECT_EQ(m_backend.Settings().GetString(L"Settings\\CRSSearchHistory", L"Search0", L""),
                  L"Projected");
        chosen = page.CurrentCoordinateSystem().GetLeafName();
    }
    EXPECT_EQ(chosen, L"WGS 84 [EPSG:4326]") << "chosen on the sheet's OK";
}
