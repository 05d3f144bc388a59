// platform file dialogs: choosing a file to open or a name to save under.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

/// One entry of a file dialog's type list; `pattern` may hold several globs split by ";".
struct FileFilter {
    std::wstring label;
    std::wstring pattern;
    bool operator==(FileFilter const&) const = default;
};

struct FileDialogRequest {
    bool save = false;
    std::wstring initialName;
    std::vector<FileFilter> filters;
};

/// The chosen full path and the zero-based position of the chosen filter.
struct FileChoice {
    std::wstring path;
    int filterIndex = 0;
    bool operator==(FileChoice const&) const = default;
};

/// Runs the backend's file dialog; empty when the user cancelled.
std::optional<FileChoice> ChooseFile(FileDialogRequest const& request);

} // namespace platform
