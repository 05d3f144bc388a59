#pragma once

#include "HeadlessWindow.h"
#include "platform/TreeModel.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform::headless {

class HeadlessTree final : public HeadlessWindow<backend::NativeTree> {
public:
    using HeadlessWindow::HeadlessWindow;

    TreeItem Insert(TreeItem parent, InsertAfter where, std::wstring const& text) override;
    void Delete(TreeItem item) override;
    void SetData(TreeItem item, std::uintptr_t data) override;
    std::uintptr_t GetData(TreeItem item) const override;
    std::wstring GetItemText(TreeItem item) const override;
    void SetItemText(TreeItem item, std::wstring const& text) override;
    TreeItem Child(TreeItem item) const override;
    TreeItem FindChild(TreeItem parent, std::wstring const& text) const override;
    TreeItem NextSibling(TreeItem item) const override;
    TreeItem ParentItem(TreeItem item) const override;
    TreeItem Selected() const override { return m_selected; }
    void Select(TreeItem item) override;
    void Expand(TreeItem item) override;
    bool IsExpanded(TreeItem item) const override;
    void EnsureVisible(TreeItem item) override;
    std::optional<Rect> ItemRect(TreeItem item, bool textOnly) const override;
    TreeHitTest HitTest(Point client) const override;
    void SortChildren(TreeItem item) override;
    std::size_t Count() const override { return m_items.Count(); }

    /// Runs the custom-draw stages over the rows shown, if drawing is on.
    void Paint();
    std::vector<std::pair<StockIcon, Rect>> const& PaintedIcons() const { return m_icons; }

    static constexpr int RowHeight = 16;
    static constexpr int Indent = 19;
    static constexpr int CharWidth = 7;

private:
    struct Shown {
        bool expanded = false;
    };
    using Items = backend::TreeModel<Shown>;

    void NotifySelChanged();
    /// Raises a platform error for an item the tree does not hold.
    Items::Node& At(TreeItem item);
    Items::Node const& At(TreeItem item) const;
    /// The items shown, top to bottom (every ancestor expanded).
    std::vector<std::uintptr_t> VisibleRows() const;
    int Depth(std::uintptr_t item) const;
    Rect LabelRect(std::uintptr_t item, int row) const;
    int VisibleRowCount() const;

    Items m_items;
    TreeItem m_selected;
    int m_top = 0;
    std::vector<std::pair<StockIcon, Rect>> m_icons;
};

} // namespace platform::headless
