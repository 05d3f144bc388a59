// The items of a tree as every backend keeps them: texts, data and children in sibling
// order, with sorted insertion the same everywhere.
#pragma once

#include "platform/Error.h"
#include "platform/TreeCtrl.h"
#include "platform/TreeTexts.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace platform::backend {

/// Handle 0 is the invisible root, the parent of the top-level items; other handles are
/// never reused. Each item carries an `Extra` of the backend's own.
///
/// A search empties the tree and fills it again with thousands of items. The items live
/// in slots that a clear keeps, child lists with their memory, and their texts in one
/// buffer that keeps its room, so a refill reuses them instead of freeing and allocating
/// every one again.
template <typename Extra> class TreeModel {
public:
    struct Node {
        std::uintptr_t data = 0;
        std::uintptr_t parent = 0;
        std::vector<std::uintptr_t> children;
        Extra extra{};
        /// Read through Text: kept in the model's buffer of texts.
        TreeTexts::Place text;
        /// Whether the children's texts are in order, which allows a binary search.
        bool childrenInOrder = true;
        bool alive = true;
    };

    /// Inserts under `parent` and returns the new handle and its position among its
    /// siblings.
    std::pair<std::uintptr_t, std::size_t> Insert(std::uintptr_t parent, InsertAfter where,
                                                  std::wstring const& text) {
        Node& family = At(parent);
        std::vector<std::uintptr_t>& siblings = family.children;
        auto place = siblings.end();
        if (where == InsertAfter::First) {
            place = siblings.begin();
        } else if (where == InsertAfter::Sort) {
            place = SortedPlace(siblings, family.childrenInOrder, text);
        }
        // A sorted place among siblings in order keeps them in order.
        if (where != InsertAfter::Sort) {
            family.childrenInOrder =
                family.childrenInOrder && FitsBetween(siblings, place, place, text);
        }
        std::uintptr_t const handle = m_first + m_used;
        auto const position = static_cast<std::size_t>(place - siblings.begin());
        siblings.insert(place, handle);
        Node& node = NewSlot();
        node.text = m_texts.Add(text);
        node.parent = parent;
        ++m_count;
        return {handle, position};
    }

    /// Removes the item and its descendants.
    void Erase(std::uintptr_t item) {
        std::erase(At(At(item).parent).children, item);
        std::vector<std::uintptr_t> doomed{item};
        while (!doomed.empty()) {
            std::uintptr_t const next = doomed.back();
            doomed.pop_back();
            Node& node = At(next);
            doomed.insert(doomed.end(), node.children.begin(), node.children.end());
            node.alive = false;
            --m_count;
        }
    }

    /// Removes every item but the root, keeping the root's extra.
    void Clear() {
        m_root.children.clear();
        m_root.childrenInOrder = true;
        m_texts.Clear();
        m_first += m_used;
        m_used = 0;
        m_count = 0;
    }

    void Rename(std::uintptr_t item, std::wstring const& text) {
        Node& family = At(At(item).parent);
        auto const place = std::find(family.children.begin(), family.children.end(), item);
        family.childrenInOrder =
            family.childrenInOrder && FitsBetween(family.children, place, place + 1, text);
        At(item).text = m_texts.Add(text);
    }

    std::wstring Text(std::uintptr_t item) const { return m_texts.Get(At(item).text); }

    /// Sorts the children of `item` in the tree's order, equals keeping their order.
    void SortChildren(std::uintptr_t item) {
        Node& family = At(item);
        // Each text widened once, rather than twice at every comparison.
        std::vector<std::pair<std::wstring, std::uintptr_t>> sorted;
        sorted.reserve(family.children.size());
        for (std::uintptr_t const child : family.children) {
            sorted.emplace_back(Text(child), child);
        }
        std::stable_sort(sorted.begin(), sorted.end(), [](auto const& a, auto const& b) {
            return TreeCtrl::CompareItemText(a.first, b.first) < 0;
        });
        std::ranges::transform(sorted, family.children.begin(),
                               [](auto const& entry) { return entry.second; });
        family.childrenInOrder = true;
    }

    /// The first child of `item` whose text is `text` exactly; 0 when there is none.
    /// Only equal texts compare equal, and they sort next to each other in the order they
    /// came, so among children in order the first is found by halves.
    std::uintptr_t FindChild(std::uintptr_t item, std::wstring const& text) const {
        Node const& family = At(item);
        auto const& children = family.children;
        auto const isText = [&](std::uintptr_t child) { return TextOf(child) == text; };
        auto const found = family.childrenInOrder
                               ? std::partition_point(children.begin(), children.end(),
                                                      [&](std::uintptr_t child) {
                                                          return TreeCtrl::CompareItemText(
                                                                     TextOf(child), text) < 0;
                                                      })
                               : std::find_if(children.begin(), children.end(), isText);
        return found != children.end() && isText(*found) ? *found : 0;
    }

    /// 0 when the item has none.
    std::uintptr_t FirstChild(std::uintptr_t item) const {
        auto const& children = At(item).children;
        if (children.empty()) {
            return 0;
        }
        m_walk = {item, 0};
        return children.front();
    }

    /// 0 after the last. Walking all of a parent's children one step after another
    /// costs one step each: the place of the previous step is remembered.
    std::uintptr_t NextSibling(std::uintptr_t item) const {
        std::uintptr_t const parent = At(item).parent;
        auto const& siblings = At(parent).children;
        std::size_t at = m_walk.second;
        if (m_walk.first != parent || at >= siblings.size() || siblings[at] != item) {
            at = static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), item) -
                                          siblings.begin());
        }
        if (at + 1 >= siblings.size()) {
            return 0;
        }
        m_walk = {parent, at + 1};
        return siblings[at + 1];
    }

    bool Contains(std::uintptr_t item) const { return Find(item) != nullptr; }

    /// Raises a platform error for an item the tree does not hold.
    Node const& At(std::uintptr_t item) const {
        Node const* const found = Find(item);
        if (found == nullptr) {
            PLATFORM_ERROR(L"the tree has no item " + std::to_wstring(item));
        }
        return *found;
    }

    Node& At(std::uintptr_t item) { return const_cast<Node&>(std::as_const(*this).At(item)); }

    /// The number of items, the root not counted.
    std::size_t Count() const { return m_count; }

private:
    Node const* Find(std::uintptr_t item) const {
        if (item == 0) {
            return &m_root;
        }
        if (item < m_first || item - m_first >= m_used) {
            return nullptr;
        }
        Node const& node = m_slots[item - m_first];
        return node.alive ? &node : nullptr;
    }

    /// The next slot, as a fresh node whose text and child list keep their memory.
    Node& NewSlot() {
        if (m_used == m_slots.size()) {
            m_slots.emplace_back();
        } else {
            Node& reused = m_slots[m_used];
            reused.data = 0;
            reused.children.clear();
            reused.childrenInOrder = true;
            reused.extra = Extra{};
            reused.alive = true;
        }
        return m_slots[m_used++];
    }

    /// Valid until the next call: a comparison reads one of the model's texts at a time.
    std::wstring_view TextOf(std::uintptr_t item) const {
        return m_texts.View(At(item).text, m_scratch);
    }

    /// Before the first sibling whose text sorts after `text`. While the siblings are
    /// known to be in order that place is found by halves; once the program has broken
    /// the order (a rename, an insert at the ends) it is found by walking them.
    std::vector<std::uintptr_t>::iterator SortedPlace(std::vector<std::uintptr_t>& siblings,
                                                      bool inOrder, std::wstring const& text) {
        auto const sortsAfter = [&](std::uintptr_t sibling) {
            return TreeCtrl::CompareItemText(text, TextOf(sibling)) < 0;
        };
        if (!inOrder) {
            return std::find_if(siblings.begin(), siblings.end(), sortsAfter);
        }
        // Lists often come in order already: then each item goes last, at one comparison.
        if (siblings.empty() || !sortsAfter(siblings.back())) {
            return siblings.end();
        }
        return std::partition_point(siblings.begin(), siblings.end(),
                                    [&](std::uintptr_t sibling) { return !sortsAfter(sibling); });
    }

    /// Whether `text` keeps the siblings in order with the sibling before `place` and
    /// the one at `next`: for an insertion both are where the text goes, for a rename
    /// `next` is one past the renamed item.
    bool FitsBetween(std::vector<std::uintptr_t> const& siblings,
                     std::vector<std::uintptr_t>::const_iterator place,
                     std::vector<std::uintptr_t>::const_iterator next,
                     std::wstring const& text) const {
        return (place == siblings.begin() ||
                TreeCtrl::CompareItemText(TextOf(*(place - 1)), text) <= 0) &&
               (next == siblings.end() || TreeCtrl::CompareItemText(text, TextOf(*next)) <= 0);
    }

    Node m_root;
    TreeTexts m_texts;
    mutable std::wstring m_scratch;
    /// Slot i holds the item whose handle is m_first + i; only the first m_used are in
    /// use since the last clear. A deque keeps every node where it is as slots are added.
    std::deque<Node> m_slots;
    std::uintptr_t m_first = 1;
    std::size_t m_used = 0;
    std::size_t m_count = 0;
    /// The parent and the position of the last child a walk reached.
    mutable std::pair<std::uintptr_t, std::size_t> m_walk{0, 0};
};

} // namespace platform::backend
