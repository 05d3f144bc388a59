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

TEST_F(WxBrowserTest, the_status_line_shows_between_search_box_and_tree_with_one_total_per_search) {
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
        // over the systems) all count the same total and leave the tree in place. Enter
        // searches each: had it pressed OK, the dialog would be gone for the next.
        std::optional<std::uint32_t> total;
        for (wchar_t const* text : {L"4326", L"Lambert 93", L"UTM zone 33"}) {
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
        }
        user.ClickToolButton(platform::ToolBarWindowId, res::ClearSearch);
        EXPECT_FALSE(wxbrowser::ReadStatus(user));
        EXPECT_EQ(wxbrowser::ClientRect(user, res::Tree), treeRect);
        user.Close();
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}

TEST_F(WxBrowserTest, enlarging_the_dialog_widens_the_lists_and_keeps_buttons_and_toolbar_right) {
    gridui::CRSDialog dialog(wxbrowser::Registry(L"EPSG:4326"), m_favoritesPath, m_sink, nullptr,
                             {});
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        // With the status line showing, the tree starts lower: resizing must keep that.
        wxbrowser::Search(user, L"4326");
        ASSERT_TRUE(wxbrowser::ReadStatus(user));
        auto const rects = [&user] {
            std::map<platform::ControlId, Rect> placed;
            for (platform::ControlId const id : std::initializer_list<platform::ControlId>{
                     res::SearchBox, platform::ToolBarWindowId, res::Status, res::Tree,
                     res::Description, res::NewLocal, res::NewGeographic, res::Modify,
                     res::AddToFavorites, res::Remove, res::LoadFromFile, res::SaveToFile,
                     platform::IDOK, platform::IDCANCEL}) {
                placed[id] = wxbrowser::ClientRect(user, id);
            }
            return placed;
        };
        std::map<platform::ControlId, Rect> before = rects();
        Rect const client = user.GetDialog().GetClientRect();
        int const wider = 160;
        int const taller = 120;
        user.Resize({client.Width() + wider, client.Height() + taller});
        ASSERT_EQ(user.GetDialog().GetClientRect().Width(), client.Width() + wider);
        ASSERT_EQ(user.GetDialog().GetClientRect().Height(), client.Height() + taller);
        std::map<platform::ControlId, Rect> after = rects();

        // The lists take the new width and share the new height, the gap between them kept.
        for (platform::ControlId const id : {res::Tree, res::Description}) {
            EXPECT_EQ(after[id].left, before[id].left) << "control " << id;
            EXPECT_EQ(after[id].Width(), before[id].Width() + wider) << "control " << id;
            EXPECT_GT(after[id].Height(), before[id].Height()) << "control " << id;
        }
        EXPECT_EQ(after[res::Tree].top, before[res::Tree].top);
        EXPECT_EQ(after[res::Description].bottom, before[res::Description].bottom + taller);
        EXPECT_EQ(after[res::Description].top - after[res::Tree].bottom,
                  before[res::Description].top - before[res::Tree].bottom);
        Rect widenedBox = before[res::SearchBox];
        widenedBox.right += wider;
        EXPECT_EQ(after[res::SearchBox], widenedBox);
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

// What the area, the place and the best match keep is the headless scenes' part; here,
// where they show, and that Enter in the tree takes the selection.
TEST_F(WxBrowserTest,
       the_area_toggle_sits_beside_the_box_a_place_fits_the_line_the_best_is_in_view) {
    gridui::CRSDialog dialog(wxbrowser::SurveyGrid(), m_favoritesPath, m_sink, nullptr, {});
    dialog.SetOptions(gridui::BrowserOptions::AllOn(50));
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

        // Zone 33 lies outside the host's area.
        user.ClickToolButton(platform::ToolBarWindowId, res::OnlyForArea);
        wxbrowser::Search(user, L"utm33");
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        platform::TreeItem const selected = tree.GetSelectedItem();
        ASSERT_TRUE(selected);
        EXPECT_EQ(tree.GetParentItem(selected), wxbrowser::FindRoot(tree, L"Best matches"));
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

} // namespace
