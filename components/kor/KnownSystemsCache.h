// kor known-systems cache: the registry's list of systems kept in a file between runs,
// valid for one registry database only.
#pragma once

#include "SystemCategories.h"

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

/// The identity of the database at `databasePath`; `epsgVersion` and `methods` as given.
RegistryIdentity IdentifyRegistry(std::string const& databasePath, std::string epsgVersion,
                                  std::string methods);

/// `$XDG_CACHE_HOME/GridloreUI/known-systems.cache`, else under `~/.cache`.
std::filesystem::path KnownSystemsCachePath();

/// The systems cached in `path` for `identity`; nothing when the file is missing, stale,
/// damaged or unreadable (the caller reads the registry instead).
std::optional<std::vector<CategoryInput>> ReadKnownSystemsCache(std::filesystem::path const& path,
                                                                RegistryIdentity const& identity);

/// Replaces `path` atomically with `systems` for `identity`. A cache that cannot be
/// written is only logged: the list is read from the registry next time.
void WriteKnownSystemsCache(std::filesystem::path const& path, RegistryIdentity const& identity,
                            std::vector<CategoryInput> const& systems);

} // namespace kor
