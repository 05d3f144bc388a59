// platform::backend::ModelBackedTree: what a tree window answers from its items alone, the
// same on every backend.
#pragma once

#include "platform/Backend.h"
#include "platform/Error.h"
#include "platform/TreeModel.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform::backend {

/// A backend's tree window (`Window`, which implements NativeTree) whose items live in a
/// TreeModel, each with the backend's `Extra`. Reading and changing the items, and where
/// the selection goes when its item is deleted, need no toolkit, so they are written here
/// once; the backend shows each change and answers what its toolkit lays out.
template <typename Window, typename Extra> class ModelBackedTree : public Window {
public:
    using Window::Window;

    TreeItem Insert(TreeItem parent, InsertAfter where, std::wstring const& text) final {
        AtOrRoot(parent);
        ShowInserting();
        auto const [item, position] = m_items.Insert(parent.value, where, text);
        ShowInserted(parent, TreeItem{item}, position);
        return TreeItem{item};
    }

    void Delete(TreeItem item) final {
        if (!item) {
            // Emptying the tree ends the selection quietly: whoever refills it selects again.
            ShowCleared();
            m_items.Clear();
            return;
        }
        // The toolkit would move the selection to a neighbour of its own; it moves at once
        // to the one a native tree picks, and the dialog hears of it once.
        std::optional<TreeItem> const moveTo = SelectionAfterDelete(*this, item);
        At(item);
        if (moveTo) {
            ShowUnselected();
        }
        ShowDeleting(item);
        m_items.Erase(item.value);
        ShowDeleted();
        if (moveTo && *moveTo) {
            this->Select(*moveTo);
        } else if (moveTo) {
            AnnounceSelection({});
        }
    }

    void SetItemText(TreeItem item, std::wstring const& text) final {
        At(item);
        m_items.Rename(item.value, text);
        ShowRenamed(item);
    }

    void Expand(TreeItem item) final {
        // As on screen, an item with nothing inside has nothing to open.
        if (At(item).children.empty()) {
            return;
        }
        ShowExpanded(item);
    }

    void SortChildren(TreeItem item) final {
        AtOrRoot(item);
        ShowSorting(item);
        m_items.SortChildren(item.value);
        ShowSorted(item);
    }

    void SetData(TreeItem item, std::uintptr_t data) override { At(item).data = data; }
    std::uintptr_t GetData(TreeItem item) const override { return At(item).data; }
    std::wstring GetItemText(TreeItem item) const override {
        At(item);
        return m_items.Text(item.value);
    }

    TreeItem Child(TreeItem item) const override {
        AtOrRoot(item);
        return TreeItem{m_items.FirstChild(item.value)};
    }

    TreeItem FindChild(TreeItem parent, std::wstring const& text) const override {
        AtOrRoot(parent);
        return TreeItem{m_items.FindChild(parent.value, text)};
    }

    TreeItem NextSibling(TreeItem item) const override {
        At(item);
        return TreeItem{m_items.NextSibling(item.value)};
    }

    TreeItem ParentItem(TreeItem item) const override { return TreeItem{At(item).parent}; }
    std::size_t Count() const override { return m_items.Count(); }

    /// What a double click at `screen` does: the first click selects the item there
    /// (when `select`), then the dialog hears of the double click, and a closed item that
    /// was hit opens unless the dialog has ended or the item has gone meanwhile.
    void DoubleClickAt(Point screen, bool select) {
        Point const origin = this->ClientToScreen({0, 0});
        TreeHitTest const hit = this->HitTest({screen.x - origin.x, screen.y - origin.y});
        bool const onItem = hit.item && (hit.flags & HitOnItem) != 0;
        if (select && onItem) {
            this->Select(hit.item);
        }
        Message message{.event = Event::DblClk, .id = this->Id(), .point = screen};
        this->Raise(message);
        if (!this->m_parent->HasEnded() && onItem && m_items.Contains(hit.item.value) &&
            !this->IsExpanded(hit.item)) {
            Expand(hit.item);
        }
    }

protected:
    /// The toolkit hears that an item is about to be made.
    virtual void ShowInserting() {}
    /// The toolkit shows `item`, made under `parent` (null: the top level) at `position`.
    virtual void ShowInserted(TreeItem parent, TreeItem item, std::size_t position) = 0;
    /// The toolkit drops every item and the selection, before the items go.
    virtual void ShowCleared() = 0;
    /// The toolkit's selection ends, quietly, before its item is deleted.
    virtual void ShowUnselected() = 0;
    /// The toolkit drops `item` and what is under it, before the items do.
    virtual void ShowDeleting(TreeItem item) = 0;
    /// The items have dropped what ShowDeleting announced.
    virtual void ShowDeleted() {}
    /// The toolkit shows the item's new text, if it shows its text yet.
    virtual void ShowRenamed(TreeItem) {}
    /// The toolkit opens `item`, which has children.
    virtual void ShowExpanded(TreeItem item) = 0;
    /// The children of `item` (null: the top level) are about to be sorted.
    virtual void ShowSorting(TreeItem) {}
    /// The toolkit shows the children of `item` in their new order.
    virtual void ShowSorted(TreeItem) {}

    /// The dialog hears that the selection is now `selected` (null: none).
    void AnnounceSelection(TreeItem selected) {
        Message message{.event = Event::SelChanged, .id = this->Id(), .item = selected};
        this->Raise(message);
    }

    using Items = TreeModel<Extra>;
    using Node = typename Items::Node;

    /// Raises a platform error naming the tree for an item it does not hold.
    Node& At(TreeItem item) {
        if (!item || !m_items.Contains(item.value)) {
            PLATFORM_ERROR(L"tree " + std::to_wstring(this->Id()) + L" has no such item");
        }
        return m_items.At(item.value);
    }

    Node const& At(TreeItem item) const { return const_cast<ModelBackedTree*>(this)->At(item); }

    /// As At, but a null item stands for the invisible root, the parent of the top level.
    Node& AtOrRoot(TreeItem item) { return item ? At(item) : m_items.At(0); }
    Node const& AtOrRoot(TreeItem item) const { return item ? At(item) : m_items.At(0); }

    Items m_items;
};

} // namespace platform::backend
