#include "HeadlessWindows.h"

#include "platform/Error.h"
#include "platform/SiblingOrder.h"
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

HeadlessTree::Node& HeadlessTree::At(TreeItem item) {
    auto const found = m_nodes.find(item.value);
    if (found == m_nodes.end()) {
        PLATFORM_ERROR(L"tree " + std::to_wstring(m_id) + L" has no such item");
    }
    return found->second;
}

HeadlessTree::Node const& HeadlessTree::At(TreeItem item) const {
    return const_cast<HeadlessTree*>(this)->At(item);
}

std::vector<std::uintptr_t>& HeadlessTree::ChildrenOf(std::uintptr_t parent) {
    return parent == 0 ? m_roots : At(TreeItem{parent}).children;
}

std::vector<std::uintptr_t> const& HeadlessTree::ChildrenOf(std::uintptr_t parent) const {
    return parent == 0 ? m_roots : At(TreeItem{parent}).children;
}

bool& HeadlessTree::ChildrenInOrder(std::uintptr_t parent) {
    return parent == 0 ? m_rootsInOrder : At(TreeItem{parent}).childrenInOrder;
}

TreeItem HeadlessTree::Insert(TreeItem parent, InsertAfter where, std::wstring const& text) {
    std::vector<std::uintptr_t>& siblings = ChildrenOf(parent.value);
    bool& inOrder = ChildrenInOrder(parent.value);
    auto const textOf = [this](std::uintptr_t sibling) -> std::wstring const& {
        return m_nodes.at(sibling).text;
    };
    auto position = siblings.end();
    if (where == InsertAfter::First) {
        position = siblings.begin();
    } else if (where == InsertAfter::Sort) {
        position = backend::SortedPlace(siblings, inOrder, text, textOf);
    }
    inOrder = inOrder && backend::FitsBetween(siblings, position, position, text, textOf);
    std::uintptr_t const handle = m_next++;
    siblings.insert(position, handle);
    Node& node = m_nodes[handle];
    node.text = text;
    node.parent = parent.value;
    return TreeItem{handle};
}

void HeadlessTree::Delete(TreeItem item) {
    if (!item) {
        m_nodes.clear();
        m_roots.clear();
        m_rootsInOrder = true;
        m_selected = {};
        m_top = 0;
        return;
    }
    // The selection moves to the neighbour a native tree picks, and the dialog hears of it.
    std::optional<TreeItem> const moveTo = backend::SelectionAfterDelete(*this, item);
    std::vector<std::uintptr_t> doomed{item.value};
    std::erase(ChildrenOf(At(item).parent), item.value);
    while (!doomed.empty()) {
        std::uintptr_t const next = doomed.back();
        doomed.pop_back();
        Node& node = At(TreeItem{next});
        doomed.insert(doomed.end(), node.children.begin(), node.children.end());
        if (m_selected.value == next) {
            m_selected = {};
        }
        m_nodes.erase(next);
    }
    if (moveTo && *moveTo) {
        Select(*moveTo);
    } else if (moveTo) {
        NotifySelChanged();
    }
}

void HeadlessTree::SetData(TreeItem item, std::uintptr_t data) {
    At(item).data = data;
}

std::uintptr_t HeadlessTree::GetData(TreeItem item) const {
    return At(item).data;
}

std::wstring HeadlessTree::GetItemText(TreeItem item) const {
    return At(item).text;
}

void HeadlessTree::SetItemText(TreeItem item, std::wstring const& text) {
    std::uintptr_t const parent = At(item).parent;
    std::vector<std::uintptr_t> const& siblings = ChildrenOf(parent);
    auto const position = std::find(siblings.begin(), siblings.end(), item.value);
    bool& inOrder = ChildrenInOrder(parent);
    inOrder =
        inOrder && backend::FitsBetween(siblings, position, position + 1, text,
                                        [this](std::uintptr_t sibling) -> std::wstring const& {
                                            return m_nodes.at(sibling).text;
                                        });
    At(item).text = text;
}

TreeItem HeadlessTree::Child(TreeItem item) const {
    auto const& children = ChildrenOf(item.value);
    return children.empty() ? TreeItem{} : TreeItem{children.front()};
}

TreeItem HeadlessTree::NextSibling(TreeItem item) const {
    auto const& siblings = ChildrenOf(At(item).parent);
    auto const found = std::find(siblings.begin(), siblings.end(), item.value);
    return found + 1 < siblings.end() ? TreeItem{*(found + 1)} : TreeItem{};
}

TreeItem HeadlessTree::ParentItem(TreeItem item) const {
    return TreeItem{At(item).parent};
}

void HeadlessTree::Select(TreeItem item) {
    if (item) {
        At(item);
    }
    if (item == m_selected) {
        return;
    }
    m_selected = item;
    if (item) {
        EnsureVisible(item);
    }
    NotifySelChanged();
}

void HeadlessTree::NotifySelChanged() {
    Message message;
    message.event = Event::SelChanged;
    message.id = m_id;
    message.item = m_selected;
    Raise(message);
}

void HeadlessTree::Expand(TreeItem item) {
    At(item).expanded = true;
}

bool HeadlessTree::IsExpanded(TreeItem item) const {
    return At(item).expanded;
}

std::vector<std::uintptr_t> HeadlessTree::VisibleRows() const {
    std::vector<std::uintptr_t> rows;
    std::vector<std::uintptr_t> pending(m_roots.rbegin(), m_roots.rend());
    while (!pending.empty()) {
        std::uintptr_t const item = pending.back();
        pending.pop_back();
        rows.push_back(item);
        Node const& node = m_nodes.at(item);
        if (node.expanded) {
            pending.insert(pending.end(), node.children.rbegin(), node.children.rend());
        }
    }
    return rows;
}

int HeadlessTree::Depth(std::uintptr_t item) const {
    int depth = 0;
    for (std::uintptr_t parent = m_nodes.at(item).parent; parent != 0;
         parent = m_nodes.at(parent).parent) {
        ++depth;
    }
    return depth;
}

int HeadlessTree::VisibleRowCount() const {
    return std::max(1, m_rect.Height() / RowHeight);
}

Rect HeadlessTree::LabelRect(std::uintptr_t item, int row) const {
    int const left = Indent * (Depth(item) + 1);
    int const width = CharWidth * static_cast<int>(m_nodes.at(item).text.size()) + 4;
    int const top = (row - m_top) * RowHeight;
    return {left, top, left + width, top + RowHeight};
}

void HeadlessTree::EnsureVisible(TreeItem item) {
    for (std::uintptr_t parent = At(item).parent; parent != 0; parent = m_nodes.at(parent).parent) {
        m_nodes.at(parent).expanded = true;
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

void HeadlessTree::SortChildren(TreeItem item) {
    auto& children = ChildrenOf(item.value);
    std::stable_sort(children.begin(), children.end(), [this](auto a, auto b) {
        return TreeCtrl::CompareItemText(m_nodes.at(a).text, m_nodes.at(b).text) < 0;
    });
    ChildrenInOrder(item.value) = true;
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
