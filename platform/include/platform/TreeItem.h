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

/// Hit-test flags; OnItem is any of the three parts of an item.
enum TreeHit : unsigned {
    HitNowhere = 0x1,
    HitOnIcon = 0x2,
    HitOnLabel = 0x4,
    HitOnIndent = 0x8,
    HitOnButton = 0x10,
    HitOnRight = 0x20,
    HitOnStateIcon = 0x40,
    HitOnItem = HitOnIcon | HitOnLabel | HitOnStateIcon,
};

struct PLATFORM_EXPORT TreeHitTest {
    TreeItem item;
    unsigned flags = HitNowhere;
};

} // namespace platform
