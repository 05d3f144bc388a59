// Where sorted insertion puts an item among its siblings, the same on every backend.
#pragma once

#include "platform/TreeCtrl.h"

#include <algorithm>
#include <string>
#include <vector>

namespace platform::backend {

/// Before the first sibling whose text sorts after `text`. While the siblings are known
/// to be `inOrder` that place is found by halves; once the program has broken the order
/// (a rename, an insert at the ends) it is found by walking them.
template <typename Handle, typename TextOf>
typename std::vector<Handle>::iterator SortedPlace(std::vector<Handle>& siblings, bool inOrder,
                                                   std::wstring const& text, TextOf const& textOf) {
    auto const sortsAfter = [&](Handle const& sibling) {
        return TreeCtrl::CompareItemText(text, textOf(sibling)) < 0;
    };
    if (!inOrder) {
        return std::find_if(siblings.begin(), siblings.end(), sortsAfter);
    }
    return std::partition_point(siblings.begin(), siblings.end(),
                                [&](Handle const& sibling) { return !sortsAfter(sibling); });
}

/// Whether `text` keeps the siblings in order with the sibling before `place` and the one
/// at `next`: for an insertion both are where the text goes, for a rename `next` is one
/// past the renamed item.
template <typename Handle, typename TextOf>
bool FitsBetween(std::vector<Handle> const& siblings,
                 typename std::vector<Handle>::const_iterator place,
                 typename std::vector<Handle>::const_iterator next, std::wstring const& text,
                 TextOf const& textOf) {
    return (place == siblings.begin() ||
            TreeCtrl::CompareItemText(textOf(*(place - 1)), text) <= 0) &&
           (next == siblings.end() || TreeCtrl::CompareItemText(text, textOf(*next)) <= 0);
}

} // namespace platform::backend
