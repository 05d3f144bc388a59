#include "kor/SystemList.h"

#include "ListCache.h"

#include "kor/KORDef.h"
#include "kor/KORException.h"

#include "shr/Logger.h"

#include <string_view>
#include <unordered_map>

namespace kor {

SystemList KORKnownSystemsList;

struct SystemList::Cache {
    unsigned generation = 0;
    std::vector<KnownSystem> const* entries = nullptr;
    std::vector<std::unique_ptr<CSDef>> definitions;
    std::vector<bool> failed;
    std::unordered_map<int, int> byCode;
    /// Views of the entries' own names: a copy of thousands of names would cost megabytes.
    /// Made at the first look-up by name, which a browser that finds its systems by code
    /// never makes.
    std::unordered_map<std::wstring_view, int> byName;
};

SystemList::Cache& SystemList::Current() const {
    return FreshCache(m_cache, [](Cache& cache) {
        cache.entries = &CurrentKnownCatalogue().Systems();
        cache.definitions.resize(cache.entries->size());
        cache.failed.resize(cache.entries->size());
        int position = 0;
        for (auto const& entry : *cache.entries) {
            if (entry.code > 0) {
                cache.byCode.emplace(entry.code, position);
            }
            ++position;
        }
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
            definition->SetName((*cache.entries)[index].name);
            cache.definitions[index] = std::move(definition);
        } catch (KORException const& error) {
            // Asked again, it would fail again: remember and answer null at once.
            cache.failed[index] = true;
            shr::ProcessLogger.Send(shr::LogDiagnostic, L"Known system '%ls' cannot be built: %ls",
                                    (*cache.entries)[index].name.c_str(), error.Message().c_str());
            return nullptr;
        }
    }
    return cache.definitions[index].get();
}

wchar_t const* SystemList::EnumName(int index) const {
    auto const* entry = EnumEntry(index);
    return entry != nullptr ? entry->name.c_str() : nullptr;
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
    auto const& cache = Current();
    auto const found = cache.byCode.find(code);
    return found == cache.byCode.end() ? -1 : found->second;
}

int SystemList::FindByName(std::wstring_view fullName) const {
    auto& cache = Current();
    if (cache.byName.empty()) {
        int position = 0;
        for (auto const& entry : *cache.entries) {
            cache.byName.emplace(entry.name, position++);
        }
    }
    auto const found = cache.byName.find(fullName);
    return found == cache.byName.end() ? -1 : found->second;
}

int SystemList::FindSystem(CSDef const* definition, bool verify, bool exhaustive) const {
    if (definition == nullptr) {
        return -1;
    }
    auto const matches = [&](int position) {
        if (position < 0 || EnumType(position) != definition->Type()) {
            return false;
        }
        if (!verify) {
            return true;
        }
        auto const* known = Enum(position);
        return (known != nullptr) && known->Compare(*definition, true);
    };
    auto const* referenced = dynamic_cast<KORDef const*>(definition);
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
