#include "shrgui/CFileDlg.h"

#include "ToolkitError.h"
#include "platform/Ids.h"
#include "platform/SettingsStore.h"
#include "shr/Utf8.h"

#include <filesystem>

namespace shrgui {

std::vector<platform::FileFilter> ParseFileFilter(std::wstring const& filter) {
    if (filter.size() < 2 || filter.compare(filter.size() - 2, 2, L"||") != 0) {
        SHRGUI_ERROR(L"the file filter \"" + filter + L"\" does not end with \"||\"");
    }
    std::wstring const body = filter.substr(0, filter.size() - 2);
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t const bar = body.find(L'|', start);
        parts.push_back(body.substr(start, bar == std::wstring::npos ? bar : bar - start));
        if (bar == std::wstring::npos) {
            break;
        }
        start = bar + 1;
    }
    if (body.empty() || parts.size() % 2 != 0) {
        SHRGUI_ERROR(L"the file filter \"" + filter + L"\" needs a label and a pattern per entry");
    }
    std::vector<platform::FileFilter> filters;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        if (parts[i].empty() || parts[i + 1].empty()) {
            SHRGUI_ERROR(L"the file filter \"" + filter +
                         L"\" has an entry without a label or pattern");
        }
        filters.push_back({parts[i], parts[i + 1]});
    }
    return filters;
}

CFileDlg::CFileDlg(bool save, wchar_t const* fileName, wchar_t const* filter) {
    m_request.save = save;
    m_request.initialName = fileName != nullptr ? fileName : L"";
    if (filter != nullptr) {
        m_request.filters = ParseFileFilter(filter);
    }
}

int CFileDlg::DoModal() {
    platform::SettingsStore& store = platform::Settings();
    std::wstring const folder = store.GetString(LastFolderSection, LastFolderEntry, L"");
    // A folder removed or unmounted since is forgotten rather than shown as an error.
    std::error_code error;
    bool const usable =
        !folder.empty() && std::filesystem::is_directory(shr::ToUtf8(folder), error);
    m_request.initialFolder = usable ? folder : std::wstring();
    std::optional<platform::FileChoice> const choice = platform::ChooseFile(m_request);
    if (!choice) {
        return platform::IDCANCEL;
    }
    m_choice = *choice;
    std::filesystem::path const chosenFolder =
        std::filesystem::path(shr::ToUtf8(m_choice.path)).parent_path();
    if (!chosenFolder.empty()) {
        store.SetString(LastFolderSection, LastFolderEntry, shr::FromUtf8(chosenFolder.string()));
        store.Flush();
    }
    return platform::IDOK;
}

CFileOpenDlg::CFileOpenDlg(platform::Window*, wchar_t const* fileName, wchar_t const* filter, bool,
                           bool, wchar_t const*, wchar_t const*)
    : CFileDlg(false, fileName, filter) {}

CFileSaveDlg::CFileSaveDlg(platform::Window*, wchar_t const* fileName, wchar_t const* filter, bool,
                           wchar_t const*)
    : CFileDlg(true, fileName, filter) {}

} // namespace shrgui
