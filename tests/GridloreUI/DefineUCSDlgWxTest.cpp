// The local-system dialog on real windows, with the registry's units.
#include "PropertyRows.h"
#include "WxBrowserTest.h"

#include "gridui/DefineUCSDlg.h"
#include "gridui/ResourceIds.h"
#include "kor/LinearUnitList.h"
#include "kor/UCSDef.h"

namespace {

namespace res = gridui::res;
using wxbrowser::WxBrowserTest;

std::wstring Row(platform::User& user, std::wstring const& path) {
    return propertyrows::Text(user, res::LocalGrid, path);
}

// What the headless scenarios check is left to them; here, the registry's own unit names,
// where the grid lands and Enter in a cell, on real windows.
TEST_F(WxBrowserTest, local_system_dialog_takes_a_registry_unit_in_a_grid_at_its_placeholder) {
    kor::UCSDef site(1.0, 100.0, 200.0, nullptr);
    site.SetName(L"Site grid");
    int const foot = kor::KORKnownLinearUnitsList.FindByDivider(1.0 / 0.3048, 1e-9);
    ASSERT_GE(foot, 0) << "the registry has no international foot";
    std::wstring const feet = kor::KORKnownLinearUnitsList.EnumNamePlural(foot);

    gridui::DefineUCSDlg dialog(Gridlore::CoordinateSystem(site), m_sink, nullptr);
    m_driver.OnDialog(res::LocalSystemDialog, [&](platform::User& user) {
        wxbrowser::SaveScreenshot(user, "local-system-open.png");
        user.EditProperty(res::LocalGrid, L"Linear Units|Name", feet);
        EXPECT_EQ(Row(user, L"Linear Units|Units per meter"), L"3.2808398950131");
        EXPECT_EQ(propertyrows::Units(user, res::LocalGrid, L"X Offset"), feet);
        platform::Rect const grid = wxbrowser::ClientRect(user, res::LocalGrid);
        platform::Rect const place = wxbrowser::ClientRect(user, res::LocalGridPlaceholder);
        EXPECT_EQ(grid.left, place.left);
        EXPECT_EQ(grid.top, place.top);
        wxbrowser::SaveScreenshot(user, "local-system-feet.png");
        // Enter ends the cell's edit and keeps the dialog open; the next one is OK.
        user.ClickProperty(res::LocalGrid, L"X Offset");
        user.Type(res::LocalGrid, L"150.5");
        user.PressKey(res::LocalGrid, platform::KeyReturn);
        EXPECT_EQ(Row(user, L"X Offset"), L"150.5");
        user.PressKey(res::LocalGrid, platform::KeyReturn);
    });
    ASSERT_EQ(dialog.DoModal(), platform::IDOK);
    auto const& result =
        dynamic_cast<kor::UCSDef const&>(*dialog.CurrentCoordinateSystem()->GetCSDef());
    EXPECT_DOUBLE_EQ(result.GetLinearScale(), 1.0 / 0.3048);
    EXPECT_DOUBLE_EQ(result.GetOrigin().x, 150.5 * 0.3048);
}

} // namespace
