#include "korfile/IsReferenceFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <string>

namespace korfile {
namespace {

/// Files beyond this size are no coordinate-reference files; detection reads no further.
constexpr std::size_t maxDetectedSize = std::size_t{16} << 20;

std::string_view SkipLeadingSpaceAndMark(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0)
        text.remove_prefix(1);
    return text;
}

std::string UpperKeyword(std::string_view text) {
    std::string keyword;
    for (char const ch : text) {
        if (std::isalnum(static_cast<unsigned char>(ch)) == 0 && ch != '_')
            break;
        keyword.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(ch))));
    }
    return keyword;
}

bool StartsWithWktKeyword(std::string_view text) {
    static constexpr std::array<std::string_view, 20> keywords = {
        "PROJCS",         "GEOGCS",      "GEOCCS",       "COMPD_CS",    "LOCAL_CS",
        "VERT_CS",        "PROJCRS",     "PROJECTEDCRS", "GEOGCRS",     "GEOGRAPHICCRS",
        "GEODCRS",        "GEODETICCRS", "BOUNDCRS",     "COMPOUNDCRS", "ENGCRS",
        "ENGINEERINGCRS", "VERTCRS",     "VERTICALCRS",  "BASEGEODCRS", "DERIVEDPROJCRS",
    };
    std::string const keyword = UpperKeyword(text);
    if (std::find(keywords.begin(), keywords.end(), keyword) == keywords.end())
        return false;
    std::string_view const rest = SkipLeadingSpaceAndMark(text.substr(keyword.size()));
    return !rest.empty() && (rest.front() == '[' || rest.front() == '(');
}

std::optional<KORFileType> DetectJson(std::string_view text) {
    auto const document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object())
        return std::nullopt;
    if (document.value("format", "") == "QRF2")
        return QRF2;
    // PROJJSON names its object kind in "type" and usually carries its schema.
    if (document.contains("type") && document["type"].is_string() &&
        document["type"].get<std::string>().ends_with("CRS"))
        return WKT;
    return std::nullopt;
}

} // namespace

wchar_t const* FileTypeName(KORFileType type) {
    switch (type) {
    case QRF:
        return L"QRF";
    case QRF2:
        return L"QRF2";
    case WKT:
        return L"well-known text";
    case AuxXml:
        return L"ESRI .aux.xml";
    }
    return L"unknown";
}

std::optional<KORFileType> DetectFileTypeByContent(std::string_view content) {
    std::string_view const text = SkipLeadingSpaceAndMark(content);
    if (text.starts_with("{"))
        return DetectJson(text);
    if (text.starts_with("<"))
        return text.find("<PAMDataset") != std::string_view::npos ? std::optional(AuxXml)
                                                                  : std::nullopt;
    if (UpperKeyword(text) == "QRF")
        return QRF;
    if (StartsWithWktKeyword(text))
        return WKT;
    return std::nullopt;
}

std::vector<KORFileType> FileTypesByExtension(std::filesystem::path const& path) {
    std::string name = path.filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    if (name.ends_with(".aux.xml"))
        return {AuxXml};
    if (name.ends_with(".qrf2"))
        return {QRF2};
    if (name.ends_with(".qrf"))
        return {QRF};
    if (name.ends_with(".prj") || name.ends_with(".wkt") || name.ends_with(".json"))
        return {WKT};
    return {};
}

void IsReferenceFile(std::filesystem::path const& path, std::vector<KORFileType>& byContent,
                     std::vector<KORFileType>& byExtension) {
    byContent.clear();
    byExtension = FileTypesByExtension(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return;
    std::uintmax_t const size = std::filesystem::file_size(path, error);
    if (error)
        return;
    std::ifstream file(path, std::ios::binary);
    std::string content(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxDetectedSize)),
                        '\0');
    file.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(file.gcount()));
    if (auto const type = DetectFileTypeByContent(content))
        byContent.push_back(*type);
}

} // namespace korfile
