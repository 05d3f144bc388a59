// kor list caches: what a known list keeps until another catalogue is installed.
#pragma once

#include "kor/KnownCatalogue.h"

#include <memory>

namespace kor {

/// Positions 0 and 1 of the datum and ellipsoid lists hold placeholders, not entries.
inline constexpr int PlaceholderCount = 2;
inline constexpr wchar_t const* PlaceholderNames[PlaceholderCount] = {L"<unknown>", L"<custom>"};

/// The cache in `slot`, made again by `fill` when another catalogue has been installed
/// since it was made. A Cache has a `generation` member.
template <typename Cache, typename Fill>
Cache& FreshCache(std::shared_ptr<Cache>& slot, Fill&& fill) {
    unsigned const generation = KnownCatalogueGeneration();
    if (!slot || slot->generation != generation) {
        auto cache = std::make_shared<Cache>();
        cache->generation = generation;
        fill(*cache);
        slot = std::move(cache);
    }
    return *slot;
}

} // namespace kor
