#include "platform/FileDialog.h"

#include <algorithm>
#include <cwctype>
#include <optional>

namespace platform {

namespace {

/// ".prj" of "*.prj"; nothing for "*.*", "*.a;*.b" or a pattern that is no extension.
std::optional<std::wstring> ExtensionOf(FileFilter const& filter) {
    std::wstring const& pattern = filter.pattern;
    if (pattern.size() < 3 || pattern.compare(0, 2, L"*.") != 0 ||
        pattern.find_first_of(L"*?;", 1) != std::wstring::npos) {
        return std::nullopt;
    }
    return pattern.substr(1);
}

bool EndsWithIgnoringCase(std::wstring const& text, std::wstring const& ending) {
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(),
                      text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

} // namespace

std::wstring NameForFilter(std::wstring const& name, std::vector<FileFilter> const& filters,
                           int index) {
    if (index < 0 || index >= static_cast<int>(filters.size())) {
        return name;
    }
    std::optional<std::wstring> const extension =
        ExtensionOf(filters[static_cast<std::size_t>(index)]);
    if (!extension) {
        return name;
    }
    std::vector<std::wstring> endings;
    for (FileFilter const& filter : filters) {
        if (std::optional<std::wstring> const known = ExtensionOf(filter)) {
            endings.push_back(*known);
            // A dialog or a user that swapped only the last part of ".aux.xml" left ".xml".
            endings.push_back(known->substr(known->rfind(L'.')));
        }
    }
    // The longest ending first, so ".aux.xml" goes whole rather than as ".xml".
    std::sort(endings.begin(), endings.end(),
              [](auto const& a, auto const& b) { return a.size() > b.size(); });
    for (std::wstring const& ending : endings) {
        if (name.size() > ending.size() && EndsWithIgnoringCase(name, ending)) {
            return name.substr(0, name.size() - ending.size()) + *extension;
        }
    }
    return name;
}

} // namespace platform
