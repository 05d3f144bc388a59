#include "KnownSystemsCache.h"

#include "NumberRules.h"

#include "shr/AtomicFile.h"
#include "shr/Exception.h"
#include "shr/Logger.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>

namespace kor {

namespace {

// Bumped whenever what a line holds changes, so an older program's cache is not misread.
constexpr std::string_view Magic = "GridloreUI known systems 5";

// path, size, time, version, methods.
constexpr std::size_t IdentityFields = 5;
constexpr std::size_t VersionField = 3;

std::string IdentityLine(RegistryIdentity const& identity) {
    return identity.databasePath + '\t' + std::to_string(identity.size) + '\t' +
           std::to_string(identity.modified) + '\t' + identity.epsgVersion + '\t' +
           identity.methods;
}

// The shortest text that reads back as the same double: exact, and far quicker to write
// for the thousands of bounds than a printf format.
std::string_view Number(double value, std::array<char, 32>& text) {
    auto const end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return {text.data(), static_cast<std::size_t>(end - text.data())};
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

/// The line's `N` tab-separated fields; nothing unless it has exactly that many.
template <std::size_t N>
std::optional<std::array<std::string_view, N>> SplitFields(std::string_view line) {
    std::array<std::string_view, N> fields;
    for (std::size_t i = 0; i < N; ++i) {
        std::size_t const tab = line.find('\t');
        // The last field ends the line; every other one ends at a tab.
        bool const last = i + 1 == N;
        if (last != (tab == std::string_view::npos)) {
            return std::nullopt;
        }
        fields[i] = line.substr(0, tab);
        line.remove_prefix(last ? line.size() : tab + 1);
    }
    return fields;
}

// code, projected, has bounds, west, south, east, north, name, area name, aliases.
constexpr std::size_t SystemFields = 10;

/// No alias of the registry holds one, so the aliases share a field. It is ASCII, which
/// never occurs inside a longer UTF-8 sequence.
constexpr char AliasSeparator = '|';

void SplitAliases(std::string_view joined, std::vector<std::string>& aliases) {
    // Counted first: grown alias by alias, the thousands of lists were copied again and
    // again. Counted by search, which skips a run of letters at once, not letter by letter.
    std::size_t count = joined.empty() ? 0 : 1;
    for (std::size_t at = joined.find(AliasSeparator); at != std::string_view::npos;
         at = joined.find(AliasSeparator, at + 1)) {
        ++count;
    }
    aliases.reserve(count);
    // The writer never writes an empty alias: one read is damage, and is left out.
    shr::ForEachPiece(joined, AliasSeparator, [&aliases](std::string_view alias) {
        aliases.emplace_back(alias);
        return true;
    });
}

/// Fills `system` from `line`; false when the line is no system's.
bool ParseSystem(std::string_view line, CategoryInput& system) {
    auto const fields = SplitFields<SystemFields>(line);
    int projected = 0;
    int bounded = 0;
    if (!fields || !ParseInteger((*fields)[0], system.code) ||
        !ParseInteger((*fields)[1], projected) || !ParseInteger((*fields)[2], bounded) ||
        !ParseDouble((*fields)[3], system.west) || !ParseDouble((*fields)[4], system.south) ||
        !ParseDouble((*fields)[5], system.east) || !ParseDouble((*fields)[6], system.north)) {
        return false;
    }
    system.projected = projected != 0;
    system.hasBounds = bounded != 0;
    system.name = (*fields)[7];
    system.areaName = (*fields)[8];
    SplitAliases((*fields)[9], system.aliases);
    return true;
}

// code, geographic system's code, name.
constexpr std::size_t DatumFields = 3;

struct CachedDatum {
    KnownDatum datum;
    int geographicCode = 0;
};

bool ParseDatum(std::string_view line, CachedDatum& cached) {
    auto const fields = SplitFields<DatumFields>(line);
    if (!fields || !ParseInteger((*fields)[0], cached.datum.code) ||
        !ParseInteger((*fields)[1], cached.geographicCode)) {
        return false;
    }
    cached.datum.name = shr::FromUtf8((*fields)[2]);
    return true;
}

/// A count line, then that many lines `parse` accepts, each read straight into its place in
/// `items`. The count guards against a file cut short, which would otherwise read as a
/// shorter list.
template <typename Item>
bool ReadSection(std::string_view content, std::size_t& at, std::size_t fields,
                 bool (*parse)(std::string_view, Item&), std::vector<Item>& items) {
    auto const countLine = NextLine(content, at);
    int count = 0;
    if (!countLine || !ParseInteger(*countLine, count) || count < 0) {
        return false;
    }
    // A damaged count must not ask for more than the file's lines could fill.
    items.reserve(std::min(static_cast<std::size_t>(count), content.size() / fields));
    for (int i = 0; i < count; ++i) {
        auto const line = NextLine(content, at);
        if (!line || !parse(*line, items.emplace_back())) {
            return false;
        }
    }
    return true;
}

/// Whether the cache's identity line was written for `identity`; see ReadKnownSystemsCache
/// for an identity without a version.
bool SameRegistry(std::string_view line, RegistryIdentity const& identity) {
    if (!identity.epsgVersion.empty()) {
        return line == IdentityLine(identity);
    }
    auto const fields = SplitFields<IdentityFields>(line);
    if (!fields) {
        return false;
    }
    RegistryIdentity cached = identity;
    cached.epsgVersion = (*fields)[VersionField];
    return line == IdentityLine(cached);
}

template <typename Text> bool Writable(Text const& text) {
    // Compared in one pass: find_first_of searched the set anew for every character, and
    // every name of the registry comes through here at each first start. The characters
    // are ASCII, which UTF-8 never uses inside a longer sequence.
    return std::none_of(text.begin(), text.end(),
                        [](auto ch) { return ch == '\t' || ch == '\r' || ch == '\n'; });
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

std::optional<RegistryLists> ReadKnownSystemsCache(std::filesystem::path const& path,
                                                   RegistryIdentity const& identity) {
    std::string content;
    try {
        content = shr::ReadWholeFile(path);
    } catch (shr::Exception const& error) {
        // A missing cache is the first start; anything else there is set aside like a
        // damaged one, and said so.
        std::error_code ignored;
        if (std::filesystem::symlink_status(path, ignored).type() !=
            std::filesystem::file_type::not_found) {
            shr::ProcessLogger.Send(shr::LogWarning,
                                    L"The known-systems cache %ls; the lists are read from the "
                                    L"registry.",
                                    error.message.c_str());
        }
        return std::nullopt;
    }
    std::size_t at = 0;
    auto const magic = NextLine(content, at);
    auto const identityLine = NextLine(content, at);
    if (magic != Magic || !identityLine || !SameRegistry(*identityLine, identity)) {
        return std::nullopt;
    }
    RegistryLists lists;
    std::vector<CachedDatum> datums;
    if (!ReadSection(content, at, SystemFields, ParseSystem, lists.systems) ||
        !ReadSection(content, at, DatumFields, ParseDatum, datums) || at < content.size()) {
        shr::ProcessLogger.Send(shr::LogInfo,
                                L"The known-systems cache '%ls' is damaged; the lists are read "
                                L"from the registry.",
                                shr::FromUtf8(path.string()).c_str());
        return std::nullopt;
    }
    for (CachedDatum& cached : datums) {
        lists.datums.push_back(std::move(cached.datum));
        lists.datumGeographicCodes.push_back(cached.geographicCode);
    }
    return lists;
}

void WriteKnownSystemsCache(std::filesystem::path const& path, RegistryIdentity const& identity,
                            RegistryLists const& lists) {
    std::string content;
    // About what a line takes with its area and aliases: grown as it is written, the text
    // was copied again and again.
    content.reserve(lists.systems.size() * 256 + lists.datums.size() * 48);
    content.append(Magic).append("\n").append(IdentityLine(identity)).append("\n");
    content.append(std::to_string(lists.systems.size())).append("\n");
    for (CategoryInput const& system : lists.systems) {
        // A name the format cannot hold leaves the lists uncached rather than misread.
        std::string aliases;
        for (std::string const& alias : system.aliases) {
            if (!Writable(alias) || alias.empty() ||
                alias.find(AliasSeparator) != std::string::npos) {
                return;
            }
            if (!aliases.empty()) {
                aliases += AliasSeparator;
            }
            aliases += alias;
        }
        if (!Writable(system.name) || !Writable(system.areaName)) {
            return;
        }
        content.append(std::to_string(system.code)).append("\t");
        content.append(system.projected ? "1\t" : "0\t").append(system.hasBounds ? "1\t" : "0\t");
        std::array<char, 32> number{};
        for (double value : {system.west, system.south, system.east, system.north}) {
            content.append(Number(value, number)).append("\t");
        }
        content.append(system.name).append("\t");
        content.append(system.areaName).append("\t");
        content.append(aliases).append("\n");
    }
    content.append(std::to_string(lists.datums.size())).append("\n");
    for (std::size_t i = 0; i < lists.datums.size(); ++i) {
        KnownDatum const& datum = lists.datums[i];
        if (!Writable(datum.name) || i >= lists.datumGeographicCodes.size()) {
            return;
        }
        content.append(std::to_string(datum.code)).append("\t");
        content.append(std::to_string(lists.datumGeographicCodes[i])).append("\t");
        content.append(shr::ToUtf8(datum.name)).append("\n");
    }
    try {
        std::filesystem::create_directories(path.parent_path());
        shr::ReplaceFileAtomically(path, content);
    } catch (std::exception const& error) {
        shr::ProcessLogger.Send(shr::LogWarning, L"The known-systems cache cannot be written: %ls",
                                shr::UserMessage(error).c_str());
    }
}

} // namespace kor
