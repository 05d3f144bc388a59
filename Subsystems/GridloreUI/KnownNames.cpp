#include "KnownNames.h"

#include "DisplayName.h"
#include "gridui/Errors.h"
#include "kor/KnownCatalogue.h"
#include "kor/SystemList.h"
#include "platform/TreeCtrl.h"
#include "shr/StringUtil.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace gridui {

std::vector<std::wstring> SplitCategoryPath(std::wstring const& name) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find(L'|', start);
        if (end == std::wstring::npos) {
            end = name.size();
        }
        if (end > start) {
            parts.emplace_back(name, start, end - start);
        }
        start = end + 1;
    }
    return parts;
}

KnownNames const& KnownNames::Current() {
    // The browser runs on the user-interface thread only, so one copy serves every
    // browser the process opens.
    static std::optional<KnownNames> names;
    unsigned const generation = kor::KnownCatalogueGeneration();
    kor::SystemList const& known = kor::KORKnownSystemsList;
    if (names && names->m_generation == generation) {
        return *names;
    }
    KnownNames fresh;
    fresh.m_generation = generation;
    fresh.m_entries.reserve(static_cast<std::size_t>(known.Count()));
    for (int position = known.First(); position <= known.Last(); ++position) {
        wchar_t const* raw = known.EnumName(position);
        if (raw == nullptr) {
            GRIDUI_INTERNAL_ERROR();
        }
        Entry entry;
        entry.type = known.EnumType(position);
        entry.code = known.EnumPOSC(position);
        entry.name = DisplayName(raw);
        entry.folded = shr::FoldCase(entry.name);
        entry.path = SplitCategoryPath(entry.name);
        fresh.m_entries.push_back(std::move(entry));
    }
    fresh.m_inTreeOrder.resize(fresh.m_entries.size());
    std::iota(fresh.m_inTreeOrder.begin(), fresh.m_inTreeOrder.end(), std::size_t{0});
    std::stable_sort(fresh.m_inTreeOrder.begin(), fresh.m_inTreeOrder.end(),
                     [&entries = fresh.m_entries](std::size_t a, std::size_t b) {
                         return std::lexicographical_compare_three_way(
                                    entries[a].path.begin(), entries[a].path.end(),
                                    entries[b].path.begin(), entries[b].path.end(),
                                    [](std::wstring const& left, std::wstring const& right) {
                                        return platform::TreeCtrl::CompareItemText(left, right) <=>
                                               0;
                                    }) < 0;
                     });
    names = std::move(fresh);
    return *names;
}

} // namespace gridui
