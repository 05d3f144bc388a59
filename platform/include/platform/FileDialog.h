// platform file dialogs: choosing a file to open or a name to save under.
#pragma once

#include "platform/Export.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

/// One entry of a file dialog's type list; `pattern` may hold several globs split by ";".
struct PLATFORM_EXPORT FileFilter {
    std::wstring label;
    std::wstring pattern;
    bool operator==(FileFilter const&) const = default;
};

struct PLATFORM_EXPORT FileDialogRequest {
    bool save = false;
    /// The window's title; empty leaves the backend's own.
    std::wstring title;
    /// The folder the dialog opens in; empty opens the working folder.
    std::wstring initialFolder;
    std::wstring initialName;
    std::vector<FileFilter> filters;
};

/// The chosen full path and the zero-based position of the chosen filter.
struct PLATFORM_EXPORT FileChoice {
    std::wstring path;
    int filterIndex = 0;
    bool operator==(FileChoice const&) const = default;
};

/// `name` with its extension changed to that of `filters[index]`, as a save dialog shows
/// it when the user picks that type. Only an extension one of the filters names is
/// replaced (also the last part of a double one, ".xml" of ".aux.xml"), and only where a
/// name stays in front of it; a filter of several patterns or of a wildcard extension,
/// or an index out of range, leaves the name as it is.
PLATFORM_EXPORT std::wstring NameForFilter(std::wstring const& name,
                                           std::vector<FileFilter> const& filters, int index);

/// Runs the backend's file dialog; empty when the user cancelled.
PLATFORM_EXPORT std::optional<FileChoice> ChooseFile(FileDialogRequest const& request);

} // namespace platform
