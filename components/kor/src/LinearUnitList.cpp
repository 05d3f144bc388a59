#include "kor/LinearUnitList.h"

#include "ListCache.h"

#include "NumberRules.h"

#include <cmath>
#include <vector>

namespace kor {

LinearUnitList KORKnownLinearUnitsList;

struct LinearUnitList::Cache {
    unsigned generation = 0;
    std::vector<KnownLinearUnit> const* entries = nullptr;
};

LinearUnitList::Cache& LinearUnitList::Current() const {
    return FreshCache(m_cache,
                      [](Cache& cache) { cache.entries = &CurrentKnownCatalogue().LinearUnits(); });
}

int LinearUnitList::Count() const {
    return static_cast<int>(Current().entries->size());
}

namespace {
KnownLinearUnit const* At(std::vector<KnownLinearUnit> const& entries, int index) {
    return index >= 0 && index < static_cast<int>(entries.size()) ? &entries[index] : nullptr;
}
} // namespace

wchar_t const* LinearUnitList::EnumName(int index) const {
    auto const* unit = At(*Current().entries, index);
    return unit != nullptr ? unit->name.c_str() : nullptr;
}

wchar_t const* LinearUnitList::EnumNamePlural(int index) const {
    auto const* unit = At(*Current().entries, index);
    return unit != nullptr ? unit->plural.c_str() : nullptr;
}

double LinearUnitList::EnumDivider(int index) const {
    auto const* unit = At(*Current().entries, index);
    return unit != nullptr ? unit->divider : 0.0;
}

int LinearUnitList::EnumPOSCNumber(int index) const {
    auto const* unit = At(*Current().entries, index);
    return unit != nullptr ? unit->code : 0;
}

int LinearUnitList::FindByName(std::wstring_view name) const {
    auto const& entries = *Current().entries;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (EqualIgnoringCase(entries[index].name, name) ||
            EqualIgnoringCase(entries[index].plural, name)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

int LinearUnitList::FindByDivider(double divider, double tolerance) const {
    if (!(divider > 0.0) || !std::isfinite(divider)) {
        return -1;
    }
    // Several units lie close together (the international and the US survey foot differ
    // by two parts per million), so the closest one wins, not the first in the list.
    auto const& entries = *Current().entries;
    int best = -1;
    double bestDistance = tolerance;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        double const distance = std::fabs(entries[index].divider - divider);
        if (distance <= bestDistance && (best < 0 || distance < bestDistance)) {
            best = static_cast<int>(index);
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace kor
