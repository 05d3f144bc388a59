#pragma once

#include "QtDialog.h"
#include "QtWindow.h"
#include "platform/ModelBackedTree.h"

#include <QModelIndex>
#include <QPoint>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace platform::qt {

class QtTreeModel;
class QtTreeView;
class QtTreeDelegate;

/// Nothing of its own: the view keeps which items are open, and the model reads the
/// rest from the shared items.
struct QtTreeRow {};

/// The tree as Qt's model/view: the view reads the shared items through a model that
/// makes no object per item, so a search that refills thousands costs what is seen.
class QtTree final : public backend::ModelBackedTree<QtWindow<backend::NativeTree>, QtTreeRow> {
public:
    QtTree(QtDialog* parent, ControlTemplate const& control, Rect pixels);
    ~QtTree() override;
    QtTree(QtTree const&) = delete;
    QtTree& operator=(QtTree const&) = delete;

    TreeItem Insert(TreeItem parent, InsertAfter where, std::wstring const& text) override;
    void Delete(TreeItem item) override;
    void SetItemText(TreeItem item, std::wstring const& text) override;
    TreeItem Selected() const override { return m_selected; }
    void Select(TreeItem item) override;
    void Expand(TreeItem item) override;
    bool IsExpanded(TreeItem item) const override;
    void EnsureVisible(TreeItem item) override;
    /// Scrolls to the items selected or asked for while drawing was off.
    void SetRedraw(bool on) override;
    std::optional<Rect> ItemRect(TreeItem item, bool textOnly) const override;
    TreeHitTest HitTest(Point client) const override;
    void SortChildren(TreeItem item) override;
    void WarmUp() override;

    /// What a double click at `screen` does: the first click selects the item there
    /// (when `select`), then the dialog hears of the double click and the item opens.
    void DoubleClickAt(Point screen, bool select);

private:
    friend class QtTreeModel;
    friend class QtTreeView;
    friend class QtTreeDelegate;

    QtTreeView& View() const;
    QModelIndex IndexOf(TreeItem item) const;
    /// The view hears of the items made since the tree was last emptied, as one reset.
    void Flush() const;
    /// The items made from now on reach the view as one reset, not row by row.
    void BeginRefill();
    /// Makes `item` the selection as the view does, without a notification.
    void SelectQuietly(TreeItem item);
    /// The view's selection changed, by the user or the program.
    void OnViewSelection();
    /// The dialog hears of a selection that differs from the one it heard of last.
    void Adopt(TreeItem selected);
    void ExpandAncestors(TreeItem item);
    /// The label's rectangle in the viewport: the text and its margins.
    QRect LabelRect(QModelIndex const& index) const;
    /// The control's pre-paint stage, run once a paint; whether items want theirs.
    void PaintStarts();
    /// Paints an item between its own pre-paint and post-paint stages.
    void PaintItem(QPainter& painter, TreeItem item, std::function<void()> const& paint);
    void RaiseMouseMove(QPoint client);

    QtTreeModel* m_model = nullptr;
    QPointer<QtTreeView> m_view;
    /// The selection the dialog heard of last.
    TreeItem m_selected;
    /// Set while the tree moves the view's selection itself and notifies on its own.
    bool m_quiet = false;
    mutable bool m_resetPending = false;
    bool m_itemStages = false;
    /// The items to scroll to, in turn, when drawing is on again.
    std::vector<TreeItem> m_scrollsOnRedraw;
};

} // namespace platform::qt
