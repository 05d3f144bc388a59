// The browser dialog on real windows, over the whole registry.
#include "WxBrowserTest.h"

#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "kor/SystemList.h"
#include "platform/Dialog.h"
#include "platform/ToolBar.h"
#include "shr/Utf8.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace res = gridui::res;
using platform::Rect;
using wxbrowser::WxBrowserTest;

TEST_F(WxBrowserTest, dialog_opens_on_its_system_finds_it_by_code_and_returns_the_system_chosen) {
    gridui::CRSDialog dialog(wxbrowser::Registry(L"EPSG:4326"), m_favoritesPath, m_sink, nullptr,
                             {});
    gridui::BrowserOptions options;
    options.steadyStatusLine = true;
    dialog.SetOptions(options);
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        // Placed first: a window manager moves a new window once it has framed it.
        wxbrowser::Settle();
        // What the tree shows at each step is the outline test's part; here, the status
        // line and the layout around it.
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        EXPECT_FALSE(wxbrowser::ReadStatus(user));
        // The search toolbar sits on the search box's line, right-aligned to its
        // placeholder. (GTK's buttons are wider than the placeholder, so the bar reaches a
        // few pixels over the box's right edge.)
        Rect const box = wxbrowser::ClientRect(user, res::SearchBox);
        Rect const bar = wxbrowser::ClientRect(user, platform::ToolBarWindowId);
        Rect const placeholder = wxbrowser::ClientRect(user, res::ToolBarPlaceholder);
        EXPECT_EQ(bar.right, placeholder.right);
        EXPECT_EQ(bar.top, placeholder.top);
        EXPECT_GT(bar.left, box.left + box.Width() / 2);
        EXPECT_LT(bar.top, box.bottom);
        Rect const treeRect = wxbrowser::ClientRect(user, res::Tree);
        wxbrowser::SaveScreenshot(user, "browser-open.png");

        // A code, a name, and a name the registry's query answers with a code (a second pass
        // over the systems) all count the same total and leave the tree in place.
        std::optional<std::uint32_t> total;
        auto const search = [&](wchar_t const* text) {
            SCOPED_TRACE(shr::ToUtf8(text));
            wxbrowser::Search(user, text);
            std::optional<wxbrowser::StatusCount> const count = wxbrowser::ReadStatus(user);
            ASSERT_TRUE(count) << "status line hidden or unreadable after a search";
            // Every known system was considered.
            EXPECT_GE(count->total, static_cast<std::uint32_t>(kor::KORKnownSystemsList.Count()));
            EXPECT_EQ(count->total, total.value_or(count->total));
            total = count->total;
            EXPECT_GE(count->shown, 1U);
            // The line shows between the search box and the tree, overlapping neither.
            Rect const status = wxbrowser::ClientRect(user, res::Status);
            EXPECT_LE(box.bottom, status.top);
            EXPECT_LE(status.bottom, treeRect.top);
            EXPECT_EQ(wxbrowser::ClientRect(user, res::Tree), treeRect);
        };
        // Enter searches; had it pressed OK, the dialog would be gone for what follows.
        search(L"4326");
        // A code keeps a handful.
        EXPECT_LE(wxbrowser::ReadStatus(user).value_or(wxbrowser::StatusCount{}).shown, 10U);
        wxbrowser::SaveScreenshot(user, "browser-search-4326.png");
        search(L"Lambert 93");
        search(L"UTM zone 33");
        platform::TreeItem const utm = wxbrowser::FindBelow(
            tree, wxbrowser::FindRoot(tree, L"Predefined"), L"WGS 84 / UTM zone 33N");
        ASSERT_TRUE(utm);
        std::wstring const before = user.GetDialog().GetDlgItemText(res::Description);
        user.Select(res::Tree, utm);
        EXPECT_NE(user.GetDialog().GetDlgItemText(res::Description), before);
        wxbrowser::SaveScreenshot(user, "browser-search-utm33.png");
        user.ClickToolButton(platform::ToolBarWindowId, res::ClearSearch);
        EXPECT_FALSE(wxbrowser::ReadStatus(user));
        EXPECT_EQ(wxbrowser::ClientRect(user, res::Tree), treeRect);
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(wxbrowser::CodeOf(dialog.CurrentCoordinateSystem()), 32633);
    EXPECT_EQ(dialog.CurrentCoordinateSystem().GetLeafName().find(L"WGS 84 / UTM zone 33N"), 0U);
}

TEST_F(WxBrowserTest, enlarging_the_dialog_widens_the_lists_and_keeps_buttons_and_toolbar_right) {
    gridui::CRSDialog dialog(wxbrowser::Registry(L"EPSG:4326"), m_favoritesPath, m_sink, nullptr,
                             {});
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        // With the status line showing, the tree starts lower: resizing must keep that.
        wxbrowser::Search(user, L"4326");
        ASSERT_TRUE(wxbrowser::ReadStatus(user));
        platform::ControlId const all[] = {res::SearchBox,      platform::ToolBarWindowId,
                                           res::Status,         res::Tree,
                                           res::Description,    res::NewLocal,
                                           res::NewGeographic,  res::Modify,
                                           res::AddToFavorites, res::Remove,
                                           res::LoadFromFile,   res::SaveToFile,
                                           platform::IDOK,      platform::IDCANCEL};
        std::map<platform::ControlId, Rect> before;
        for (platform::ControlId const id : all) {
            before[id] = wxbrowser::ClientRect(user, id);
        }
        Rect const client = user.GetDialog().GetClientRect();
        int const wider = 160;
        int const taller = 120;
        user.Resize({client.Width() + wider, client.Height() + taller});
        Rect const grown = user.GetDialog().GetClientRect();
        ASSERT_EQ(grown.Width(), client.Width() + wider);
        ASSERT_EQ(grown.Height(), client.Height() + taller);
        std::map<platform::ControlId, Rect> after;
        for (platform::ControlId const id : all) {
            after[id] = wxbrowser::ClientRect(user, id);
        }

        for (platform::ControlId const id : {res::SearchBox, res::Tree, res::Description}) {
            EXPECT_EQ(after[id].left, before[id].left) << "control " << id;
            EXPECT_EQ(after[id].Width(), before[id].Width() + wider) << "control " << id;
        }
        EXPECT_EQ(after[res::SearchBox].Height(), before[res::SearchBox].Height());
        EXPECT_EQ(after[res::Tree].top, before[res::Tree].top);
        EXPECT_EQ(after[res::Description].bottom, before[res::Description].bottom + taller);
        int const treeGrowth = after[res::Tree].Height() - before[res::Tree].Height();
        int const descriptionGrowth =
            after[res::Description].Height() - before[res::Description].Height();
        EXPECT_GT(treeGrowth, 0);
        EXPECT_GT(descriptionGrowth, 0);
        EXPECT_EQ(treeGrowth + descriptionGrowth, taller);
        EXPECT_EQ(after[res::Description].top - after[res::Tree].bottom,
                  before[res::Description].top - before[res::Tree].bottom);
        for (platform::ControlId const id : std::initializer_list<platform::ControlId>{
                 platform::ToolBarWindowId, res::NewLocal, res::NewGeographic, res::Modify,
                 res::AddToFavorites, res::Remove, res::LoadFromFile, res::SaveToFile}) {
            EXPECT_EQ(after[id], before[id].Offset(wider, 0)) << "control " << id;
        }
        for (platform::ControlId const id :
             std::initializer_list<platform::ControlId>{platform::IDOK, platform::IDCANCEL}) {
            EXPECT_EQ(after[id], before[id].Offset(wider, taller)) << "control " << id;
        }
        EXPECT_EQ(after[res::Status], before[res::Status]);
        wxbrowser::SaveScreenshot(user, "browser-resized.png");
        user.Close();
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}

// What the area and the place keep is the headless scenes' part; here, where they show.
TEST_F(WxBrowserTest, the_area_toggle_sits_beside_the_search_box_and_a_place_fits_the_status_line) {
    gridui::CRSDialog dialog(wxbrowser::Registry(L"EPSG:4326"), m_favoritesPath, m_sink, nullptr,
                             {});
    gridui::BrowserOptions options;
    options.areaOfInterest = true;
    options.placeSearch = true;
    dialog.SetOptions(options);
    dialog.SetAreaOfInterest({-5.7, 50.0, 1.7, 58.6});
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        auto& bar = dynamic_cast<platform::ToolBar&>(
            user.GetDialog().GetDlgItem(platform::ToolBarWindowId));
        EXPECT_TRUE(bar.IsButtonChecked(res::OnlyForArea));
        // The longer bar leaves the search box whole.
        Rect const box = wxbrowser::ClientRect(user, res::SearchBox);
        EXPECT_LE(box.right, wxbrowser::ClientRect(user, platform::ToolBarWindowId).left);
        EXPECT_GT(box.Width(), 150);
        wxbrowser::Search(user, L"500000 5700000");
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::Status),
                  L"Not a place: a latitude runs from -90 to 90, not 500000");
        // The sentence has the tree's width.
        EXPECT_EQ(wxbrowser::ClientRect(user, res::Status).right,
                  wxbrowser::ClientRect(user, res::Tree).right);
        wxbrowser::SaveScreenshot(user, "browser-not-a-place.png");
        user.Click(platform::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}

} // namespace

TEST_F(WxBrowserTest, the_best_match_is_selected_shown_and_taken_by_enter) {
    gridui::CRSDialog dialog(wxbrowser::SurveyGrid(), m_favoritesPath, m_sink, nullptr, {});
    dialog.SetOptions(gridui::BrowserOptions::AllOn(50));
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        wxbrowser::Search(user, L"utm33");
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        platform::TreeItem const selected = tree.GetSelectedItem();
        ASSERT_TRUE(selected);
        EXPECT_EQ(wxbrowser::RootText(tree, selected), L"Best matches");
        EXPECT_EQ(tree.GetItemText(selected), L"WGS 84 / UTM zone 33N");
        std::optional<Rect> const shown = tree.GetItemRect(selected, true);
        ASSERT_TRUE(shown);
        EXPECT_GE(shown->top, 0) << "scrolled into view";
        EXPECT_LE(shown->bottom, tree.GetClientRect().bottom);
        EXPECT_TRUE(user.GetDialog().GetDlgItem(platform::IDOK).IsWindowEnabled());
        user.PressKey(res::Tree, platform::KeyReturn);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(wxbrowser::CodeOf(dialog.CurrentCoordinateSystem()), 32633);
}
