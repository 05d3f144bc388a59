#pragma once

#include "QtDialog.h"
#include "QtWindow.h"
#include "platform/ToolkitTree.h"

#include <QModelIndex>
#include <QPoint>
#include <QPointer>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

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
class QtTree final : public backend::ToolkitTree<QtWindow<backend::NativeTree>, QtTreeRow> {
public:
    QtTree(QtDialog* parent, ControlTemplate const& control, Rect pixels);
    ~QtTree() override;
    QtTree(QtTree const&) = delete;
    QtTree& operator=(QtTree const&) = delete;

    TreeItem Selected() const override { return m_selected; }
    void Select(TreeItem item) override;
    bool IsExpanded(TreeItem item) const override;
    std::optional<Rect> ItemRect(TreeItem item, bool textOnly) const override;
    TreeHitTest HitTest(Point client) const override;
    void WarmUp() override;

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
    /// A search empties the tree and fills it with thousands: the view hears of them once.
    void ShowInserting() override;
    void ShowInserted(TreeItem parent, TreeItem item, std::size_t position) override;
    void ShowCleared() override;
    void ShowUnselected() override;
    /// The view hears of the removal around it, without moving the selection.
    void ShowDeleting(TreeItem item) override;
    void ShowDeleted() override;
    void ShowRenamed(TreeItem item) override;
    void ShowExpanded(TreeItem item) override;
    /// The view keeps its open items and selection on their items through the sort.
    void ShowSorting(TreeItem item) override;
    void ShowSorted(TreeItem item) override;
    void ScrollTo(TreeItem item) override;
    void OpenAncestors(TreeItem item) override;
    void Redrawn() override { Flush(); }
    /// The label's rectangle in the viewport: the text and its margins.
    QRect LabelRect(QModelIndex const& index) const;
    /// The control's pre-paint stage, run once a paint; whether items want theirs.
    void PaintStarts();
    /// Paints an item between its own pre-paint and post-paint stages.
    void PaintItem(QPainter& painter, TreeItem item, std::function<void()> const& paint);
    /// Long names are read whole, scrolled to sideways: the column grows to the widest
    /// label painted since the last refill. Measuring every row instead would cost a
    /// search more than filling the tree does.
    void Widen(QModelIndex const& index);
    void RaiseMouseMove(QPoint client);

    QtTreeModel* m_model = nullptr;
    QPointer<QtTreeView> m_view;
    /// The selection the dialog heard of last.
    TreeItem m_selected;
    /// Set while the tree moves the view's selection itself and notifies on its own.
    bool m_quiet = false;
    mutable bool m_resetPending = false;
    bool m_itemStages = false;
    int m_labelsWidth = 0;
    /// The column's own minimum, before any label widened it.
    int m_narrowest = 0;
};

} // namespace platform::qt
