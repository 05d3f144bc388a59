#include "korfile/ReferenceFile.h"
#include "korfile/FormatLosses.h"

#include "AuxXmlSrs.h"
#include "FileError.h"
#include "Qrf2Document.h"
#include "QrfReader.h"
#include "SystemName.h"

#include "kor/Definitions.h"
#include "kor/KORException.h"
#include "shr/AtomicFile.h"
#include "shr/Exception.h"
#include "shr/Utf8.h"

#include <nlohmann/json.hpp>

namespace korfile {
namespace {

using nlohmann::json;

json ParseJson(std::string const& content, std::filesystem::path const& path) {
    try {
        return json::parse(content);
    } catch (json::parse_error const& error) {
        std::wstring const reason =
            content.find_first_not_of(" \t\r\n", error.byte) == std::string::npos
                ? L"is truncated: its JSON ends early"
                : L"is not valid JSON";
        ThrowFileError(path, reason + L" (at byte " + std::to_wstring(error.byte) + L").");
    } catch (json::exception const& error) {
        // Numbers too large for a double, for instance.
        ThrowFileError(path, L"is not valid JSON: " + shr::FromUtf8(error.what()) + L".");
    }
}

/// Reads well-known text through the model, prefixing its reason with the file.
std::unique_ptr<kor::CSDef> DefinitionFromText(std::string const& text,
                                               std::filesystem::path const& path) {
    if (!shr::IsValidUtf8(text)) {
        ThrowFileError(path, L"is not well-known text: it is not UTF-8 text.");
    }
    try {
        auto definition = kor::CreateCSDefByDefinition(shr::FromUtf8(text));
        if (!definition) {
            ThrowFileError(path, L"is empty.");
        }
        return definition;
    } catch (kor::KORException const& error) {
        ThrowFileError(path,
                       L"does not hold a coordinate system that can be read: " + error.Message());
    }
}

void WriteAtomically(std::filesystem::path const& path, std::string const& content,
                     std::function<void(shr::AtomicWriteStep)> const& onStep = {}) {
    try {
        shr::ReplaceFileAtomically(path, content, onStep);
    } catch (shr::Exception const& error) {
        throw kor::KORException(error.message);
    }
}

std::string Qrf2Text(kor::CSDef const& definition) {
    json document = {{"format", "QRF2"}, {"version", Qrf2Version}};
    document["system"] = SystemToJson(definition);
    // Other programs cannot read our document but most read WKT2; a system that WKT2
    // cannot express is still saved whole.
    try {
        document["wkt2"] =
            shr::ToUtf8(kor::ExportDefinition(definition, kor::DefinitionFormat::WKT2));
    } catch (kor::KORException const&) {
    }
    return document.dump(2) + "\n";
}

/// The definition a file of `type` holds, as its format gives it; null when none.
std::unique_ptr<kor::CSDef> ReadFileOfType(KORFileType type, std::filesystem::path const& path) {
    std::string const content = ReadFileForFormat(path);
    switch (type) {
    case QRF:
        return ReadQrf(content, path);
    case QRF2: {
        json const document = ParseJson(content, path);
        CheckQrf2Header(document, path);
        if (!document.contains("system")) {
            ThrowFileError(path, L"is not a valid QRF2 file: it holds no \"system\".");
        }
        return SystemFromJson(document["system"], path, "/system");
    }
    case WKT:
        return DefinitionFromText(content, path);
    case AuxXml: {
        std::optional<std::string> const srs = ReadAuxXmlSrs(content, path);
        if (!srs) {
            return nullptr;
        }
        return DefinitionFromText(*srs, path);
    }
    }
    ThrowFileError(path, L"cannot be read as file type " + std::to_wstring(type) + L".");
}

} // namespace

std::unique_ptr<kor::CSDef> ReadReferenceFile(KORFileType type, std::filesystem::path const& path,
                                              double, double) try {
    std::unique_ptr<kor::CSDef> definition = ReadFileOfType(type, path);
    if (definition != nullptr) {
        NameIfNameless(*definition, NameOfFile(path));
    }
    return definition;
} catch (...) {
    RethrowNamingFile(path, L"cannot be read: ");
}

void WriteReferenceFile(kor::CSDef const& definition, KORFileType type,
                        std::filesystem::path const& path, double, double, bool checkFirst) try {
    std::wstring reason;
    if (checkFirst && !definition.Check(reason)) {
        ThrowFileError(path, L"was not written: the system is not usable: " + reason);
    }
    if (FormatLosses const losses = LossesOf(definition, type); !losses.CanHold()) {
        ThrowFileError(path, L"was not written: " + losses.refusal);
    }
    auto const exported = [&](kor::DefinitionFormat format) {
        try {
            return shr::ToUtf8(kor::ExportDefinition(definition, format));
        } catch (kor::KORException const& error) {
            ThrowFileError(path, L"was not written: " + error.Message());
        }
    };
    switch (type) {
    case QRF2:
        WriteAtomically(path, Qrf2Text(definition));
        return;
    case WKT:
        WriteAtomically(path, exported(kor::DefinitionFormat::WKT1ESRI));
        return;
    case AuxXml: {
        std::string existing;
        std::error_code error;
        if (std::filesystem::exists(path, error)) {
            existing = ReadFileBytes(path);
        }
        WriteAtomically(path,
                        WriteAuxXmlSrs(existing, exported(kor::DefinitionFormat::WKT1ESRI), path));
        return;
    }
    case QRF:
        break;
    }
    // LossesOf refused every other type above.
    ThrowFileError(path, L"was not written: file type " + std::to_wstring(type) + L" is unknown.");
} catch (...) {
    RethrowNamingFile(path, L"was not written: ");
}

std::vector<std::unique_ptr<kor::CSDef>> ReadCollectionFile(std::filesystem::path const& path) try {
    std::vector<std::unique_ptr<kor::CSDef>> systems;
    std::error_code error;
    // Only a file that is not there is an empty collection; a loop of links is told.
    if (!std::filesystem::exists(path, error) && !error) {
        return systems;
    }
    json const document = ParseJson(ReadFileForFormat(path), path);
    CheckQrf2Header(document, path);
    if (!document.contains("systems") || !document["systems"].is_array()) {
        ThrowFileError(path, L"is not a valid collection file: it holds no \"systems\" list.");
    }
    json const& list = document["systems"];
    for (std::size_t i = 0; i < list.size(); ++i) {
        systems.push_back(SystemFromJson(list[i], path, "/systems/" + std::to_string(i)));
        NameIfNameless(*systems.back(), UnnamedSystem);
    }
    return systems;
} catch (...) {
    RethrowNamingFile(path, L"cannot be read: ");
}

void WriteCollectionFile(std::vector<kor::CSDef const*> const& definitions,
                         std::filesystem::path const& path,
                         std::function<void(shr::AtomicWriteStep)> const& onStep) {
    json list = json::array();
    for (kor::CSDef const* definition : definitions) {
        list.push_back(SystemToJson(*definition));
    }
    json const document = {
        {"format", "QRF2"}, {"version", Qrf2Version}, {"systems", std::move(list)}};
    WriteAtomically(path, document.dump(2) + "\n", onStep);
}

} // namespace korfile
