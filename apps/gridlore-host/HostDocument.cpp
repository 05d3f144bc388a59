#include "HostDocument.h"

#include "ArgumentError.h"
#include "kor/KORException.h"
#include "korfile/ReferenceFile.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <filesystem>

namespace gridhost {
namespace {

/// Formats to try for a file: what its bytes show first, then what its name says.
std::vector<korfile::KORFileType> CandidateTypes(std::filesystem::path const& path) {
    std::vector<korfile::KORFileType> byContent;
    std::vector<korfile::KORFileType> byExtension;
    korfile::IsReferenceFile(path, byContent, byExtension);
    for (korfile::KORFileType const type : byExtension) {
        if (std::find(byContent.begin(), byContent.end(), type) == byContent.end()) {
            byContent.push_back(type);
        }
    }
    return byContent;
}

Gridlore::CoordinateSystem ReadFile(std::string const& argument) {
    std::vector<korfile::KORFileType> const types = CandidateTypes(argument);
    if (types.empty()) {
        throw ArgumentError("'" + argument +
                            "': not a coordinate-reference file (.qrf2, .qrf, .prj, .wkt, "
                            ".aux.xml)");
    }
    std::unique_ptr<kor::CSDef> const definition =
        korfile::ReadReferenceFile(types.front(), argument, 0.0, 0.0);
    if (!definition) {
        throw ArgumentError("'" + argument + "': the file holds no coordinate system");
    }
    return Gridlore::CoordinateSystem(*definition);
}

bool IsCode(std::wstring const& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

} // namespace

HostDocument::HostDocument(std::vector<std::string> const& inUse,
                           std::optional<std::string> const& current) {
    for (std::string const& argument : inUse.empty() ? DefaultSystems() : inUse) {
        m_inUse.push_back(ReadSystem(argument));
    }
    SetCurrent(current ? ReadSystem(*current) : m_inUse.at(0));
}

void HostDocument::SetCurrent(Gridlore::CoordinateSystem const& system) {
    m_current = system;
    if (m_inUse.Find(system, false) != nullptr) {
        return;
    }
    Gridlore::CoordinateSystemCollection reordered;
    reordered.push_back(system);
    for (Gridlore::CoordinateSystem const& used : m_inUse) {
        reordered.push_back(used);
    }
    m_inUse = std::move(reordered);
}

Gridlore::CoordinateSystem HostDocument::ReadSystem(std::string const& argument) {
    std::wstring const text = shr::Trim(shr::FromUtf8(argument));
    if (text.empty()) {
        throw ArgumentError("an empty system was given");
    }
    try {
        std::error_code error;
        if (std::filesystem::is_regular_file(argument, error)) {
            return ReadFile(argument);
        }
        if (!korfile::FileTypesByExtension(argument).empty()) {
            throw ArgumentError("'" + argument + "': no such file");
        }
        std::wstring const definition = IsCode(text) ? L"EPSG:" + text : text;
        return Gridlore::CoordinateSystem(definition.c_str(), true);
    } catch (kor::KORException const& error) {
        std::string message = shr::ToUtf8(error.Message());
        if (message.find(argument) == std::string::npos) {
            message = "'" + argument + "': " + message;
        }
        throw ArgumentError(message);
    }
}

std::vector<std::string> const& HostDocument::DefaultSystems() {
    static std::vector<std::string> const systems = {"EPSG:4326", "EPSG:32633", "EPSG:3857"};
    return systems;
}

} // namespace gridhost
