// The worksheet-conversion dialog on real windows, with the browser nested in it.
#include "RecordingErrorSink.h"
#include "TestWorksheet.h"
#include "WxBrowserTest.h"

#include "gridui/CRSConvertWksDlg.h"
#include "gridui/ResourceIds.h"

namespace {

namespace res = gridui::res;
using wxbrowser::WxBrowserTest;

TEST_F(WxBrowserTest, worksheet_dialog_takes_picked_columns_and_a_target_system_from_the_browser) {
    TestWorksheet sheet(4, m_favoritesPath, m_sink);
    sheet.m_sourceCols = {0, 1};
    sheet.m_sourceCS = wxbrowser::Registry(L"EPSG:4326");
    sheet.m_destCS = wxbrowser::Registry(L"EPSG:4326");

    m_driver.OnDialog(res::ConvertWksDialog, [&](platform::User& user) {
        platform::Dialog& dialog = user.GetDialog();
        wxbrowser::SaveScreenshot(user, "worksheet-open.png");

        user.Pick(res::DstXCombo, L"C");
        user.Pick(res::DstYCombo, L"D");
        user.Click(res::DstCSButton);
        EXPECT_EQ(wxbrowser::CodeOf(sheet.m_destCS), 32633);
        // The whole name, its code and closing bracket included.
        EXPECT_TRUE(wxbrowser::ShowsTextWhole(user, res::DstCSEdit));
        wxbrowser::SaveScreenshot(user, "worksheet-filled.png");

        user.Type(res::DstYCombo, L"Q!");
        user.Click(platform::IDOK);
        EXPECT_TRUE(dialog.GetDlgItem(res::DstYCombo).HasFocus());
        user.Type(res::DstYCombo, L"D");
        user.Click(platform::IDOK);
    });
    m_driver.OnDialog(res::BrowserDialog, [](platform::User& user) {
        wxbrowser::Search(user, L"32633");
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        platform::TreeItem const utm = wxbrowser::FindBelow(
            tree, wxbrowser::FindRoot(tree, L"Predefined"), L"WGS 84 / UTM zone 33N");
        ASSERT_TRUE(utm);
        user.Select(res::Tree, utm);
        user.Click(platform::IDOK);
    });

    RecordingErrorSink told;
    gridui::CRSConvertWksDlg dialog(sheet, told, nullptr);
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(sheet.GetDestCols(), std::make_pair(2, 3));
    EXPECT_EQ(told.reports.size(), 1U);
}

} // namespace
