// The browser's commands on real windows: a loaded file, added to and removed from the
// favourites.
#include "WxBrowserTest.h"

#include "gridlore/CoordinateSystemCollection.h"
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

TEST_F(WxBrowserTest, a_loaded_file_is_selected_under_custom_and_goes_in_and_out_of_favourites) {
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

        user.Click(res::AddToFavorites);
        platform::TreeItem const favorite =
            wxbrowser::FindBelow(tree, wxbrowser::FindRoot(tree, L"Favorites"), L"Quay");
        ASSERT_TRUE(favorite);
        EXPECT_EQ(SelectedText(user), L"Quay");
        EXPECT_EQ(wxbrowser::RootText(tree, tree.GetSelectedItem()), L"Custom");
        EXPECT_EQ(Gridlore::CoordinateSystemCollection::Load(m_favoritesPath).size(), 1U);

        user.Select(res::Tree, favorite);
        EXPECT_TRUE(user.GetDialog().GetDlgItem(res::Remove).IsWindowEnabled());
        wxbrowser::SaveScreenshot(user, "browser-favourite-added.png");
        user.Click(res::Remove);
        EXPECT_FALSE(wxbrowser::FindBelow(tree, wxbrowser::FindRoot(tree, L"Favorites"), L"Quay"));
        // The only favourite gone, its node is left selected: nothing to remove or accept.
        EXPECT_EQ(SelectedText(user), L"Favorites");
        EXPECT_FALSE(user.GetDialog().GetDlgItem(res::Remove).IsWindowEnabled());
        EXPECT_FALSE(user.GetDialog().GetDlgItem(platform::IDOK).IsWindowEnabled());
        EXPECT_EQ(Gridlore::CoordinateSystemCollection::Load(m_favoritesPath).size(), 0U);
        wxbrowser::SaveScreenshot(user, "browser-favourite-removed.png");

        user.Select(res::Tree,
                    wxbrowser::FindBelow(tree, wxbrowser::FindRoot(tree, L"Custom"), L"Quay"));
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
