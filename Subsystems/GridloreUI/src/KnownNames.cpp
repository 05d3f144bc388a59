#include "KnownNames.h"

#include "DisplayName.h"
#include "ErrorMacros.h"
#include "kor/Definitions.h"
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

namespace {

/// Wide text and UTF-8 alike: "|" is ASCII, which UTF-8 never uses inside a longer
/// sequence.
template <typename Char>
void AppendCategoryPath(std::basic_string_view<Char> name,
                        std::vector<std::basic_string_view<Char>>& parts) {
    shr::ForEachPiece(name, Char('|'), [&parts](std::basic_string_view<Char> part) {
        parts.push_back(part);
        return true;
    });
}

/// The shown name of `raw` (UTF-8), a view of it where it is its start, as a known
/// system's name is unless it ends in the edited marker; else a copy kept in `own`.
std::string_view ShownName(std::string const& raw, std::deque<std::string>& own) {
    static std::string const edited = shr::ToUtf8(EditedSuffix());
    if (raw.ends_with(edited)) {
        return own.emplace_back(shr::ToUtf8(DisplayName(shr::FromUtf8(raw))));
    }
    std::string_view const name(raw);
    return name.substr(0, kor::LengthWithoutAuthorityTag(name));
}

/// The positions of `entries` grouped by folder, each folder's names in the tree's order,
/// equal names in list order. `folderOf` numbers each entry's folder; the folders keep the
/// order of those numbers, which is the order they first appear in: they are few, and a
/// sorted insertion finds a folder's place at little cost.
std::vector<std::size_t> FolderByFolder(std::vector<KnownNames::Entry> const& entries,
                                        std::vector<std::uint32_t> const& folderOf,
                                        std::size_t folderCount) {
    // Gathered folder by folder first, then each folder sorted alone: a sort of the whole
    // list compared names across folders, twice as many comparisons of long, alike names.
    std::vector<std::size_t> folderStart(folderCount + 1);
    for (std::uint32_t const index : folderOf) {
        ++folderStart[index + 1];
    }
    std::partial_sum(folderStart.begin(), folderStart.end(), folderStart.begin());
    std::vector<std::size_t> order(entries.size());
    std::vector<std::size_t> filled(folderStart.begin(), folderStart.end() - 1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        order[filled[folderOf[i]]++] = i;
    }
    // The tree's order is defined on the shown characters. Nearly every name is ASCII and
    // compares as it is; the others are decoded to be compared, into scratch texts that
    // stop allocating once they have grown.
    std::vector<bool> ascii;
    ascii.reserve(entries.size());
    for (KnownNames::Entry const& entry : entries) {
        ascii.push_back(shr::IsAscii(entry.leaf));
    }
    std::wstring first;
    std::wstring second;
    auto const before = [&](std::size_t a, std::size_t b) {
        if (ascii[a] && ascii[b]) {
            return platform::TreeCtrl::CompareAsciiItemText(entries[a].leaf, entries[b].leaf) < 0;
        }
        return platform::TreeCtrl::CompareItemText(shr::FromUtf8(entries[a].leaf, first),
                                                   shr::FromUtf8(entries[b].leaf, second)) < 0;
    };
    for (std::size_t f = 0; f < folderCount; ++f) {
        std::stable_sort(order.begin() + static_cast<std::ptrdiff_t>(folderStart[f]),
                         order.begin() + static_cast<std::ptrdiff_t>(folderStart[f + 1]), before);
    }
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

std::string_view BaseOf(std::string_view leaf) {
    return leaf.substr(0, leaf.find(" / "));
}

std::vector<std::uint32_t> CountSharedBases(std::vector<KnownNames::Entry> const& entries) {
    std::unordered_map<std::string_view, std::uint32_t> sharing;
    for (KnownNames::Entry const& entry : entries) {
        ++sharing[BaseOf(entry.leaf)];
    }
    std::vector<std::uint32_t> counts;
    counts.reserve(entries.size());
    for (KnownNames::Entry const& entry : entries) {
        counts.push_back(sharing[BaseOf(entry.leaf)]);
    }
    return counts;
}

} // namespace

std::vector<std::wstring_view> SplitCategoryPath(std::wstring_view name) {
    std::vector<std::wstring_view> parts;
    AppendCategoryPath(name, parts);
    return parts;
}

KnownNames const& KnownNames::Current() {
    // The browser runs on the user-interface thread only, so one copy serves every
    // browser the process opens. Never destroyed, as the list it views is not: freeing it
    // only added to the end of every process.
    static auto* const names = new std::optional<KnownNames>();
    unsigned const generation = kor::KnownCatalogueGeneration();
    kor::SystemList const& known = kor::KORKnownSystemsList;
    if (*names && (*names)->m_generation == generation) {
        return **names;
    }
    KnownNames fresh;
    fresh.m_generation = generation;
    fresh.m_entries.reserve(static_cast<std::size_t>(known.Count()));
    // Each way of filing once, numbered in the order it first appears: where its folders
    // start in m_folderParts and how many there are.
    std::unordered_map<std::string, std::uint32_t> filings;
    std::vector<std::pair<std::size_t, std::size_t>> filingParts;
    std::vector<std::uint32_t> filingOf;
    filingOf.reserve(fresh.m_entries.capacity());
    std::vector<std::string_view> parts;
    std::vector<std::string_view> previous;
    std::string joined;
    for (int position = known.First(); position <= known.Last(); ++position) {
        kor::KnownSystem const* system = known.EnumEntry(position);
        if (system == nullptr) {
            GRIDUI_INTERNAL_ERROR();
        }
        Entry entry;
        entry.type = system->type;
        entry.code = system->code;
        entry.extent = ExtentOf(*system);
        parts.clear();
        AppendCategoryPath(ShownName(system->name, fresh.m_ownNames), parts);
        if (!parts.empty()) {
            entry.leaf = parts.back();
            parts.pop_back();
        }
        // Systems listed together are mostly filed together: their folders are known
        // without joining and hashing their names again.
        if (filingOf.empty() || !std::ranges::equal(parts, previous)) {
            joined.clear();
            for (std::string_view const part : parts) {
                joined.append(part).push_back('|');
            }
            auto const [filing, isNew] =
                filings.try_emplace(joined, static_cast<std::uint32_t>(filingParts.size()));
            if (isNew) {
                filingParts.emplace_back(fresh.m_folderParts.size(), parts.size());
                // Decoding keeps every part: none is empty and none becomes "|".
                AppendCategoryPath(
                    std::wstring_view(fresh.m_folderTexts.emplace_back(shr::FromUtf8(joined))),
                    fresh.m_folderParts);
            }
            filingOf.push_back(filing->second);
            previous.assign(parts.begin(), parts.end());
        } else {
            filingOf.push_back(filingOf.back());
        }
        fresh.m_entries.push_back(entry);
    }
    // Kept for the process's life: the room doubling left is given back before the views
    // are made, as after they are the parts cannot move.
    fresh.m_folderParts.shrink_to_fit();
    std::span<std::wstring_view const> const folderParts(fresh.m_folderParts);
    for (std::size_t i = 0; i < fresh.m_entries.size(); ++i) {
        auto const [start, count] = filingParts[filingOf[i]];
        fresh.m_entries[i].folders = folderParts.subspan(start, count);
    }
    fresh.m_inTreeOrder = FolderByFolder(fresh.m_entries, filingOf, filingParts.size());
    *names = std::move(fresh);
    return **names;
}

std::uint32_t KnownNames::SharingBase(std::size_t position) const {
    return SharedBases().at(position);
}

std::vector<std::uint32_t> const& KnownNames::SharedBases() const {
    if (m_sharingBase.size() != m_entries.size()) {
        m_sharingBase = CountSharedBases(m_entries);
    }
    return m_sharingBase;
}

void KnownNames::PrepareSearch() const {
    SharedBases();
    if (m_folded.Count() == m_entries.size()) {
        return;
    }
    kor::SystemList const& known = kor::KORKnownSystemsList;
    for (std::size_t position = 0; position < m_entries.size(); ++position) {
        kor::KnownSystem const* system = known.EnumEntry(static_cast<int>(position));
        if (system == nullptr) {
            GRIDUI_INTERNAL_ERROR();
        }
        m_folded.Add(shr::FoldCase(DisplayName(shr::FromUtf8(system->name))));
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
