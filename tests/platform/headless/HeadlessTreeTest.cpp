#include "../DialogScene.h"

#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

using platform::Rect;
using platform::TreeItem;
using platform::User;

namespace {

class HeadlessTree : public DialogScene {};

} // namespace

TEST_F(HeadlessTree, rows_stack_by_visible_items_and_hit_testing_finds_labels) {
    Play([&](User& user) {
        auto& tree = m_dialog.tree;
        TreeItem const root = tree.InsertItem(L"Root");
        TreeItem const child = tree.InsertItem(L"Child", root);
        TreeItem const second = tree.InsertItem(L"Second");
        EXPECT_FALSE(tree.GetItemRect(child, true).has_value());

        tree.Expand(root);
        EXPECT_EQ(*tree.GetItemRect(root, true), (Rect{19, 0, 19 + 4 * 7 + 4, 16}));
        EXPECT_EQ(*tree.GetItemRect(child, true), (Rect{38, 16, 38 + 5 * 7 + 4, 32}));
        EXPECT_EQ(tree.GetItemRect(second, false)->top, 32);
        EXPECT_EQ(tree.HitTest({40, 20}).item, child);
        EXPECT_EQ(tree.HitTest({40, 20}).flags, platform::HitOnLabel);
        EXPECT_EQ(tree.HitTest({5, 20}).flags, platform::HitOnIndent);
        EXPECT_EQ(tree.HitTest({5, 100}).flags, platform::HitNowhere);

        // Rows below the client area scroll into view; the tree shows 9 rows.
        for (int i = 0; i < 20; ++i) {
            tree.InsertItem(L"Row " + std::to_wstring(i), second);
        }
        TreeItem const last = user.FindTreeItem(testdialog::Tree, L"Second|Row 9");
        tree.EnsureVisible(last);
        EXPECT_TRUE(tree.IsExpanded(second));
        Rect const shown = *tree.GetItemRect(last, true);
        EXPECT_LE(shown.bottom, tree.GetClientRect().bottom);
        EXPECT_GE(shown.top, 0);
        EXPECT_LT(tree.GetItemRect(root, true)->top, 0);
    });
}

TEST_F(HeadlessTree, custom_draw_paints_only_while_drawing_is_on) {
    Play([&](User& user) {
        auto& tree = m_dialog.tree;
        tree.InsertItem(L"Predefined");
        tree.marked = tree.InsertItem(L"Custom");
        tree.SetRedraw(false);
        user.Idle();
        EXPECT_TRUE(platform::headless::PaintedIcons(tree).empty());
        tree.SetRedraw(true);
        user.Idle();
        auto const icons = platform::headless::PaintedIcons(tree);
        ASSERT_EQ(icons.size(), 1U);
        Rect const label = *tree.GetItemRect(tree.marked, true);
        EXPECT_EQ(icons[0].second.left, label.right + 4);
        EXPECT_EQ(icons[0].second.top, label.top + 1);
    });
}
