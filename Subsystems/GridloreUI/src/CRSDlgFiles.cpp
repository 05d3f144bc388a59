// CRSDlgImpl's commands that load a system from a coordinate-reference file and save the
// current one to a file.
#include "CRSDlgImpl.h"
#include "kor/Definitions.h"
#include "kor/KORException.h"
#include "korfile/FormatLosses.h"
#include "korfile/IsReferenceFile.h"
#include "korfile/ReferenceFile.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"
#include "shrgui/CFileDlg.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iterator>
#include <optional>

namespace gridui {

namespace {

wchar_t const* const OpenFilter =
    L"All recognized types (QRF2, QRF, PRJ, WKT)|*.qrf2;*.qrf;*.prj;*.wkt;*.aux.xml|"
    L"Orvane QRF2 (*.qrf2)|*.qrf2|Orvane QRF (*.qrf)|*.qrf|ESRI Projection (*.prj)|*.prj|"
    L"Well Known Text (*.wkt)|*.wkt|ESRI .aux.xml (*.aux.xml)|*.aux.xml|All Files (*.*)|*.*||";

wchar_t const* const LoadErrorCaption = L"Error Loading Coordinate System";
wchar_t const* const SaveErrorCaption = L"Error Writing Coordinate System";
wchar_t const* const LoadTitle = L"Load Coordinate System";
wchar_t const* const SaveTitle = L"Save Coordinate System";

/// The save filter's entries in order; a position beyond them saves QRF2.
struct SaveFormat {
    korfile::KORFileType type;
    wchar_t const* extension;
    wchar_t const* label;
};
constexpr std::array<SaveFormat, 4> SaveFormats{{
    {korfile::QRF2, L".qrf2", L"Orvane QRF2 (*.qrf2)"},
    {korfile::WKT, L".prj", L"ESRI Projection (*.prj)"},
    {korfile::WKT, L".wkt", L"Well Known Text (*.wkt)"},
    {korfile::AuxXml, L".aux.xml", L"ESRI .aux.xml (*.aux.xml)"},
}};

std::size_t SaveFormatPosition(int filterIndex) {
    bool const listed = filterIndex >= 0 && filterIndex < static_cast<int>(SaveFormats.size());
    return listed ? static_cast<std::size_t>(filterIndex) : 0;
}

platform::FileFilter FilterOf(SaveFormat const& format) {
    return {format.label, L"*" + std::wstring(format.extension)};
}

/// The save filter in the toolkit's "label|pattern|...||" form, with the formats at
/// `positions` only.
std::wstring SaveFilterOf(std::vector<std::size_t> const& positions) {
    std::wstring filter;
    for (std::size_t const position : positions) {
        platform::FileFilter const entry = FilterOf(SaveFormats[position]);
        filter += entry.label + L"|" + entry.pattern + L"|";
    }
    return filter + L"|";
}

/// The save formats that can hold `definition` at all; the others are not offered, so
/// that no save fails after the user picked a name.
std::vector<std::size_t> FormatsHolding(kor::CSDef const& definition) {
    std::vector<std::size_t> positions;
    for (std::size_t position = 0; position < SaveFormats.size(); ++position) {
        if (korfile::LossesOf(definition, SaveFormats[position].type).CanHold()) {
            positions.push_back(position);
        }
    }
    return positions;
}

/// Whether the user still wants to save as `format` what it cannot keep: IDYES saves,
/// IDNO goes back to the file dialog, IDCANCEL saves nothing.
int ConfirmLosses(kor::CSDef const& definition, SaveFormat const& format,
                  std::vector<std::wstring> const& lost) {
    std::wstring text = L"A file of the type " + std::wstring(format.label) +
                        L" cannot keep all of '" + kor::PlainLeafName(definition.GetName()) +
                        L"'. The saved file will lack:\n";
    for (std::wstring const& part : lost) {
        text += L"\n    " + part;
    }
    text += L"\n\nSave it anyway? Choose No to pick another type or name, Cancel to save "
            L"nothing.";
    return platform::MessageBox(nullptr, text, SaveTitle,
                                platform::MB_YESNOCANCEL | platform::MB_ICONEXCLAMATION);
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
        dialog.SetTitle(LoadTitle);
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
    std::size_t const position = SaveFormatPosition(filterIndex);
    if (path.find(L'.', nameStart) == std::wstring::npos) {
        return path + SaveFormats[position].extension;
    }
    std::vector<platform::FileFilter> filters;
    std::transform(SaveFormats.begin(), SaveFormats.end(), std::back_inserter(filters), FilterOf);
    return path.substr(0, nameStart) +
           platform::NameForFilter(path.substr(nameStart), filters, static_cast<int>(position));
}

void CRSDlgImpl::OnSaveToFile() {
    kor::CSDef const* definition = m_current.GetCSDef();
    if (definition == nullptr) {
        return;
    }
    std::vector<std::size_t> const offered = FormatsHolding(*definition);
    std::wstring const filter = SaveFilterOf(offered);
    std::wstring proposed = ProposedFileName(definition->GetName());
    std::wstring path;
    std::size_t position = 0;
    for (bool confirmed = false; !confirmed;) {
        shrgui::CFileSaveDlg dialog(nullptr, proposed.c_str(), filter.c_str(), false, nullptr);
        dialog.SetTitle(SaveTitle);
        if (dialog.DoModal() != platform::IDOK) {
            return;
        }
        int const chosen = dialog.GetFilterIndex();
        position = chosen >= 0 && chosen < static_cast<int>(offered.size())
                       ? offered[static_cast<std::size_t>(chosen)]
                       : offered.front();
        path = SavePathForFilter(dialog.GetPathName(), static_cast<int>(position));
        std::vector<std::wstring> const lost =
            korfile::LossesOf(*definition, SaveFormats[position].type).lost;
        int const answer = lost.empty() ? platform::IDYES
                                        : ConfirmLosses(*definition, SaveFormats[position], lost);
        if (answer == platform::IDCANCEL) {
            return;
        }
        confirmed = answer == platform::IDYES;
        // Back in the dialog, which opens in the folder just used on its first type, with
        // the name chosen made that type's.
        proposed = SavePathForFilter(path.substr(path.find_last_of(L"/\\") + 1),
                                     static_cast<int>(offered.front()));
    }
    try {
        korfile::WriteReferenceFile(*definition, SaveFormats[position].type,
                                    std::filesystem::path(shr::ToUtf8(path)), 0.0, 0.0, true);
    } catch (kor::KORException const& error) {
        ShowError(L"The following error occurred while writing the coordinate system file:\n\n" +
                      error.Message(),
                  SaveErrorCaption);
    }
}

} // namespace gridui
