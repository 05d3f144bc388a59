// CRSDlgImpl's commands that load a system from a coordinate-reference file and save the
// current one to a file.
#include "CRSDlgImpl.h"
#include "kor/KORException.h"
#include "korfile/IsReferenceFile.h"
#include "korfile/ReferenceFile.h"
#include "platform/MessageBox.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"
#include "shrgui/CFileDlg.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <filesystem>
#include <optional>

namespace gridui {

namespace {

wchar_t const* const OpenFilter =
    L"All recognized types (QRF2, QRF, PRJ, WKT)|*.qrf2;*.qrf;*.prj;*.wkt;*.aux.xml|"
    L"Orvane QRF2 (*.qrf2)|*.qrf2|Orvane QRF (*.qrf)|*.qrf|ESRI Projection (*.prj)|*.prj|"
    L"Well Known Text (*.wkt)|*.wkt|ESRI .aux.xml (*.aux.xml)|*.aux.xml|All Files (*.*)|*.*||";

wchar_t const* const SaveFilter =
    L"Orvane QRF2 (*.qrf2)|*.qrf2|ESRI Projection (*.prj)|*.prj|Well Known Text (*.wkt)|*.wkt|"
    L"ESRI .aux.xml (*.aux.xml)|*.aux.xml||";

wchar_t const* const LoadErrorCaption = L"Error Loading Coordinate System";
wchar_t const* const SaveErrorCaption = L"Error Writing Coordinate System";

/// The save filter's entries in order; a position beyond them saves QRF2.
struct SaveFormat {
    korfile::KORFileType type;
    wchar_t const* extension;
};
constexpr std::array<SaveFormat, 4> SaveFormats{{
    {korfile::QRF2, L".qrf2"},
    {korfile::WKT, L".prj"},
    {korfile::WKT, L".wkt"},
    {korfile::AuxXml, L".aux.xml"},
}};

SaveFormat SaveFormatAt(int filterIndex) {
    bool const listed = filterIndex >= 0 && filterIndex < static_cast<int>(SaveFormats.size());
    return listed ? SaveFormats[static_cast<std::size_t>(filterIndex)] : SaveFormats.front();
}

/// The type an open filter position names; nothing where the file's content decides.
std::optional<korfile::KORFileType> LoadTypeAt(int filterIndex) {
    switch (filterIndex) {
    case 1:
        return korfile::QRF2;
    case 2:
        return korfile::QRF;
    case 3:
    case 4:
        return korfile::WKT;
    case 5:
        return korfile::AuxXml;
    default:
        return std::nullopt;
    }
}

std::optional<korfile::KORFileType> DetectType(std::filesystem::path const& path) {
    std::vector<korfile::KORFileType> byContent;
    std::vector<korfile::KORFileType> byExtension;
    korfile::IsReferenceFile(path, byContent, byExtension);
    // What the bytes say wins over what the name suggests.
    if (!byContent.empty()) {
        return byContent.front();
    }
    if (!byExtension.empty()) {
        return byExtension.front();
    }
    return std::nullopt;
}

void ShowError(std::wstring const& text, wchar_t const* caption) {
    platform::MessageBox(nullptr, text, caption, platform::MB_ICONEXCLAMATION);
}

bool EndsWithIgnoringCase(std::wstring const& text, std::wstring const& ending) {
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(),
                      text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

bool IsAllowedInFileName(wchar_t c) {
    bool const letter = (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
    bool const digit = c >= L'0' && c <= L'9';
    return letter || digit || std::wstring_view(L"_-+() ").find(c) != std::wstring_view::npos;
}

} // namespace

void CRSDlgImpl::OnLoadFromFile() {
    std::wstring path;
    std::optional<korfile::KORFileType> type;
    {
        shrgui::CFileOpenDlg dialog(nullptr, nullptr, OpenFilter, false, false, nullptr, nullptr);
        if (dialog.DoModal() != platform::IDOK) {
            return;
        }
        type = LoadTypeAt(dialog.GetFilterIndex());
        path = dialog.GetPathName();
    }
    std::filesystem::path const file(shr::ToUtf8(path));
    if (!type) {
        type = DetectType(file);
    }
    if (!type) {
        ShowError(L"We were unable to automatically determine the file format of '" + path +
                      L"'.  If you know the file's format, you may select that format in the "
                      L"'Files of Type' control when loading the file.",
                  LoadErrorCaption);
        return;
    }
    try {
        std::unique_ptr<kor::CSDef> const definition =
            korfile::ReadReferenceFile(*type, file, 0.0, 0.0);
        if (definition == nullptr) {
            ShowError(L"No coordinate system information was found in '" + path +
                          L"'.  The coordinate system information may be missing, or it may be "
                          L"in a format that is not recognized by this software.",
                      LoadErrorCaption);
            return;
        }
        m_current = Gridlore::CoordinateSystem(*definition);
        m_currentIsKnown = false;
    } catch (kor::KORException const& error) {
        ShowError(L"The following error occurred while reading the coordinate system file:\n\n" +
                      error.Message(),
                  LoadErrorCaption);
        return;
    }
    // Outside the reading: the custom systems' file failing is not this file's fault.
    AddCustomSystem();
}

std::wstring CRSDlgImpl::ProposedFileName(std::wstring const& name) {
    std::wstring proposed = name;
    if (std::size_t const bar = name.rfind(L'|'); bar != std::wstring::npos) {
        proposed = shr::Trim(name.substr(bar + 1));
    }
    if (proposed.empty()) {
        proposed = L"saved";
    }
    std::replace_if(
        proposed.begin(), proposed.end(), [](wchar_t c) { return !IsAllowedInFileName(c); }, L'-');
    return proposed + SaveFormats.front().extension;
}

std::wstring CRSDlgImpl::SavePathForFilter(std::wstring const& path, int filterIndex) {
    std::size_t const separator = path.find_last_of(L"/\\");
    std::size_t const nameStart = separator == std::wstring::npos ? 0 : separator + 1;
    std::wstring const extension = SaveFormatAt(filterIndex).extension;
    if (path.find(L'.', nameStart) == std::wstring::npos) {
        return path + extension;
    }
    // A dialog that swaps only the last part of ".aux.xml" leaves ".xml" behind.
    std::array<std::wstring, SaveFormats.size() + 1> formatEndings{L".xml"};
    std::transform(SaveFormats.begin(), SaveFormats.end(), formatEndings.begin() + 1,
                   [](SaveFormat const& format) { return format.extension; });
    std::sort(formatEndings.begin(), formatEndings.end(),
              [](auto const& a, auto const& b) { return a.size() > b.size(); });
    for (std::wstring const& ending : formatEndings) {
        if (EndsWithIgnoringCase(path, ending) && path.size() - ending.size() > nameStart) {
            return path.substr(0, path.size() - ending.size()) + extension;
        }
    }
    return path;
}

void CRSDlgImpl::OnSaveToFile() {
    kor::CSDef const* definition = m_current.GetCSDef();
    if (definition == nullptr) {
        return;
    }
    std::wstring const proposed = ProposedFileName(definition->GetName());
    shrgui::CFileSaveDlg dialog(nullptr, proposed.c_str(), SaveFilter, false, nullptr);
    if (dialog.DoModal() != platform::IDOK) {
        return;
    }
    int const filterIndex = dialog.GetFilterIndex();
    std::wstring const path = SavePathForFilter(dialog.GetPathName(), filterIndex);
    try {
        korfile::WriteReferenceFile(*definition, SaveFormatAt(filterIndex).type,
                                    std::filesystem::path(shr::ToUtf8(path)), 0.0, 0.0, true);
    } catch (kor::KORException const& error) {
        ShowError(L"The following error occurred while writing the coordinate system file:\n\n" +
                      error.Message(),
                  SaveErrorCaption);
    }
}

} // namespace gridui
