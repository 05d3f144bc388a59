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

TEST_F(WxBrowserTest, local_system_dialog_edits_unit_offsets_and_name_and_returns_the_system) {
    kor::UCSDef site(1.0, 100.0, 200.0, nullptr);
    site.SetName(L"Site grid");
    int const foot = kor::KORKnownLinearUnitsList.FindByDivider(1.0 / 0.3048, 1e-9);
    ASSERT_GE(foot, 0) << "the registry has no international foot";
    std::wstring const feet = kor::KORKnownLinearUnitsList.EnumNamePlural(foot);

    gridui::DefineUCSDlg dialog(Gridlore::CoordinateSystem(site), m_sink, nullptr);
    m_driver.OnDialog(res::LocalSystemDialog, [&](platform::User& user) {
        EXPECT_EQ(user.GetDialog().GetWindowText(), L"Define Unreferenced Coordinate System");
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::LocalNameEdit), L"Site grid (edited)");
        EXPECT_EQ(Row(user, L"X Offset"), L"100");
        wxbrowser::SaveScreenshot(user, "local-system-open.png");

        user.EditProperty(res::LocalGrid, L"Linear Units|Name", feet);
        EXPECT_EQ(Row(user, L"Linear Units|Units per meter"), L"3.2808398950131");
        user.EditProperty(res::LocalGrid, L"X Offset", L"328.08398950131");
        user.Type(res::LocalNameEdit, L"Bridge site");
        // The grid sits where the template's placeholder marks it.
        platform::Rect const grid = wxbrowser::ClientRect(user, res::LocalGrid);
        platform::Rect const place = wxbrowser::ClientRect(user, res::LocalGridPlaceholder);
        EXPECT_EQ(grid.left, place.left);
        EXPECT_EQ(grid.top, place.top);
        wxbrowser::SaveScreenshot(user, "local-system-feet.png");

        user.Type(res::LocalNameEdit, L"");
        EXPECT_FALSE(user.GetDialog().GetDlgItem(platform::IDOK).IsWindowEnabled());
        user.Type(res::LocalNameEdit, L"Bridge site");
        user.Click(platform::IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), platform::IDOK);
    auto const& result =
        dynamic_cast<kor::UCSDef const&>(*dialog.CurrentCoordinateSystem()->GetCSDef());
    EXPECT_EQ(result.GetName(), L"Bridge site");
    EXPECT_DOUBLE_EQ(result.GetLinearScale(), 1.0 / 0.3048);
    EXPECT_NEAR(result.GetOrigin().x, 100.0, 1e-9);
    // The shown Y offset stayed 200, now read in feet.
    EXPECT_NEAR(result.GetOrigin().y, 200.0 * 0.3048, 1e-9);
}

} // namespace
