#include "HeadlessTree.h"
#include "HeadlessDialog.h"

#include "platform/Error.h"
#include "platform/TreeCtrl.h"

#include <algorithm>

namespace platform::headless {

namespace {

/// Records the icons a custom-draw handler draws.
class RecordingContext final : public DrawContext {
public:
    explicit RecordingContext(std::vector<std::pair<StockIcon, Rect>>& icons)
        : m_icons(icons) {}
    void DrawIcon(StockIcon icon, Rect where) override { m_icons.emplace_back(icon, where); }

private:
    std::vector<std::pair<StockIcon, Rect>>& m_icons;
};

} // namespace

void HeadlessTree::ShowCleared() {
    m_selected = {};
    m_top = 0;
}

void HeadlessTree::Select(TreeItem item) {
    AtOrRoot(item);
    if (item == m_selected) {
        return;
    }
    m_selected = item;
    if (item) {
        EnsureVisible(item);
    }
    AnnounceSelection(item);
}

bool HeadlessTree::IsExpanded(TreeItem item) const {
    return At(item).extra.expanded;
}

std::vector<std::uintptr_t> HeadlessTree::VisibleRows() const {
    std::vector<std::uintptr_t> rows;
    auto const& roots = m_items.At(0).children;
    std::vector<std::uintptr_t> pending(roots.rbegin(), roots.rend());
    while (!pending.empty()) {
        std::uintptr_t const item = pending.back();
        pending.pop_back();
        rows.push_back(item);
        Node const& node = m_items.At(item);
        if (node.extra.expanded) {
            pending.insert(pending.end(), node.children.rbegin(), node.children.rend());
        }
    }
    return rows;
}

int HeadlessTree::Depth(std::uintptr_t item) const {
    int depth = 0;
    for (std::uintptr_t parent = m_items.At(item).parent; parent != 0;
         parent = m_items.At(parent).parent) {
        ++depth;
    }
    return depth;
}

int HeadlessTree::VisibleRowCount() const {
    return std::max(1, m_rect.Height() / RowHeight);
}

Rect HeadlessTree::LabelRect(std::uintptr_t item, int row) const {
    int const left = Indent * (Depth(item) + 1);
    int const width = CharWidth * static_cast<int>(m_items.Text(item).size()) + 4;
    int const top = (row - m_top) * RowHeight;
    return {left, top, left + width, top + RowHeight};
}

void HeadlessTree::EnsureVisible(TreeItem item) {
    for (std::uintptr_t parent = At(item).parent; parent != 0; parent = m_items.At(parent).parent) {
        m_items.At(parent).extra.expanded = true;
    }
    auto const rows = VisibleRows();
    int const row =
        static_cast<int>(std::find(rows.begin(), rows.end(), item.value) - rows.begin());
    if (row < m_top) {
        m_top = row;
    } else if (row >= m_top + VisibleRowCount()) {
        m_top = row - VisibleRowCount() + 1;
    }
}

std::optional<Rect> HeadlessTree::ItemRect(TreeItem item, bool textOnly) const {
    At(item);
    auto const rows = VisibleRows();
    auto const found = std::find(rows.begin(), rows.end(), item.value);
    if (found == rows.end()) {
        return std::nullopt;
    }
    Rect const label = LabelRect(item.value, static_cast<int>(found - rows.begin()));
    if (textOnly) {
        return label;
    }
    return Rect{0, label.top, m_rect.Width(), label.bottom};
}

TreeHitTest HeadlessTree::HitTest(Point client) const {
    if (!GetClientRect().Contains(client)) {
        return {};
    }
    auto const rows = VisibleRows();
    int const row = client.y / RowHeight + m_top;
    if (row >= static_cast<int>(rows.size())) {
        return {};
    }
    std::uintptr_t const item = rows[static_cast<std::size_t>(row)];
    Rect const label = LabelRect(item, row);
    unsigned flags = HitOnRight;
    if (client.x < label.left) {
        flags = HitOnIndent;
    } else if (client.x < label.right) {
        flags = HitOnLabel;
    }
    return {TreeItem{item}, flags};
}

void HeadlessTree::Paint() {
    if (!m_redraw || !m_visible) {
        return;
    }
    m_icons.clear();
    RecordingContext context(m_icons);
    auto const rows = VisibleRows();
    std::size_t const first = std::min(rows.size(), static_cast<std::size_t>(m_top));
    std::size_t const last =
        std::min(rows.size(), first + static_cast<std::size_t>(VisibleRowCount()));
    std::vector<TreeItem> shown;
    for (std::size_t row = first; row < last; ++row) {
        shown.push_back(TreeItem{rows[row]});
    }
    backend::RunCustomDraw(m_id, shown, context, [this](Message& message) { Raise(message); });
}

} // namespace platform::headless
