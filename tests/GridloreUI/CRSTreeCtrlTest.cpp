#include "BrowserTest.h"

#include "CRSTreeCtrl.h"

#include <gtest/gtest.h>

using namespace browsertest;
using platform::Rect;

namespace {

class BrowserTree : public BrowserTest {
protected:
    static gridui::CRSTreeCtrl& CustomTree(User& user) {
        return dynamic_cast<gridui::CRSTreeCtrl&>(Tree(user));
    }
};

} // namespace

TEST_F(BrowserTree, the_warning_icon_is_drawn_right_of_the_custom_label_with_its_hint_over_it) {
    Browse(SurveyGrid(), {}, [&](User& user) {
        gridui::CRSTreeCtrl& tree = CustomTree(user);
        platform::TreeItem const custom = user.FindTreeItem(res::Tree, L"Custom");
        EXPECT_EQ(tree.GetCustomItem(), custom);
        Rect const label = *tree.GetItemRect(custom, true);
        auto const icons = platform::headless::PaintedIcons(tree);
        ASSERT_EQ(icons.size(), 1U);
        EXPECT_EQ(icons[0].first, platform::StockIcon::Warning);
        EXPECT_EQ(icons[0].second, Rect::FromXYWH(label.right + 4, label.top + 1,
                                                  label.Height() - 2, label.Height() - 2));

        // The hint shows only while the mouse is over the icon.
        int const middle = (label.top + label.bottom) / 2;
        EXPECT_FALSE(tree.IsHintActive());
        user.MoveMouse(res::Tree, {label.right + 4, middle});
        EXPECT_TRUE(tree.IsHintActive());
        user.MoveMouse(res::Tree, {(label.left + label.right) / 2, middle});
        EXPECT_FALSE(tree.IsHintActive()) << "over the label";
        user.MoveMouse(res::Tree, {label.right + label.Height(), label.bottom - 2});
        EXPECT_TRUE(tree.IsHintActive());
        user.MoveMouse(res::Tree, {label.right + 2 + label.Height(), middle});
        EXPECT_FALSE(tree.IsHintActive()) << "right of the icon";

        Search(user, L"Projected");
        EXPECT_FALSE(tree.GetCustomItem());
        EXPECT_TRUE(platform::headless::PaintedIcons(tree).empty());
    });
    EXPECT_STREQ(gridui::CRSTreeCtrl::CustomHint(),
                 L"Custom coordinate systems are removed when this window closes unless used as "
                 L"the current coordinate system. Add to Favorites to keep for future use.");
}
