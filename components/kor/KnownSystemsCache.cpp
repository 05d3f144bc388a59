#include "KnownSystemsCache.h"

#include "shr/AtomicFile.h"
#include "shr/Exception.h"
#include "shr/Logger.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace kor {

namespace {

// Bumped whenever what a line holds changes, so an older program's cache is not misread.
constexpr std::string_view Magic = "GridloreUI known systems 2";

std::string IdentityLine(RegistryIdentity const& identity) {
    return identity.databasePath + '\t' + std::to_string(identity.size) + '\t' +
           std::to_string(identity.modified) + '\t' + identity.epsgVersion + '\t' +
           identity.methods;
}

// "%.17g" gives every double back exactly.
std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

bool ParseNumber(std::string_view field, double& value) {
    auto const [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size();
}

bool ParseInteger(std::string_view field, int& value) {
    auto const [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size();
}

/// The line of `content` that starts at `at`, without its line feed; `at` moves past it.
/// Nothing once `content` is used up. The cache is read on every cold start, so its
/// thousands of lines are read in place, never copied.
std::optional<std::string_view> NextLine(std::string_view content, std::size_t& at) {
    if (at >= content.size()) {
        return std::nullopt;
    }
    std::size_t const end = std::min(content.find('\n', at), content.size());
    std::string_view const line = content.substr(at, end - at);
    at = end + 1;
    return line;
}

// code, projected, has bounds, west, south, east, north, name, area name.
constexpr std::size_t FieldCount = 9;

std::optional<CategoryInput> ParseSystem(std::string_view line) {
    std::array<std::string_view, FieldCount> fields;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        std::size_t const tab = line.find('\t');
        // The last field ends the line; every other one ends at a tab.
        bool const last = i + 1 == FieldCount;
        if (last != (tab == std::string_view::npos)) {
            return std::nullopt;
        }
        fields[i] = line.substr(0, tab);
        line.remove_prefix(last ? line.size() : tab + 1);
    }
    CategoryInput system;
    int projected = 0;
    int bounded = 0;
    if (!ParseInteger(fields[0], system.code) || !ParseInteger(fields[1], projected) ||
        !ParseInteger(fields[2], bounded) || !ParseNumber(fields[3], system.west) ||
        !ParseNumber(fields[4], system.south) || !ParseNumber(fields[5], system.east) ||
        !ParseNumber(fields[6], system.north)) {
        return std::nullopt;
    }
    system.projected = projected != 0;
    system.hasBounds = bounded != 0;
    system.name = shr::FromUtf8(fields[7]);
    system.areaName = shr::FromUtf8(fields[8]);
    return system;
}

bool Writable(std::wstring const& text) {
    return text.find_first_of(L"\t\r\n") == std::wstring::npos;
}

} // namespace

RegistryIdentity IdentifyRegistry(std::string const& databasePath, std::string epsgVersion,
                                  std::string methods) {
    RegistryIdentity identity;
    identity.databasePath = databasePath;
    identity.epsgVersion = std::move(epsgVersion);
    identity.methods = std::move(methods);
    std::error_code error;
    identity.size = std::filesystem::file_size(databasePath, error);
    auto const modified = std::filesystem::last_write_time(databasePath, error);
    if (!error) {
        identity.modified = modified.time_since_epoch().count();
    }
    return identity;
}

std::filesystem::path KnownSystemsCachePath() {
    std::filesystem::path base;
    if (char const* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache != '\0') {
        base = cache;
    } else if (char const* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = std::filesystem::path(home) / ".cache";
    } else {
        base = std::filesystem::temp_directory_path();
    }
    return base / "GridloreUI" / "known-systems.cache";
}

std::optional<std::vector<CategoryInput>> ReadKnownSystemsCache(std::filesystem::path const& path,
                                                                RegistryIdentity const& identity) {
    std::string content;
    try {
        content = shr::ReadWholeFile(path);
    } catch (shr::Exception const&) {
        return std::nullopt;
    }
    std::size_t at = 0;
    auto const magic = NextLine(content, at);
    auto const identityLine = NextLine(content, at);
    auto const countLine = NextLine(content, at);
    // The count guards against a file cut short, which would otherwise read as a shorter list.
    int count = 0;
    if (magic != Magic || identityLine != IdentityLine(identity) || !countLine ||
        !ParseInteger(*countLine, count) || count < 0) {
        return std::nullopt;
    }
    std::vector<CategoryInput> systems;
    // A damaged count must not ask for more than the file's lines could fill.
    systems.reserve(std::min(static_cast<std::size_t>(count), content.size() / FieldCount));
    while (auto const line = NextLine(content, at)) {
        auto system = ParseSystem(*line);
        if (!system) {
            shr::g_Logger.Send(shr::LogInfo,
                               L"The known-systems cache '%ls' is damaged; the list "
                               L"is read from the registry.",
                               shr::FromUtf8(path.string()).c_str());
            return std::nullopt;
        }
        systems.push_back(std::move(*system));
    }
    if (systems.size() != static_cast<std::size_t>(count)) {
        return std::nullopt;
    }
    return systems;
}

void WriteKnownSystemsCache(std::filesystem::path const& path, RegistryIdentity const& identity,
                            std::vector<CategoryInput> const& systems) {
    std::string content;
    content.reserve(systems.size() * 96);
    content.append(Magic).append("\n").append(IdentityLine(identity)).append("\n");
    content.append(std::to_string(systems.size())).append("\n");
    for (CategoryInput const& system : systems) {
        // A name the format cannot hold leaves the list uncached rather than misread.
        if (!Writable(system.name) || !Writable(system.areaName)) {
            return;
        }
        content.append(std::to_string(system.code)).append("\t");
        content.append(system.projected ? "1\t" : "0\t").append(system.hasBounds ? "1\t" : "0\t");
        for (double value : {system.west, system.south, system.east, system.north}) {
            content.append(Number(value)).append("\t");
        }
        content.append(shr::ToUtf8(system.name)).append("\t");
        content.append(shr::ToUtf8(system.areaName)).append("\n");
    }
    try {
        std::filesystem::create_directories(path.parent_path());
        shr::ReplaceFileAtomically(path, content);
    } catch (std::exception const& error) {
        shr::g_Logger.Send(shr::LogWarning, L"The known-systems cache cannot be written: %ls",
                           shr::FromUtf8(error.what()).c_str());
    }
}

} // namespace kor
