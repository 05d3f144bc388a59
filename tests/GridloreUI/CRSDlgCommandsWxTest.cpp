// The browser's commands on real windows: a loaded file, and the boxes and dialogs the
// commands open standing over the browser. Adding to and removing from the favourites is
// the headless scenes' part.
#include "WxBrowserTest.h"

#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "kor/KORDef.h"
#include "korfile/ReferenceFile.h"
#include "platform/Dialog.h"
#include "platform/wx/WxBackend.h"

#include <wx/window.h>

namespace {

namespace res = gridui::res;
using wxbrowser::WxBrowserTest;

std::wstring SelectedText(platform::User& user) {
    platform::TreeCtrl const& tree = wxbrowser::Tree(user);
    platform::TreeItem const selected = tree.GetSelectedItem();
    return selected ? tree.GetItemText(selected) : std::wstring();
}

TEST_F(WxBrowserTest,
       a_loaded_file_is_selected_under_custom_and_what_opens_stands_over_the_browser) {
    std::unique_ptr<kor::CSDef> const quay = wxbrowser::Registry(L"EPSG:32633").GetCSDef()->Clone();
    quay->SetName(L"Quay");
    // Without its code the file names a system of its own, not the registry's.
    dynamic_cast<kor::KORDef&>(*quay).SetPOSC(0);
    std::filesystem::path const prj = m_scratch / "quay.prj";
    korfile::WriteReferenceFile(*quay, korfile::WKT, prj, 0.0, 0.0, true);

    gridui::CRSDialog dialog(wxbrowser::Registry(L"EPSG:4326"), m_favoritesPath, m_sink, nullptr,
                             {});
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        // A box without an owner would open over the browser, not behind it.
        wxWindow const* owner = platform::wx::WxBackend::OwnerFor(nullptr);
        ASSERT_NE(owner, nullptr);
        EXPECT_EQ(owner->GetLabel(), "Assign Coordinate System");

        m_driver.ChooseFile(prj.wstring(), 3);
        user.Click(res::LoadFromFile);
        EXPECT_EQ(SelectedText(user), L"Quay");
        EXPECT_EQ(wxbrowser::RootText(tree, tree.GetSelectedItem()), L"Custom");
        EXPECT_NE(user.GetDialog().GetDlgItemText(res::Description).find(L"Quay"),
                  std::wstring::npos);
        EXPECT_TRUE(user.GetDialog().GetDlgItem(res::AddToFavorites).IsWindowEnabled());
        wxbrowser::SaveScreenshot(user, "browser-loaded-prj.png");

        // A dialog the browser opens stands over it, as a box does.
        m_driver.OnDialog(res::LocalSystemDialog, [](platform::User& local) {
            wxWindow const* shown = platform::wx::WxBackend::OwnerFor(nullptr);
            ASSERT_NE(shown, nullptr);
            ASSERT_NE(shown->GetParent(), nullptr);
            EXPECT_EQ(shown->GetParent()->GetLabel(), "Assign Coordinate System");
            local.Click(platform::IDCANCEL);
        });
        user.Click(res::NewLocal);
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(dialog.CurrentCoordinateSystem().GetLeafName(), L"Quay");
    EXPECT_EQ(m_driver.MessageBoxes().size(), 0U);
}

} // namespace
