// The browser's tree on real windows, driven by simulated keys and mouse as a user drives it.
#include "WxBrowserTest.h"

#include "gridlore/CoordinateSystemCollection.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "platform/Dialog.h"
#include "platform/wx/WxBackend.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace {

namespace res = gridui::res;
using wxbrowser::Settle;
using wxbrowser::WxBrowserTest;

/// Puts the pointer over `id` (at `client`, in its client coordinates) and waits for it.
void MoveMouseTo(platform::User& user, platform::ControlId id, platform::Point client) {
    platform::Window& window = user.GetDialog().GetDlgItem(id);
    platform::Point const screen = window.ClientToScreen(client);
    wxUIActionSimulator().MouseMove(screen.x, screen.y);
    Settle();
}

/// Gives the tree the keyboard focus with the pointer over it, as after a click.
void FocusTree(platform::User& user) {
    MoveMouseTo(user, res::Tree, {4, 4});
    user.GetDialog().GetDlgItem(res::Tree).SetFocus();
    Settle();
}

/// The main keyboard's "*" and "+", which the simulator types only with their shift key.
constexpr int Star = -'*';
constexpr int Plus = -'+';

void TypeInTree(platform::User& user, int key) {
    if (key == Star || key == Plus) {
        wxUIActionSimulator().Char(key == Star ? '8' : '=', wxMOD_SHIFT);
    } else {
        wxUIActionSimulator().Char(key);
    }
    Settle();
    user.Idle();
}

/// How many items from `first` on, and below those open, the user can see.
std::size_t VisibleCount(platform::TreeCtrl const& tree, platform::TreeItem first) {
    std::size_t count = 0;
    for (platform::TreeItem item = first; item; item = tree.GetNextSiblingItem(item)) {
        count += 1 + (tree.IsExpanded(item) ? VisibleCount(tree, tree.GetChildItem(item)) : 0);
    }
    return count;
}

/// The tree's client area as it is painted.
wxImage TreePixels(platform::User& user) {
    wxWindow& tree = *wxbrowser::NativeWindowOf(user, res::Tree);
    tree.Refresh();
    Settle();
    wxSize const size = tree.GetClientSize();
    wxBitmap bitmap(size.x, size.y);
    {
        wxMemoryDC memory(bitmap);
        wxClientDC client(&tree);
        memory.Blit(0, 0, size.x, size.y, &client, 0, 0);
    }
    return bitmap.ConvertToImage();
}

/// How many pixels differ between two pictures of one size.
int ChangedPixels(wxImage const& one, wxImage const& other) {
    EXPECT_EQ(one.GetSize(), other.GetSize());
    long const pixels =
        std::min(one.GetWidth() * one.GetHeight(), other.GetWidth() * other.GetHeight());
    int changed = 0;
    for (long pixel = 0; pixel < pixels; ++pixel) {
        changed += static_cast<int>(
            std::memcmp(one.GetData() + 3 * pixel, other.GetData() + 3 * pixel, 3) != 0);
    }
    return changed;
}

TEST_F(WxBrowserTest, keys_in_the_tree_after_a_search_that_selects_nothing_raise_no_assertion) {
    gridui::CRSDialog dialog(wxbrowser::Registry(L"EPSG:4326"), m_favoritesPath, m_sink, nullptr,
                             {});
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        wxbrowser::Search(user, L"UTM zone 33");
        ASSERT_FALSE(tree.GetSelectedItem()) << "the current system should not be shown";
        // The tree shows that it holds the focus even with nothing selected.
        user.GetDialog().GetDlgItem(res::SearchBox).SetFocus();
        wxImage const unfocused = TreePixels(user);
        FocusTree(user);
        ASSERT_TRUE(user.GetDialog().GetDlgItem(res::Tree).HasFocus());
        EXPECT_GT(ChangedPixels(TreePixels(user), unfocused), 40)
            << "focusing the tree changed no pixel of it";
        wxbrowser::SaveScreenshot(user, "tree-focused.png");
        std::size_t const visible = VisibleCount(tree, tree.GetRootItem());
        for (int const key : {int('-'), Star, Plus, int(WXK_NUMPAD_SUBTRACT),
                              int(WXK_NUMPAD_MULTIPLY), int(WXK_NUMPAD_ADD)}) {
            SCOPED_TRACE(key);
            TypeInTree(user, key);
            EXPECT_FALSE(tree.GetSelectedItem());
            EXPECT_EQ(VisibleCount(tree, tree.GetRootItem()), visible)
                << "nothing chosen, nothing to open";
        }
        wxbrowser::SaveScreenshot(user, "tree-keys-without-selection.png");

        // Type-ahead moves among what is shown and opens nothing: "W" names only hidden
        // systems, "P" the folders on show.
        TypeInTree(user, 'W');
        EXPECT_FALSE(tree.GetSelectedItem());
        EXPECT_EQ(VisibleCount(tree, tree.GetRootItem()), visible);
        TypeInTree(user, 'P');
        platform::TreeItem const typed = tree.GetSelectedItem();
        ASSERT_TRUE(typed);
        EXPECT_EQ(tree.GetItemText(typed), L"Predefined");
        TypeInTree(user, 'P');
        ASSERT_TRUE(tree.GetSelectedItem());
        EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), L"Projected");
        EXPECT_EQ(VisibleCount(tree, tree.GetRootItem()), visible);

        // With a folder chosen the keys act on it, and only on it.
        TypeInTree(user, WXK_NUMPAD_MULTIPLY);
        std::size_t const opened = VisibleCount(tree, tree.GetRootItem());
        EXPECT_GT(opened, visible + 20) << "* opens the folder and all below it";
        TypeInTree(user, WXK_NUMPAD_SUBTRACT);
        EXPECT_EQ(VisibleCount(tree, tree.GetRootItem()), visible);
        TypeInTree(user, Plus);
        EXPECT_EQ(VisibleCount(tree, tree.GetRootItem()), opened)
            << "its folders stay as they were";
        wxbrowser::SaveScreenshot(user, "tree-keys-on-a-folder.png");
        user.Close();
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}

TEST_F(
    WxBrowserTest,
    custom_shows_its_hint_over_the_icon_gains_what_dialogs_over_the_browser_make_and_loses_it_by_key) {
    gridui::CRSDialog dialog(wxbrowser::SurveyGrid(), m_favoritesPath, m_sink, nullptr, {});
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        platform::TreeItem const custom = wxbrowser::FindRoot(tree, L"Custom");
        ASSERT_TRUE(custom);
        tree.EnsureVisible(custom);
        Settle();
        std::optional<platform::Rect> const label = tree.GetItemRect(custom, true);
        ASSERT_TRUE(label);
        wxWindow const* const native = wxbrowser::NativeWindowOf(user, res::Tree);
        ASSERT_NE(native, nullptr);
        MoveMouseTo(user, res::Tree, {label->left + 2, label->top + label->Height() / 2});
        EXPECT_EQ(native->GetToolTipText(), wxString()) << "not over the label";
        int const side = label->Height() - 2;
        MoveMouseTo(user, res::Tree, {label->right + 4 + side / 2, label->top + 1 + side / 2});
        MoveMouseTo(user, res::Tree, {label->right + 5 + side / 2, label->top + 1 + side / 2});
        EXPECT_NE(native->GetToolTipText().Find("Add to Favorites"), wxNOT_FOUND);
        MoveMouseTo(user, res::Tree, {label->left + 2, label->top + label->Height() / 2});
        EXPECT_EQ(native->GetToolTipText(), wxString());

        // A box or dialog without an owner would open behind the browser, not over it.
        wxWindow const* owner = platform::wx::WxBackend::OwnerFor(nullptr);
        ASSERT_NE(owner, nullptr);
        EXPECT_EQ(owner->GetLabel(), "Assign Coordinate System");
        m_driver.OnDialog(res::LocalSystemDialog, [](platform::User& local) {
            wxWindow const* shown = platform::wx::WxBackend::OwnerFor(nullptr);
            ASSERT_NE(shown, nullptr);
            ASSERT_NE(shown->GetParent(), nullptr);
            EXPECT_EQ(shown->GetParent()->GetLabel(), "Assign Coordinate System");
            local.Type(res::LocalNameEdit, L"Quay");
            local.Click(platform::IDOK);
        });
        user.Click(res::NewLocal);
        platform::TreeItem const quay = tree.GetSelectedItem();
        ASSERT_TRUE(quay);
        EXPECT_EQ(tree.GetItemText(quay), L"Quay");
        EXPECT_EQ(tree.GetParentItem(quay), custom);

        FocusTree(user);
        m_driver.AnswerMessageBox(platform::IDYES);
        TypeInTree(user, WXK_DELETE);
        EXPECT_FALSE(wxbrowser::FindBelow(tree, custom, L"Quay"));
        EXPECT_EQ(m_driver.MessageBoxes().size(), 1U);
        user.Close();
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}

/// Whether the tree's window shows the whole label of `item`.
bool InView(platform::TreeCtrl const& tree, platform::TreeItem item) {
    std::optional<platform::Rect> const label = tree.GetItemRect(item, true);
    return label && label->top >= 0 && label->bottom <= tree.GetClientRect().bottom;
}

/// How many rows in the tree's window show no text: every item has a name, so such a row
/// is an item the user sees blank.
int BlankRowsInView(platform::User& user) {
    auto const* native = wxbrowser::NativeOf<wxTreeCtrl>(user, res::Tree);
    EXPECT_NE(native, nullptr);
    if (native == nullptr) {
        return -1;
    }
    int const height = native->GetClientSize().y;
    int blank = 0;
    std::vector<wxTreeItemId> pending{native->GetRootItem()};
    while (!pending.empty()) {
        wxTreeItemId const parent = pending.back();
        pending.pop_back();
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = native->GetFirstChild(parent, cookie); child.IsOk();
             child = native->GetNextChild(parent, cookie)) {
            wxRect row;
            if (native->GetBoundingRect(child, row) && row.GetBottom() >= 0 &&
                row.GetTop() < height && native->GetItemText(child).empty()) {
                ++blank;
            }
            if (native->IsExpanded(child)) {
                pending.push_back(child);
            }
        }
    }
    return blank;
}

/// The tree's lowest row: the last item at each level of the open folders.
platform::TreeItem LastRow(platform::TreeCtrl const& tree) {
    platform::TreeItem last;
    for (platform::TreeItem item = tree.GetRootItem(); item;) {
        last = item;
        platform::TreeItem const next = tree.GetNextSiblingItem(item);
        item =
            next ? next : (tree.IsExpanded(item) ? tree.GetChildItem(item) : platform::TreeItem{});
    }
    return last;
}

TEST_F(WxBrowserTest, rows_coming_into_view_show_their_names_and_what_a_command_adds_is_in_view) {
    gridui::CRSDialog dialog(wxbrowser::Registry(L"EPSG:4326"), m_favoritesPath, m_sink, nullptr,
                             {});
    gridui::BrowserOptions options;
    options.openResultsUpTo = 50;
    options.forgivingSearch = true;
    options.bestMatchesGroup = true;
    options.oneFavoritePerSystem = true;
    dialog.SetOptions(options);
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        platform::TreeItem const wgs84 = tree.GetSelectedItem();
        // The new favourite goes below the thousands of predefined folders.
        user.Click(res::AddToFavorites);
        Settle();
        platform::TreeItem const favorite =
            wxbrowser::FindBelow(tree, wxbrowser::FindRoot(tree, L"Favorites"), L"WGS 84");
        EXPECT_TRUE(InView(tree, favorite));
        EXPECT_EQ(tree.GetSelectedItem(), wgs84);
        // Back at the top, where the registry's system is.
        user.Select(res::Tree, tree.GetRootItem());
        user.Select(res::Tree, wgs84);
        Settle();
        ASSERT_FALSE(InView(tree, favorite));
        user.Click(res::AddToFavorites);
        Settle();
        EXPECT_EQ(tree.GetSelectedItem(), favorite);
        EXPECT_TRUE(InView(tree, favorite));

        // Every datum's zone, each in its open folder: far more rows than the window holds.
        wxbrowser::Search(user, L"utm 33");
        Settle();
        EXPECT_EQ(BlankRowsInView(user), 0) << "after the search";
        platform::TreeItem const last = LastRow(tree);
        ASSERT_FALSE(InView(tree, last));
        std::optional<platform::Rect> const outOfView = tree.GetItemRect(last, true);

        // Closing the best matches at the top brings rows up from below.
        user.Select(res::Tree, tree.GetRootItem());
        FocusTree(user);
        TypeInTree(user, '-');
        EXPECT_EQ(BlankRowsInView(user), 0) << "after a folder above closed";

        tree.EnsureVisible(last);
        Settle();
        ASSERT_TRUE(InView(tree, last));
        EXPECT_EQ(BlankRowsInView(user), 0) << "after a scroll to the end";
        std::optional<platform::Rect> const inView = tree.GetItemRect(last, true);
        ASSERT_TRUE(outOfView && inView);
        EXPECT_EQ(outOfView->Width(), inView->Width()) << "the label's size out of view";
        user.Close();
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
    EXPECT_EQ(Gridlore::CoordinateSystemCollection::Load(m_favoritesPath).size(), 1U);
}

} // namespace
