#include "KnownNames.h"

#include "DisplayName.h"
#include "ErrorMacros.h"
#include "kor/KnownCatalogue.h"
#include "kor/SystemList.h"
#include "platform/TreeCtrl.h"
#include "shr/StringUtil.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <unordered_map>

namespace gridui {

std::vector<std::wstring> SplitCategoryPath(std::wstring const& name) {
    std::vector<std::wstring> parts;
    // Sized once: every known system's path is split at each start, and growing the list
    // moved its texts again for each part.
    parts.reserve(static_cast<std::size_t>(std::count(name.begin(), name.end(), L'|')) + 1);
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

namespace {

/// The positions of `entries` grouped by folder, each folder's names in the tree's order,
/// equal names in list order. The folders themselves keep the order they first appear
/// in: they are few, and a sorted insertion finds a folder's place at little cost.
std::vector<std::size_t> FolderByFolder(std::vector<KnownNames::Entry> const& entries) {
    std::unordered_map<std::wstring, std::size_t> folders;
    std::vector<std::size_t> folderOf(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::vector<std::wstring> const& path = entries[i].path;
        std::wstring folder;
        for (std::size_t part = 0; part + 1 < path.size(); ++part) {
            folder.append(path[part]).push_back(L'|');
        }
        folderOf[i] = folders.try_emplace(std::move(folder), folders.size()).first->second;
    }
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (folderOf[a] != folderOf[b]) {
            return folderOf[a] < folderOf[b];
        }
        return platform::TreeCtrl::CompareItemText(entries[a].path.back(), entries[b].path.back()) <
               0;
    });
    return order;
}

/// Of two systems that match alike, the one meant for a wider area is the one more
/// people look for.
double ExtentOf(kor::KnownSystem const& system) {
    if (std::isnan(system.west) || std::isnan(system.east) || std::isnan(system.south) ||
        std::isnan(system.north)) {
        return 0.0;
    }
    // An area across the antimeridian has its east edge west of its west edge.
    double const width =
        system.east >= system.west ? system.east - system.west : system.east + 360.0 - system.west;
    return width * (system.north - system.south);
}

std::wstring BaseOf(std::wstring const& leaf) {
    return leaf.substr(0, leaf.find(L" / "));
}

void CountSharedBases(std::vector<KnownNames::Entry>& entries) {
    std::unordered_map<std::wstring, std::uint32_t> sharing;
    for (KnownNames::Entry const& entry : entries) {
        ++sharing[BaseOf(entry.path.back())];
    }
    for (KnownNames::Entry& entry : entries) {
        entry.sharingBase = sharing[BaseOf(entry.path.back())];
    }
}

} // namespace

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
        // The entry's own name, not a copy of it: thousands are split at each start.
        kor::KnownSystem const* system = known.EnumEntry(position);
        if (system == nullptr) {
            GRIDUI_INTERNAL_ERROR();
        }
        Entry entry;
        entry.type = system->type;
        entry.code = system->code;
        entry.path = SplitCategoryPath(DisplayName(system->name));
        entry.extent = ExtentOf(*system);
        fresh.m_entries.push_back(std::move(entry));
    }
    CountSharedBases(fresh.m_entries);
    fresh.m_inTreeOrder = FolderByFolder(fresh.m_entries);
    names = std::move(fresh);
    return *names;
}

void KnownNames::PrepareSearch() const {
    if (m_folded.Count() == m_entries.size()) {
        return;
    }
    kor::SystemList const& known = kor::KORKnownSystemsList;
    for (std::size_t position = 0; position < m_entries.size(); ++position) {
        wchar_t const* raw = known.EnumName(static_cast<int>(position));
        if (raw == nullptr) {
            GRIDUI_INTERNAL_ERROR();
        }
        m_folded.Add(shr::FoldCase(DisplayName(raw)));
    }
}

std::vector<bool> const& KnownNames::Holding(std::wstring_view folded) const {
    PrepareSearch();
    if (m_holding.empty() || m_heldPart != folded) {
        m_holding = m_folded.Holding(folded);
        m_heldPart = folded;
    }
    return m_holding;
}

} // namespace gridui
