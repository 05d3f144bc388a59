// shrgui file dialogs: filters in the "Label|pattern|...||" form, zero-based filter index.
#pragma once

#include "platform/FileDialog.h"
#include "shrgui/Export.h"

#include <string>
#include <vector>

namespace platform {
class Window;
}

namespace shrgui {

/// Parses "Label|pattern|Label|pattern||". A string without the closing "||", an entry
/// without its pattern or an empty label is an internal error naming the filter.
SHRGUI_EXPORT std::vector<platform::FileFilter> ParseFileFilter(std::wstring const& filter);

class SHRGUI_EXPORT CFileDlg {
public:
    virtual ~CFileDlg() = default;

    /// The window's title, saying what the file is for.
    void SetTitle(std::wstring const& title) { m_request.title = title; }

    /// IDOK when the user chose a file, IDCANCEL otherwise. The dialog opens in the folder
    /// of the last file chosen in any file dialog (kept in the settings store under
    /// LastFolderSection), else in the working folder.
    int DoModal();
    std::wstring GetPathName() const { return m_choice.path; }
    /// The zero-based position of the chosen filter entry.
    int GetFilterIndex() const { return m_choice.filterIndex; }
    std::vector<platform::FileFilter> const& GetFilters() const { return m_request.filters; }

    static constexpr wchar_t const* LastFolderSection = L"Settings\\FileDialogs";
    static constexpr wchar_t const* LastFolderEntry = L"Folder";

protected:
    CFileDlg(bool save, wchar_t const* fileName, wchar_t const* filter);
    CFileDlg(CFileDlg const&) = default;
    CFileDlg& operator=(CFileDlg const&) = default;

private:
    platform::FileDialogRequest m_request;
    platform::FileChoice m_choice;
};

class SHRGUI_EXPORT CFileOpenDlg final : public CFileDlg {
public:
    CFileOpenDlg(platform::Window* parent, wchar_t const* fileName, wchar_t const* filter,
                 bool flag1 = false, bool flag2 = false, wchar_t const* text1 = nullptr,
                 wchar_t const* text2 = nullptr);
};

class SHRGUI_EXPORT CFileSaveDlg final : public CFileDlg {
public:
    CFileSaveDlg(platform::Window* parent, wchar_t const* fileName, wchar_t const* filter,
                 bool flag = false, wchar_t const* text = nullptr);
};

} // namespace shrgui
