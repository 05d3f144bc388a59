// platform::TreeCtrl: a tree of text items carrying data, with selection notifications.
#pragma once

#include "platform/Export.h"
#include "platform/TreeItem.h"
#include "platform/Window.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

namespace backend {
class NativeTree;
}

class PLATFORM_EXPORT TreeCtrl : public Window {
public:
    /// Inserts under `parent` (null for the root). A null text is not allowed.
    TreeItem InsertItem(std::wstring const& text, TreeItem parent = {},
                        InsertAfter where = InsertAfter::Last);
    bool DeleteItem(TreeItem item);
    void DeleteAllItems();
    void SetItemData(TreeItem item, std::uintptr_t data);
    std::uintptr_t GetItemData(TreeItem item) const;
    std::wstring GetItemText(TreeItem item) const;
    void SetItemText(TreeItem item, std::wstring const& text);
    TreeItem GetRootItem() const;
    TreeItem GetChildItem(TreeItem item) const;
    /// The first child of `parent` (null: the root) whose text is exactly `text`; null
    /// when there is none.
    TreeItem FindChildItem(TreeItem parent, std::wstring const& text) const;
    TreeItem GetNextSiblingItem(TreeItem item) const;
    TreeItem GetParentItem(TreeItem item) const;
    TreeItem GetSelectedItem() const;
    /// Selects as the caret; the SelChanged notification runs before this returns.
    bool SelectItem(TreeItem item);
    void Expand(TreeItem item);
    bool IsExpanded(TreeItem item) const;
    void EnsureVisible(TreeItem item);
    /// In client coordinates; empty when the item is hidden under a collapsed parent.
    std::optional<Rect> GetItemRect(TreeItem item, bool textOnly) const;
    TreeHitTest HitTest(Point client) const;
    void SortChildren(TreeItem item);
    std::size_t GetCount() const;
    /// Draws off-screen, once, what the toolkit loads only when it first draws it (a
    /// folder's button), so that the first paint that shows it does not wait for that.
    void WarmUp();

    /// The order of sorted insertion, the same on every backend: case-insensitive, runs
    /// of digits by their value ("zone 2N" before "zone 29S"), then by code point; an
    /// item goes after its equals.
    static int CompareItemText(std::wstring_view a, std::wstring_view b);
    /// The same order for texts known to be ASCII, without widening them first.
    static int CompareAsciiItemText(std::string_view a, std::string_view b);

protected:
    bool Accepts(backend::NativeWindow& native) const override;

private:
    backend::NativeTree& Tree() const;
};

} // namespace platform
