// The browser as a page of a real property sheet; choosing in it is the headless tests' part.
#include "WxBrowserTest.h"

#include "gridui/CRSPage.h"
#include "gridui/ResourceIds.h"
#include "platform/Dialog.h"
#include "platform/PropertySheet.h"

namespace {

namespace res = gridui::res;
using wxbrowser::WxBrowserTest;

TEST_F(WxBrowserTest, page_hides_its_own_ok_and_cancel_and_the_real_sheet_closes_with_its_system) {
    gridui::CRSPage page(wxbrowser::Registry(L"EPSG:4326"), m_favoritesPath, m_sink);
    platform::PropertySheet sheet(L"Coordinate System", nullptr);
    sheet.AddPage(page);
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        for (platform::ControlId const id : {platform::IDOK, platform::IDCANCEL}) {
            platform::Window& button = user.GetDialog().GetDlgItem(id);
            EXPECT_FALSE(button.IsWindowVisible()) << "button " << id;
            EXPECT_FALSE(button.IsWindowEnabled()) << "button " << id;
        }
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        ASSERT_TRUE(tree.GetSelectedItem());
        EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), L"WGS 84");
        wxbrowser::SaveScreenshot(user, "browser-page.png");
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), platform::IDOK);
    EXPECT_EQ(wxbrowser::CodeOf(page.CurrentCoordinateSystem()), 4326);
}

} // namespace
