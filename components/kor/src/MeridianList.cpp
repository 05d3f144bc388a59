#include "kor/MeridianList.h"

#include "ListCache.h"

#include "kor/KnownCatalogue.h"

#include <cmath>
#include <vector>

namespace kor {

MeridianList KORKnownMeridiansList;

struct MeridianList::Cache {
    unsigned generation = 0;
    std::vector<MeridianInfo> const* entries = nullptr;
};

MeridianList::Cache& MeridianList::Current() const {
    return FreshCache(m_cache,
                      [](Cache& cache) { cache.entries = &CurrentKnownCatalogue().Meridians(); });
}

int MeridianList::Count() const {
    return static_cast<int>(Current().entries->size());
}

bool MeridianList::Enum(int index, MeridianInfo& meridian) const {
    auto const& entries = *Current().entries;
    if (index < 0 || index >= static_cast<int>(entries.size())) {
        return false;
    }
    meridian = entries[index];
    return true;
}

wchar_t const* MeridianList::EnumName(int index) const {
    auto const& entries = *Current().entries;
    if (index < 0 || index >= static_cast<int>(entries.size())) {
        return nullptr;
    }
    return entries[index].GetName().c_str();
}

int MeridianList::FindByName(std::wstring_view name) const {
    auto const& entries = *Current().entries;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (entries[index].GetName() == name) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

int MeridianList::FindByLongitude(double longitude, double tolerance) const {
    auto const& entries = *Current().entries;
    for (std::size_t index = 0; std::isfinite(longitude) && index < entries.size(); ++index) {
        if (std::fabs(entries[index].GetLongitude() - longitude) <= tolerance) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

int MeridianList::FindByPOSCNumber(int code) const {
    auto const& entries = *Current().entries;
    for (std::size_t index = 0; code > 0 && index < entries.size(); ++index) {
        if (entries[index].GetPOSCNumber() == code) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

} // namespace kor
