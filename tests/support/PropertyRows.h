// PropertyRows: reads a dialog's property grid as the user sees it, on either backend.
#pragma once

#include "platform/Backend.h"
#include "platform/Dialog.h"
#include "platform/Driver.h"

#include <gtest/gtest.h>

#include <string>

namespace propertyrows {

inline platform::backend::NativePropertyGrid& Grid(platform::User& user, platform::ControlId id) {
    return dynamic_cast<platform::backend::NativePropertyGrid&>(
        user.GetDialog().GetDlgItem(id).Native());
}

/// The row at `path` (names joined by "|"); a missing row fails the test and gives 0.
inline platform::backend::PropertyHandle Row(platform::User& user, platform::ControlId id,
                                             std::wstring const& path) {
    platform::backend::PropertyHandle const row = Grid(user, id).Find(path);
    if (row == 0) {
        ADD_FAILURE() << "the grid has no row at the path given";
    }
    return row;
}

/// The text the row at `path` shows.
inline std::wstring Text(platform::User& user, platform::ControlId id, std::wstring const& path) {
    platform::backend::PropertyHandle const row = Row(user, id, path);
    return row != 0 ? Grid(user, id).DisplayText(row) : L"(missing)";
}

/// The unit the row at `path` shows after its value; empty when it shows none.
inline std::wstring Units(platform::User& user, platform::ControlId id, std::wstring const& path) {
    platform::backend::PropertyHandle const row = Row(user, id, path);
    return row != 0 ? Grid(user, id).Units(row) : L"(missing)";
}

/// Whether the row at `path` is the selected one.
inline bool IsSelected(platform::User& user, platform::ControlId id, std::wstring const& path) {
    auto const& grid = Grid(user, id);
    return grid.Find(path) != 0 && grid.Selected() == grid.Find(path);
}

} // namespace propertyrows
