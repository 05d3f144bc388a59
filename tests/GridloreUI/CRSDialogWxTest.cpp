// The browser dialog on real windows, over the whole registry: what the toolkit decides
// (sizes, keys, its timer, the caret, scrolling). What the tree shows at each step is
// the headless scenes' part and the outline test's.
#include "WxBrowserTest.h"

#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "platform/Dialog.h"

#include <wx/combobox.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>
#include <optional>

namespace {

namespace res = gridui::res;
using platform::Rect;
using wxbrowser::WxBrowserTest;

/// Lets the toolkit run until `done` holds; false when it still does not after 5 s.
bool RunUntil(std::function<bool()> const& done) {
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        wxYield();
        wxMilliSleep(5);
    }
    return true;
}

TEST_F(WxBrowserTest,
       the_search_line_keys_status_and_best_match_show_whole_and_enter_in_the_tree_takes_it) {
    gridui::CRSDialog dialog(wxbrowser::SurveyGrid(), m_favoritesPath, m_sink, nullptr, {});
    dialog.SetOptions(gridui::BrowserOptions::AllOn(50));
    dialog.SetAreaOfInterest({-5.7, 50.0, 1.7, 58.6});
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        // Placed first: a window manager moves a new window once it has framed it.
        wxbrowser::Settle();
        // The toolbar sits right-aligned on the search box's line, and its area toggle
        // leaves the box whole however wide the toolkit draws the buttons.
        Rect const box = wxbrowser::ClientRect(user, res::SearchBox);
        Rect const bar = wxbrowser::ClientRect(user, platform::ToolBarWindowId);
        Rect const placeholder = wxbrowser::ClientRect(user, res::ToolBarPlaceholder);
        EXPECT_EQ(bar.right, placeholder.right);
        EXPECT_EQ(bar.top, placeholder.top);
        EXPECT_LE(box.right, bar.left);
        EXPECT_GT(box.Width(), 150);
        Rect const treeRect = wxbrowser::ClientRect(user, res::Tree);
        wxbrowser::SaveScreenshot(user, "browser-open.png");

        // Keys typed through the window system search when they pause, and the next key
        // goes on from the caret: nothing was selected under it.
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        platform::Window& search = user.GetDialog().GetDlgItem(res::SearchBox);
        search.SetFocus();
        wxbrowser::Settle();
        std::size_t const everything = tree.GetCount();
        wxUIActionSimulator().Text("4326");
        ASSERT_TRUE(RunUntil([&] { return tree.GetCount() < everything; })) << "no search ran";
        user.Idle();
        EXPECT_TRUE(
            wxbrowser::FindBelow(tree, wxbrowser::FindRoot(tree, L"Predefined"), L"WGS 84"));
        EXPECT_TRUE(search.HasFocus());
        auto const* native = wxbrowser::NativeOf<wxComboBox>(user, res::SearchBox);
        ASSERT_NE(native, nullptr);
        EXPECT_EQ(native->GetInsertionPoint(), 4);
        wxUIActionSimulator().Char('9');
        ASSERT_TRUE(RunUntil([&] {
            return tree.GetItemText(tree.GetRootItem()) ==
                   L"No system matches \"43269\". Try a code, part of a name, or a place.";
        }));
        user.Idle();
        EXPECT_TRUE(search.HasFocus());

        // The status line's sentence has the tree's width, between the box and the tree,
        // and the tree keeps its place.
        wxbrowser::Search(user, L"500000 5700000");
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::Status),
                  L"Not a place: a latitude runs from -90 to 90, not 500000");
        Rect const status = wxbrowser::ClientRect(user, res::Status);
        EXPECT_LE(box.bottom, status.top);
        EXPECT_LE(status.bottom, treeRect.top);
        EXPECT_EQ(status.right, treeRect.right);
        EXPECT_EQ(wxbrowser::ClientRect(user, res::Tree), treeRect);
        wxbrowser::SaveScreenshot(user, "browser-not-a-place.png");

        // Zone 33 lies outside the host's area: the best match is scrolled into view.
        user.ClickToolButton(platform::ToolBarWindowId, res::OnlyForArea);
        wxbrowser::Search(user, L"utm33");
        platform::TreeItem const selected = tree.GetSelectedItem();
        ASSERT_TRUE(selected);
        EXPECT_EQ(tree.GetParentItem(selected), wxbrowser::FindRoot(tree, L"Best matches"));
        EXPECT_EQ(tree.GetItemText(selected), L"WGS 84 / UTM zone 33N");
        std::optional<Rect> const shown = tree.GetItemRect(selected, true);
        ASSERT_TRUE(shown);
        EXPECT_GE(shown->top, 0) << "scrolled into view";
        EXPECT_LE(shown->bottom, tree.GetClientRect().bottom);
        user.PressKey(res::Tree, platform::KeyReturn);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(wxbrowser::CodeOf(dialog.CurrentCoordinateSystem()), 32633);
}

} // namespace
