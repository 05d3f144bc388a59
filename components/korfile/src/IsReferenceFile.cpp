#include "korfile/IsReferenceFile.h"

#include "FileError.h"

#include "kor/DefinitionShape.h"
#include "shr/AtomicFile.h"
#include "shr/Exception.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace korfile {
namespace {

/// Files beyond this size are no coordinate-reference files; detection reads no further.
constexpr std::size_t MaxDetectedSize = std::size_t{16} << 20;

/// "QRF" in any case as a word of its own, as the signature line begins.
bool OpensWithQrfSignature(std::string_view text) {
    if (text.size() < 3) {
        return false;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != "QRF"[i]) {
            return false;
        }
    }
    return text.size() == 3 ||
           (std::isalnum(static_cast<unsigned char>(text[3])) == 0 && text[3] != '_');
}

std::optional<KORFileType> DetectJson(std::string_view text) {
    auto const document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        return std::nullopt;
    }
    // Members are only looked at when they are texts: a file may hold anything there.
    auto const textOf = [&document](char const* key) -> std::string_view {
        auto const member = document.find(key);
        return member != document.end() && member->is_string()
                   ? std::string_view(member->get_ref<std::string const&>())
                   : std::string_view();
    };
    if (textOf("format") == "QRF2") {
        return QRF2;
    }
    // PROJJSON names its object kind in "type" and usually carries its schema.
    if (textOf("type").ends_with("CRS")) {
        return WKT;
    }
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
    std::string_view const text = kor::SkipLeadingSpaceAndMark(content);
    if (text.starts_with("{")) {
        return DetectJson(text);
    }
    if (text.starts_with("<")) {
        return text.find("<PAMDataset") != std::string_view::npos ? std::optional(AuxXml)
                                                                  : std::nullopt;
    }
    if (OpensWithQrfSignature(text)) {
        return QRF;
    }
    if (kor::StartsWithWktKeyword(text)) {
        return WKT;
    }
    return std::nullopt;
}

std::vector<KORFileType> FileTypesByExtension(std::filesystem::path const& path) {
    std::string name = path.filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    if (name.ends_with(".aux.xml")) {
        return {AuxXml};
    }
    if (name.ends_with(".qrf2")) {
        return {QRF2};
    }
    if (name.ends_with(".qrf")) {
        return {QRF};
    }
    if (name.ends_with(".prj") || name.ends_with(".wkt") || name.ends_with(".json")) {
        return {WKT};
    }
    return {};
}

void IsReferenceFile(std::filesystem::path const& path, std::vector<KORFileType>& byContent,
                     std::vector<KORFileType>& byExtension) try {
    byContent.clear();
    byExtension = FileTypesByExtension(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return;
    }
    std::string content;
    try {
        content = shr::ReadFileStart(path, MaxDetectedSize);
    } catch (shr::Exception const&) {
        // What cannot be read shows no content; reading it for real says why.
        return;
    }
    if (auto const type = DetectFileTypeByContent(content)) {
        byContent.push_back(*type);
    }
} catch (...) {
    RethrowNamingFile(path, L"cannot be examined: ");
}

} // namespace korfile
