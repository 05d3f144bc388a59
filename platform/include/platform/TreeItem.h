// platform::TreeItem: a handle to an item of a tree control.
#pragma once

#include "platform/Export.h"

#include <cstdint>

namespace platform {

/// Null when it names no item. Handles stay valid until their item is deleted.
struct PLATFORM_EXPORT TreeItem {
    std::uintptr_t value = 0;

    explicit operator bool() const { return value != 0; }
    bool operator==(TreeItem const&) const = default;
};

/// Where InsertItem puts a new item among its siblings.
enum class InsertAfter {
    First,
    Last,
    /// In the tree's alphabetical order (see TreeCtrl::CompareItemText).
    Sort,
};

/// Hit-test flags, one bit each, so that a hit on several parts carries them all; OnItem
/// is any of the three parts of an item.
enum TreeHit : unsigned {
    HitNowhere = 1U << 0U,
    HitOnIcon = 1U << 1U,
    HitOnLabel = 1U << 2U,
    HitOnIndent = 1U << 3U,
    HitOnButton = 1U << 4U,
    HitOnRight = 1U << 5U,
    HitOnStateIcon = 1U << 6U,
    HitOnItem = HitOnIcon | HitOnLabel | HitOnStateIcon,
};

struct PLATFORM_EXPORT TreeHitTest {
    TreeItem item;
    unsigned flags = HitNowhere;
};

} // namespace platform
