#include "kor/SystemList.h"

#include "ListCache.h"
#include "RegistryCatalogue.h"

#include "kor/KORDef.h"
#include "kor/KORException.h"

#include "shr/Logger.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace kor {

SystemList KORKnownSystemsList;

struct SystemList::Cache {
    unsigned generation = 0;
    std::vector<KnownSystem> const* entries = nullptr;
    std::vector<std::unique_ptr<CSDef>> definitions;
    std::vector<bool> failed;
    /// (code, position) by code: sorted once, thousands of entries cost far less than a
    /// node each in a hash map, and a look-up by code is rare.
    std::vector<std::pair<int, int>> byCode;
    /// Views of the entries' own UTF-8 names: a copy of thousands of names would cost
    /// megabytes. Made at the first look-up by name, which a browser that finds its systems
    /// by code never makes.
    std::unordered_map<std::string_view, int> byName;
};

SystemList::Cache& SystemList::Current() const {
    return FreshCache(m_cache, [](Cache& cache) {
        cache.entries = &CurrentKnownCatalogue().Systems();
        cache.definitions.resize(cache.entries->size());
        cache.failed.resize(cache.entries->size());
        cache.byCode.reserve(cache.entries->size());
        int position = 0;
        for (auto const& entry : *cache.entries) {
            if (entry.code > 0) {
                cache.byCode.emplace_back(entry.code, position);
            }
            ++position;
        }
        // Stable, so that of two entries with one code the first listed is found, as the
        // map kept the first one inserted.
        std::stable_sort(cache.byCode.begin(), cache.byCode.end(),
                         [](auto const& a, auto const& b) { return a.first < b.first; });
    });
}

int SystemList::Count() const {
    return static_cast<int>(Current().entries->size());
}

KnownSystem const* SystemList::EnumEntry(int index) const {
    auto const& cache = Current();
    if (index < 0 || index >= static_cast<int>(cache.entries->size())) {
        return nullptr;
    }
    return &(*cache.entries)[index];
}

CSDef const* SystemList::Enum(int index) const {
    auto& cache = Current();
    if (index < 0 || index >= static_cast<int>(cache.entries->size()) || cache.failed[index]) {
        return nullptr;
    }
    if (!cache.definitions[index]) {
        try {
            auto definition = CurrentKnownCatalogue().BuildSystem(static_cast<std::size_t>(index));
            // The list's categorised name is what the browser shows and searches, so
            // the definition carries it whatever the source called it.
            definition->SetName(shr::FromUtf8((*cache.entries)[index].name));
            cache.definitions[index] = std::move(definition);
        } catch (KORException const& error) {
            // Asked again, it would fail again: remember and answer null at once.
            cache.failed[index] = true;
            shr::ProcessLogger.Send(shr::LogDiagnostic, L"Known system '%ls' cannot be built: %ls",
                                    shr::FromUtf8((*cache.entries)[index].name).c_str(),
                                    error.Message().c_str());
            return nullptr;
        }
    }
    return cache.definitions[index].get();
}

std::wstring SystemList::EnumName(int index) const {
    auto const* entry = EnumEntry(index);
    return entry != nullptr ? shr::FromUtf8(entry->name) : std::wstring();
}

int SystemList::EnumType(int index) const {
    auto const* entry = EnumEntry(index);
    return entry != nullptr ? entry->type : 0;
}

int SystemList::EnumPOSC(int index) const {
    auto const* entry = EnumEntry(index);
    return entry != nullptr ? entry->code : 0;
}

int SystemList::FindByPOSC(int code) const {
    auto const& byCode = Current().byCode;
    auto const found =
        std::lower_bound(byCode.begin(), byCode.end(), code,
                         [](auto const& entry, int key) { return entry.first < key; });
    return found == byCode.end() || found->first != code ? -1 : found->second;
}

int SystemList::FindByName(std::wstring_view fullName) const {
    auto& cache = Current();
    if (cache.byName.empty()) {
        int position = 0;
        for (auto const& entry : *cache.entries) {
            cache.byName.emplace(entry.name, position++);
        }
    }
    auto const found = cache.byName.find(shr::ToUtf8(fullName));
    return found == cache.byName.end() ? -1 : found->second;
}

int SystemList::FindSystem(CSDef const* definition, bool verify, bool exhaustive) const {
    if (definition == nullptr) {
        return -1;
    }
    auto const* referenced = dynamic_cast<KORDef const*>(definition);
    // The registry's parts of the known system's own code, unchanged and without a warp,
    // are what the known definition is built from: no need to read both to compare them.
    bool const asListed =
        referenced != nullptr && referenced->GetRegistryPartsCode() > 0 &&
        referenced->GetWarp() == nullptr &&
        dynamic_cast<RegistryCatalogue const*>(&CurrentKnownCatalogue()) != nullptr;
    auto const matches = [&](int position) {
        if (position < 0 || EnumType(position) != definition->Type()) {
            return false;
        }
        if (!verify || (asListed && EnumPOSC(position) == referenced->GetRegistryPartsCode())) {
            return true;
        }
        auto const* known = Enum(position);
        return (known != nullptr) && known->Compare(*definition, true);
    };
    int const byCode = (referenced != nullptr) && referenced->GetPOSC() > 0
                           ? FindByPOSC(referenced->GetPOSC())
                           : -1;
    if (byCode >= 0) {
        return matches(byCode) ? byCode : -1;
    }
    int const byName = FindByName(definition->GetName());
    if (matches(byName)) {
        return byName;
    }
    if (!exhaustive) {
        return -1;
    }
    for (int position = First(); position <= Last(); ++position) {
        if (EnumType(position) != definition->Type()) {
            continue;
        }
        auto const* known = Enum(position);
        if ((known != nullptr) && known->Compare(*definition, true)) {
            return position;
        }
    }
    return -1;
}

} // namespace kor
