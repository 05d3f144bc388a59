// kor known-systems cache: the registry's lists of systems and datums kept in a file
// between runs, valid for one registry database only.
#pragma once

#include "SystemCategories.h"

#include "kor/KnownCatalogue.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kor {

/// What a cached list was read from: a change of any part makes the cache stale.
struct RegistryIdentity {
    std::string databasePath;
    std::uintmax_t size = 0;
    long long modified = 0;
    std::string epsgVersion;
    /// The methods the catalogue can build, which decide which systems are listed.
    std::string methods;

    bool operator==(RegistryIdentity const&) const = default;
};

/// What a cold start reads of the registry, and what the cache keeps of it.
struct RegistryLists {
    /// Each named as the browser files it (CategorizedNames).
    std::vector<CategoryInput> systems;
    std::vector<KnownDatum> datums;
    /// For each datum, the geographic system its shift to WGS 84 is looked up from.
    std::vector<int> datumGeographicCodes;
};

/// The identity of the database at `databasePath`; `epsgVersion` and `methods` as given.
RegistryIdentity IdentifyRegistry(std::string const& databasePath, std::string epsgVersion,
                                  std::string methods);

/// `$XDG_CACHE_HOME/GridloreUI/known-systems.cache`, else under `~/.cache`.
std::filesystem::path KnownSystemsCachePath();

/// The lists cached in `path` for `identity`; nothing when the file is missing, stale,
/// damaged or unreadable (the caller reads the registry instead). An identity without an
/// `epsgVersion` takes the cached one when the rest is the same: the version is read from
/// the database file, which is unchanged while its path, size and time are, so a start
/// from the cache need not open the database to learn it.
std::optional<RegistryLists> ReadKnownSystemsCache(std::filesystem::path const& path,
                                                   RegistryIdentity const& identity);

/// Replaces `path` atomically with `lists` for `identity`. A cache that cannot be written
/// is only logged: the lists are read from the registry next time.
void WriteKnownSystemsCache(std::filesystem::path const& path, RegistryIdentity const& identity,
                            RegistryLists const& lists);

} // namespace kor
