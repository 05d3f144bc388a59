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

/// The text the row at `path` (names joined by "|") shows; a missing row fails the test.
inline std::wstring Text(platform::User& user, platform::ControlId id, std::wstring const& path) {
    auto const& grid = Grid(user, id);
    platform::backend::PropertyHandle const row = grid.Find(path);
    if (row == 0) {
        ADD_FAILURE() << "the grid has no row at the path given";
        return L"(missing)";
    }
    return grid.DisplayText(row);
}

/// The unit the row at `path` shows after its value; empty when it shows none.
inline std::wstring Units(platform::User& user, platform::ControlId id, std::wstring const& path) {
    auto const& grid = Grid(user, id);
    platform::backend::PropertyHandle const row = grid.Find(path);
    if (row == 0) {
        ADD_FAILURE() << "the grid has no row at the path given";
        return L"(missing)";
    }
    return grid.Units(row);
}

/// Whether the row at `path` is the selected one.
inline bool IsSelected(platform::User& user, platform::ControlId id, std::wstring const& path) {
    auto const& grid = Grid(user, id);
    return grid.Find(path) != 0 && grid.Selected() == grid.Find(path);
}

} // namespace propertyrows
