#pragma once

#include "WxDialog.h"
#include "WxWindow.h"
#include "platform/ToolkitTree.h"

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

class WxTree final : public backend::ToolkitTree<WxWindow<backend::NativeTree>, WxTreeRow> {
public:
    WxTree(WxDialog* parent, ControlTemplate const& control, Rect pixels);

    TreeItem Selected() const override;
    void Select(TreeItem item) override;
    bool IsExpanded(TreeItem item) const override;
    std::optional<Rect> ItemRect(TreeItem item, bool textOnly) const override;
    TreeHitTest HitTest(Point client) const override;
    void WarmUp() override;

    /// Runs the custom-draw stages over the shown items onto `dc`, and marks the focus.
    void PaintOverlay(wxDC& dc);
    /// Gives the items in view that were made without their text their text.
    void ShowTextsInView();
    /// The platform's text of a toolkit item, whether it shows it yet or not.
    std::wstring TextOf(wxTreeItemId id) const;

private:
    /// The items shown, top to bottom: the roots and the children of expanded items.
    std::vector<wxTreeItemId> ShownItems() const;
    void OnChar(wxKeyEvent& event);
    /// Selects the next shown item whose text starts with what was typed lately.
    void TypeAhead(wchar_t typed);

    void ShowInserted(TreeItem parent, TreeItem item, std::size_t position) override;
    void ShowCleared() override;
    void ShowUnselected() override { Tree().Unselect(); }
    void ShowDeleting(TreeItem item) override;
    void ShowRenamed(TreeItem item) override;
    void ShowExpanded(TreeItem item) override { Tree().Expand(Native(item)); }
    void ShowSorted(TreeItem item) override;
    void ScrollTo(TreeItem item) override { Tree().EnsureVisible(Native(item)); }
    void OpenAncestors(TreeItem item) override;
    void Redrawn() override { ShowTextsInView(); }
    wxTreeCtrl& Tree() const;
    /// The item made in the toolkit's tree first (with its ancestors) where it is not yet.
    wxTreeItemId Native(TreeItem item);
    /// The item's toolkit counterpart; not ok while it has none.
    wxTreeItemId NativeIfShown(TreeItem item) const;
    TreeItem Handle(wxTreeItemId id) const;
    /// Makes the children of a shown item in the toolkit's tree, once.
    void ShowChildren(std::uintptr_t item);
    wxTreeItemId ShowItem(std::uintptr_t item, wxTreeItemId parent, std::size_t position);
    void ShowText(TreeItem item);

    wxTreeItemId m_root;
    std::wstring m_typed;
    std::chrono::steady_clock::time_point m_lastTyped;
};

} // namespace platform::wx
