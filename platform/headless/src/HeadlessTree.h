#pragma once

#include "HeadlessWindow.h"
#include "platform/ModelBackedTree.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform::headless {

/// What the headless tree keeps of an item besides the model's: whether it is open.
struct HeadlessTreeRow {
    bool expanded = false;
};

class HeadlessTree final
    : public backend::ModelBackedTree<HeadlessWindow<backend::NativeTree>, HeadlessTreeRow> {
public:
    using ModelBackedTree::ModelBackedTree;

    TreeItem Selected() const override { return m_selected; }
    void Select(TreeItem item) override;
    bool IsExpanded(TreeItem item) const override;
    void EnsureVisible(TreeItem item) override;
    std::optional<Rect> ItemRect(TreeItem item, bool textOnly) const override;
    TreeHitTest HitTest(Point client) const override;
    /// Nothing is drawn here that would load anything.
    void WarmUp() override {}

    /// Runs the custom-draw stages over the rows shown, if drawing is on.
    void Paint();
    std::vector<std::pair<StockIcon, Rect>> const& PaintedIcons() const { return m_icons; }

    static constexpr int RowHeight = 16;
    static constexpr int Indent = 19;
    static constexpr int CharWidth = 7;

private:
    void ShowInserted(TreeItem, TreeItem, std::size_t) override {}
    void ShowCleared() override;
    void ShowUnselected() override { m_selected = {}; }
    void ShowDeleting(TreeItem) override {}
    void ShowExpanded(TreeItem item) override { At(item).extra.expanded = true; }
    /// The items shown, top to bottom (every ancestor expanded).
    std::vector<std::uintptr_t> VisibleRows() const;
    int Depth(std::uintptr_t item) const;
    Rect LabelRect(std::uintptr_t item, int row) const;
    int VisibleRowCount() const;

    TreeItem m_selected;
    int m_top = 0;
    std::vector<std::pair<StockIcon, Rect>> m_icons;
};

} // namespace platform::headless
