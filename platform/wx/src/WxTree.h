#pragma once

#include "WxDialog.h"
#include "WxWindow.h"
#include "platform/ModelBackedTree.h"

#include <wx/dc.h>
#include <wx/event.h>
#include <wx/treectrl.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::wx {

/// The tree window: sorts as the platform does and lets handlers draw after items.
class WxTreeWindow;

/// Where an item stands in the toolkit's tree: only the children of items that have been
/// opened are made there, so a tree of thousands costs what is seen of it.
struct WxTreeRow {
    /// Not ok until the item's parent has shown its children.
    wxTreeItemId native;
    bool childrenShown = false;
    /// Made while the tree was frozen, the native item has no text until it comes into view.
    bool textShown = false;
};

class WxTree final : public backend::ModelBackedTree<WxWindow<backend::NativeTree>, WxTreeRow> {
public:
    WxTree(WxDialog* parent, ControlTemplate const& control, Rect pixels);

    TreeItem Insert(TreeItem parent, InsertAfter where, std::wstring const& text) override;
    void Delete(TreeItem item) override;
    void SetItemText(TreeItem item, std::wstring const& text) override;
    TreeItem Selected() const override;
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
    /// Runs the custom-draw stages over the shown items onto `dc`, and marks the focus.
    void PaintOverlay(wxDC& dc);
    /// Gives the items in view that were made without their text their text.
    void ShowTextsInView();
    /// The platform's text of a toolkit item, whether it shows it yet or not.
    std::wstring const& TextOf(wxTreeItemId id) const;

private:
    /// The items shown, top to bottom: the roots and the children of expanded items.
    std::vector<wxTreeItemId> ShownItems() const;
    void OnChar(wxKeyEvent& event);
    /// Selects the next shown item whose text starts with what was typed lately.
    void TypeAhead(wchar_t typed);

    void NotifySelChanged(TreeItem selected);
    wxTreeCtrl& Tree() const;
    /// The item made in the toolkit's tree first (with its ancestors) where it is not yet.
    wxTreeItemId Native(TreeItem item);
    /// The item's toolkit counterpart; not ok while it has none.
    wxTreeItemId NativeIfShown(TreeItem item) const;
    TreeItem Handle(wxTreeItemId id) const;
    /// Makes the children of a shown item in the toolkit's tree, once.
    void ShowChildren(std::uintptr_t item);
    wxTreeItemId ShowItem(std::uintptr_t item, wxTreeItemId parent, std::size_t position);
    void ShowText(Node& node);

    wxTreeItemId m_root;
    /// The items to scroll to, in turn, when drawing is on again.
    std::vector<TreeItem> m_scrollsOnRedraw;
    /// While the scrolls asked for while frozen run: the texts wait for the last one.
    bool m_scrollingOnRedraw = false;
    std::wstring m_typed;
    std::chrono::steady_clock::time_point m_lastTyped;
};

} // namespace platform::wx
