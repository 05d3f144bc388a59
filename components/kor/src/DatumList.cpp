#include "kor/DatumList.h"

#include "DatumTokens.h"
#include "ListCache.h"

#include "kor/KORException.h"
#include "kor/KnownCatalogue.h"

#include "shr/Logger.h"

#include <optional>
#include <vector>

namespace kor {

DatumList KORKnownDatumsList;

struct DatumList::Cache {
    unsigned generation = 0;
    std::vector<KnownDatum> const* entries = nullptr;
    std::vector<std::optional<DatumDef>> datums;
    std::vector<bool> failed;
};

DatumList::Cache& DatumList::Current() const {
    return FreshCache(m_cache, [](Cache& cache) {
        cache.entries = &CurrentKnownCatalogue().Datums();
        cache.datums.resize(cache.entries->size());
        cache.failed.resize(cache.entries->size());
    });
}

int DatumList::Count() const {
    return PlaceholderCount + static_cast<int>(Current().entries->size());
}

DatumDef const* DatumList::Enum(int index) const {
    auto& cache = Current();
    int const entry = index - PlaceholderCount;
    if (entry < 0 || entry >= static_cast<int>(cache.entries->size()) || cache.failed[entry]) {
        return nullptr;
    }
    if (!cache.datums[entry]) {
        try {
            cache.datums[entry] =
                CurrentKnownCatalogue().BuildDatum(static_cast<std::size_t>(entry));
        } catch (KORException const& error) {
            cache.failed[entry] = true;
            shr::ProcessLogger.Send(shr::LogDiagnostic, L"Known datum '%ls' cannot be read: %ls",
                                    (*cache.entries)[entry].name.c_str(), error.Message().c_str());
            return nullptr;
        }
    }
    return &*cache.datums[entry];
}

wchar_t const* DatumList::EnumName(int index) const {
    if (index >= 0 && index < PlaceholderCount) {
        return PlaceholderNames[index];
    }
    auto const& cache = Current();
    int const entry = index - PlaceholderCount;
    if (entry < 0 || entry >= static_cast<int>(cache.entries->size())) {
        return nullptr;
    }
    return (*cache.entries)[entry].name.c_str();
}

int DatumList::EnumPOSCNumber(int index) const {
    auto const& cache = Current();
    int const entry = index - PlaceholderCount;
    if (entry < 0 || entry >= static_cast<int>(cache.entries->size())) {
        return 0;
    }
    return (*cache.entries)[entry].code;
}

int DatumList::FindByName(std::wstring_view name, DatumDef* copy) const {
    for (int index = 0; index < Count(); ++index) {
        if (name != EnumName(index)) {
            continue;
        }
        if (copy != nullptr) {
            if (auto const* datum = Enum(index)) {
                *copy = *datum;
            }
        }
        return index;
    }
    return -1;
}

int DatumList::FindByPOSCNumber(int code, DatumDef* copy, int notFound) const {
    if (code <= 0) {
        return notFound;
    }
    for (int index = First(); index <= Last(); ++index) {
        if (EnumPOSCNumber(index) != code) {
            continue;
        }
        if (copy != nullptr) {
            if (auto const* datum = Enum(index)) {
                *copy = *datum;
            }
        }
        return index;
    }
    return notFound;
}

int DatumList::FindByToken(std::wstring_view token) const {
    if (token.empty()) {
        return -1;
    }
    // Registry datums are found by the code their token stands for, without reading
    // every datum's parameters; other datums by the token they carry.
    if (int const code = DatumCodeFromToken(token); code > 0) {
        if (int const index = FindByPOSCNumber(code); index >= 0) {
            return index;
        }
    }
    for (int index = First(); index <= Last(); ++index) {
        if (auto const* datum = Enum(index); (datum != nullptr) && datum->GetToken() == token) {
            return index;
        }
    }
    return -1;
}

} // namespace kor
