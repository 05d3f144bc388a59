// platform::backend::ModelBackedTree: what a tree window answers from its items alone, the
// same on every backend.
#pragma once

#include "platform/Backend.h"
#include "platform/Error.h"
#include "platform/TreeModel.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::backend {

/// A backend's tree window (`Window`, which implements NativeTree) whose items live in a
/// TreeModel, each with the backend's `Extra`. Reading the items and their data needs no
/// toolkit, so it is written here once; the backend adds what its toolkit shows.
template <typename Window, typename Extra> class ModelBackedTree : public Window {
public:
    using Window::Window;

    void SetData(TreeItem item, std::uintptr_t data) override { At(item).data = data; }
    std::uintptr_t GetData(TreeItem item) const override { return At(item).data; }
    std::wstring GetItemText(TreeItem item) const override { return At(item).text; }

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

protected:
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
