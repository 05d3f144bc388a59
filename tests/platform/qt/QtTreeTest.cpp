// The Qt tree's view: what it paints and where it shows items after the program moves them.
#include "../DialogScene.h"
#include "TestArtifacts.h"

#include <QApplication>
#include <QImage>
#include <QString>
#include <QTest>
#include <QTreeView>

#include <filesystem>
#include <string>

using platform::InsertAfter;
using platform::Rect;
using platform::TreeItem;

namespace {

class QtTree : public DialogScene {
protected:
    /// The view behind the test dialog's tree: its only one-column tree view.
    static QTreeView* View() {
        for (QWidget* widget : QApplication::allWidgets()) {
            auto* view = qobject_cast<QTreeView*>(widget);
            if (view != nullptr && view->isVisible() && view->model()->columnCount() == 1) {
                return view;
            }
        }
        return nullptr;
    }

    /// The dialog's pixels, read back from a screenshot.
    QImage Screenshot(char const* name) {
        std::filesystem::path const path = ArtifactFolder() / name;
        EXPECT_TRUE(m_dialog.SaveScreenshot(path.string()));
        return QImage(QString::fromStdString(path.string()));
    }
};

} // namespace

TEST_F(QtTree, a_marked_items_icon_is_painted_where_its_handler_places_it_and_only_then) {
    Play([&](platform::User&) {
        auto& tree = m_dialog.tree;
        TreeItem const folder = tree.InsertItem(L"Projected");
        TreeItem const item = tree.InsertItem(L"WGS 84 / UTM zone 33N", folder);
        tree.Expand(folder);
        std::optional<Rect> const label = tree.GetItemRect(item, true);
        ASSERT_TRUE(label);
        // The handler's icon: right of the label, as high as the row; its middle in the
        // dialog's pixels.
        platform::Point const origin =
            m_dialog.ScreenToClient(tree.Native().ClientToScreen({0, 0}));
        int const side = label->Height() - 2;
        int const x = origin.x + label->right + 4 + side / 2;
        int const y = origin.y + label->top + 1 + side / 2;

        QImage const plain = Screenshot("platform-qt-tree-plain.png");
        tree.marked = item;
        QImage const marked = Screenshot("platform-qt-tree-marked.png");
        ASSERT_FALSE(plain.isNull() || marked.isNull());
        EXPECT_NE(marked.pixelColor(x, y), plain.pixelColor(x, y));
        // The label itself is painted as before, under the stages.
        EXPECT_EQ(marked.pixelColor(origin.x + label->left + 1, y),
                  plain.pixelColor(origin.x + label->left + 1, y));
    });
}

TEST_F(QtTree, sorting_a_folder_keeps_open_folders_and_the_selection_on_their_items) {
    Play([&](platform::User&) {
        auto& tree = m_dialog.tree;
        TreeItem const folder = tree.InsertItem(L"Folder");
        // Each moves: the open folder from first to last, the selection from last to first.
        TreeItem const zulu = tree.InsertItem(L"zulu", folder, InsertAfter::Last);
        tree.InsertItem(L"inside", zulu);
        TreeItem const mike = tree.InsertItem(L"mike", folder, InsertAfter::Last);
        TreeItem const alpha = tree.InsertItem(L"alpha", folder, InsertAfter::Last);
        tree.Expand(folder);
        tree.Expand(zulu);
        // A leaf has nothing to open, whoever asks.
        tree.Expand(mike);
        EXPECT_FALSE(tree.IsExpanded(mike));
        tree.SelectItem(alpha);
        m_dialog.log.clear();

        tree.SortChildren(folder);
        EXPECT_TRUE(tree.IsExpanded(zulu));
        EXPECT_FALSE(tree.IsExpanded(alpha));
        auto const top = [&](TreeItem item) { return tree.GetItemRect(item, true).value().top; };
        EXPECT_LT(top(alpha), top(mike));
        EXPECT_LT(top(mike), top(zulu));
        Rect const shown = tree.GetItemRect(zulu, true).value();
        EXPECT_EQ(tree.HitTest({shown.left + 2, shown.top + shown.Height() / 2}).item, zulu);
        // What the view highlights is what the tree answers, and nobody heard of a change.
        QTreeView const* view = View();
        ASSERT_NE(view, nullptr);
        QModelIndexList const selected = view->selectionModel()->selectedIndexes();
        ASSERT_EQ(selected.size(), 1);
        EXPECT_EQ(selected.front().row(), 0);
        EXPECT_EQ(selected.front().data().toString(), QString("alpha"));
        EXPECT_EQ(tree.GetSelectedItem(), alpha);
        EXPECT_TRUE(m_dialog.log.empty());
    });
}

TEST_F(QtTree, a_users_double_click_selects_the_item_tells_the_dialog_then_opens_it) {
    Play([&](platform::User&) {
        auto& tree = m_dialog.tree;
        TreeItem const folder = tree.InsertItem(L"Folder");
        TreeItem const inner = tree.InsertItem(L"Inner", folder);
        tree.InsertItem(L"inside", inner);
        tree.Expand(folder);
        m_dialog.log.clear();
        Rect const label = tree.GetItemRect(inner, true).value();
        QWidget* viewport = View()->viewport();
        QPoint const at = viewport->mapFrom(View(), QPoint(label.left + 2, label.top + 2));
        // The window system delivers a double click as a click, then the second press.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"SelChanged Inner", L"DblClk"}));
        EXPECT_TRUE(tree.IsExpanded(inner));
    });
}

TEST_F(QtTree, a_name_wider_than_the_tree_is_scrolled_to_whole_once_painted) {
    Play([&](platform::User& user) {
        auto& tree = m_dialog.tree;
        TreeItem const item = tree.InsertItem(
            L"NAD83(HARN) / Conus Albers Equal Area Conic + NAVD88 height (ftUS), Alaska zone 7");
        Screenshot("platform-qt-tree-long-name.png");
        user.Idle();
        Rect const label = tree.GetItemRect(item, true).value();
        QTreeView const* view = View();
        ASSERT_NE(view, nullptr);
        ASSERT_GT(label.right, tree.GetClientRect().right);
        // The column reaches past the label's end, so the view scrolls to all of it.
        EXPECT_GE(view->columnWidth(0), label.right - view->viewport()->x());
    });
}
