#include "kor/EllipsoidList.h"

#include "ListCache.h"

#include "kor/KnownCatalogue.h"

#include <vector>

namespace kor {

EllipsoidList KORKnownEllipsoidsList;

struct EllipsoidList::Cache {
    unsigned generation = 0;
    std::vector<EllipsoidDef> const* entries = nullptr;
};

EllipsoidList::Cache& EllipsoidList::Current() const {
    return FreshCache(m_cache,
                      [](Cache& cache) { cache.entries = &CurrentKnownCatalogue().Ellipsoids(); });
}

int EllipsoidList::Count() const {
    return PlaceholderCount + static_cast<int>(Current().entries->size());
}

bool EllipsoidList::Enum(int index, EllipsoidDef& ellipsoid) const {
    auto const& entries = *Current().entries;
    int const entry = index - PlaceholderCount;
    if (entry < 0 || entry >= static_cast<int>(entries.size())) {
        return false;
    }
    ellipsoid = entries[entry];
    return true;
}

wchar_t const* EllipsoidList::EnumName(int index) const {
    if (index >= 0 && index < PlaceholderCount) {
        return PlaceholderNames[index];
    }
    auto const& entries = *Current().entries;
    int const entry = index - PlaceholderCount;
    if (entry < 0 || entry >= static_cast<int>(entries.size())) {
        return nullptr;
    }
    return entries[entry].GetName() != nullptr ? entries[entry].GetName() : L"";
}

int EllipsoidList::FindByName(std::wstring_view name, EllipsoidDef* copy) const {
    for (int index = 0; index < Count(); ++index) {
        if (name != EnumName(index)) {
            continue;
        }
        if (copy != nullptr) {
            Enum(index, *copy);
        }
        return index;
    }
    return -1;
}

int EllipsoidList::FindByPOSCNumber(int code) const {
    auto const& entries = *Current().entries;
    for (std::size_t entry = 0; code > 0 && entry < entries.size(); ++entry) {
        if (entries[entry].GetPOSCNumber() == code) {
            return static_cast<int>(entry) + PlaceholderCount;
        }
    }
    return -1;
}

} // namespace kor
