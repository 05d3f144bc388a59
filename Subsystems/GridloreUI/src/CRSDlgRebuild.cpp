// CRSDlgImpl's rebuild: drawing the tree from what the search answers for each category,
// the best matches first when the host asks.
#include "CRSDlgImpl.h"

#include "BrowserCategories.h"
#include "BrowserSearch.h"
#include "DisplayName.h"
#include "KnownNames.h"
#include "Shared/RedrawScope.h"
#include "gridlore/PresentingNames.h"
#include "kor/SystemList.h"
#include "platform/WaitCursor.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <optional>
#include <set>

namespace gridui {

using Gridlore::CoordinateSystem;
using platform::TreeItem;

namespace {

/// How many results the "Best matches" group lists.
constexpr std::size_t BestMatchesShown = 10;

} // namespace

/// What one category shows: the search's answer and where it comes from.
struct CRSDlgImpl::CategoryPlan {
    ItemKind kind;
    /// For known systems, the kind of definition the category lists.
    int type;
    wchar_t const* nodeText;
    CategoryAnswer answer;
};

void CRSDlgImpl::Rebuild(wchar_t const* search) {
    // Nobody sees a busy cursor before the dialog shows, yet its first one loads the
    // cursor theme.
    std::optional<platform::WaitCursor> wait;
    if (platform::Window const* host = m_tree.HasWindow() ? m_tree.GetParent() : nullptr;
        host != nullptr && host->IsWindowVisible()) {
        wait.emplace();
    }
    // Frozen until the selection is made too: the toolkit then lays the new tree out once,
    // with the selection's folders open, instead of again for each folder it opens.
    m_tree.SetRedraw(false);
    shared::RedrawScope redraw(&m_tree);
    m_tree.SetCustomItem({});
    m_tree.DeleteAllItems();
    m_records.clear();
    m_matchNotes.clear();
    m_definitions.clear();
    m_bestItem = {};
    m_shownCount = 0;
    m_totalCount = 0;
    m_favoritesNode = {};
    m_customNode = {};
    m_predefinedNode = {};
    m_inUseNode = {};
    // The known systems with the folders they are filed in, about one for ten systems, and
    // room for the other categories: a list grown by doubling past it held twice the room.
    auto const known = static_cast<std::size_t>(kor::KORKnownSystemsList.Count());
    m_records.reserve(known + known / 8 + 200);
    BrowserSearch const first(HasSearch(search) ? search : L"", m_options.forgivingSearch,
                              m_options.placeSearch);
    NotePlace(first.Place());
    std::vector<CategoryPlan> plans;
    plans.push_back({InUse, 0, InUseText, first.Collection(m_inUse, InUseText)});
    plans.push_back(
        {Known, kor::CSDef::TypeLocal, LocalText, first.Known(kor::CSDef::TypeLocal, LocalText)});
    plans.push_back({Known, kor::CSDef::TypeReferenced, PredefinedText,
                     first.Known(kor::CSDef::TypeReferenced, PredefinedText)});
    plans.push_back({Favorite, 0, FavoritesText, first.Collection(Favorites(), FavoritesText)});
    AddCurrentToCustom();
    plans.push_back({Custom, 0, CustomText, first.Collection(m_custom, CustomText)});
    std::size_t const firstPass = plans.size();
    // A name may stand for codes the library knows: show those systems too.
    if (std::optional<BrowserSearch> const derived = first.Derived()) {
        plans.push_back({Known, kor::CSDef::TypeReferenced, PredefinedText,
                         derived->Known(kor::CSDef::TypeReferenced, PredefinedText)});
        plans.push_back(
            {Favorite, 0, FavoritesText, derived->Collection(Favorites(), FavoritesText)});
        plans.push_back({Custom, 0, CustomText, derived->Collection(m_custom, CustomText)});
        // The words found more than the registry's query, which finds them again.
        if (m_options.forgivingSearch) {
            DropRepeated(plans, firstPass);
        }
    }
    if (IsOnlyForArea()) {
        for (CategoryPlan& plan : plans) {
            if (plan.kind == Known && plan.type == kor::CSDef::TypeReferenced) {
                KeepForArea(plan.answer, !first.Empty());
            }
        }
    }
    if (m_options.bestMatchesGroup && IsOnlyForArea()) {
        // The group lists only what is meant for the area, whatever else is shown.
        std::vector<CategoryPlan> meant = plans;
        for (CategoryPlan& plan : meant) {
            std::erase_if(plan.answer.hits, [&](SearchHit const& hit) {
                return !IsForArea(plan.kind, hit.position);
            });
        }
        AddBestMatches(meant);
    } else if (m_options.bestMatchesGroup && !first.Empty()) {
        AddBestMatches(plans);
    }
    TreeItem localNode;
    std::uint32_t considered = 0;
    for (std::size_t i = 0; i < plans.size(); ++i) {
        // The second pass runs over systems already considered: counted again, the
        // total changes with the search, which a steady line must not show.
        if (i == firstPass) {
            considered = m_totalCount;
        }
        DrawCategory(plans[i],
                     plans[i].type == kor::CSDef::TypeLocal ? localNode : NodeOf(plans[i].kind));
    }
    if (plans.size() > firstPass && m_options.steadyStatusLine) {
        m_totalCount = considered;
    }
    if (m_shownCount == 0 && first.LookupCode() > 0) {
        AddByDefinition(search);
    }
    ExpandAfterRebuild(!first.Empty(), first.IsPlace());
    SelectCurrent();
    // The best result takes the selection unless the current system is among the results.
    if (m_options.selectBestMatch && HasSearch(search) && m_bestItem && !FindItem(m_current)) {
        m_tree.SelectItem(m_bestItem);
        m_tree.EnsureVisible(m_bestItem);
    }
    // The current system is selected whenever the tree shows it.
    if (m_options.markCurrentNotShown && !m_tree.GetSelectedItem()) {
        ShowDescription(false);
    }
    UpdateButtons();
}

TreeItem& CRSDlgImpl::NodeOf(ItemKind kind) {
    switch (kind) {
    case InUse:
        return m_inUseNode;
    case Favorite:
        return m_favoritesNode;
    case Custom:
        return m_customNode;
    default:
        return m_predefinedNode;
    }
}

void CRSDlgImpl::DropRepeated(std::vector<CategoryPlan>& plans, std::size_t firstPass) {
    for (std::size_t i = firstPass; i < plans.size(); ++i) {
        std::set<std::size_t> shown;
        for (std::size_t j = 0; j < firstPass; ++j) {
            if (plans[j].kind == plans[i].kind && plans[j].type == plans[i].type) {
                for (SearchHit const& hit : plans[j].answer.hits) {
                    shown.insert(hit.position);
                }
            }
        }
        std::erase_if(plans[i].answer.hits,
                      [&](SearchHit const& hit) { return shown.count(hit.position) != 0; });
    }
}

CoordinateSystem const& CRSDlgImpl::SystemOf(ItemKind kind, std::size_t position) const {
    switch (kind) {
    case InUse:
        return m_inUse.at(position);
    case Favorite:
        return Favorites().at(position);
    default:
        return m_custom.at(position);
    }
}

void CRSDlgImpl::DrawCategory(CategoryPlan const& plan, TreeItem& node) {
    m_totalCount += plan.answer.considered;
    if (plan.kind == Known) {
        std::vector<KnownNames::Entry> const& known = KnownNames::Current().Entries();
        FolderTrail trail;
        for (SearchHit const& hit : plan.answer.hits) {
            ++m_shownCount;
            TreeItem const item =
                InsertPath(known[hit.position].folders, shr::FromUtf8(known[hit.position].leaf),
                           Known, static_cast<std::int32_t>(hit.position),
                           EnsureRootNode(node, plan.nodeText), {}, &trail);
            NoteMatch(item, hit.match);
        }
        return;
    }
    auto const leafName = [](CoordinateSystem const& system) {
        return DisplayName(system.GetLeafName());
    };
    // Systems in use may share a leaf name; they are told apart by names made unique
    // across the whole collection, computed once per rebuild.
    std::vector<std::wstring> presenting;
    for (SearchHit const& hit : plan.answer.hits) {
        ++m_shownCount;
        if (plan.kind == InUse && presenting.empty()) {
            presenting = Gridlore::GetUserPresentingUniqueNamesForCoordinateSystemCollection(
                m_inUse, leafName);
        }
        std::wstring const name = plan.kind == InUse && hit.position < presenting.size()
                                      ? presenting[hit.position]
                                      : leafName(SystemOf(plan.kind, hit.position));
        TreeItem const item =
            InsertCategorized(name, plan.kind, static_cast<std::int32_t>(hit.position),
                              EnsureRootNode(node, plan.nodeText), {});
        NoteMatch(item, hit.match);
    }
}

void CRSDlgImpl::NoteMatch(TreeItem item, SearchMatch const& match) {
    if (std::wstring note = MatchNote(match); !note.empty()) {
        m_matchNotes[m_records.size() - 1] = std::move(note);
    }
    if (!m_bestItem || match.rank < m_bestRank) {
        m_bestItem = item;
        m_bestRank = match.rank;
    }
}

void CRSDlgImpl::AddBestMatches(std::vector<CategoryPlan> const& plans) {
    struct Candidate {
        ItemKind kind;
        SearchHit const* hit;
    };
    std::vector<Candidate> candidates;
    for (CategoryPlan const& plan : plans) {
        for (SearchHit const& hit : plan.answer.hits) {
            candidates.push_back({plan.kind, &hit});
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](Candidate const& a, Candidate const& b) {
                         return a.hit->match.rank < b.hit->match.rank;
                     });
    std::vector<KnownNames::Entry> const& known = KnownNames::Current().Entries();
    TreeItem node;
    // A system in use, a favourite and a predefined one may be the same: listed once.
    std::set<std::wstring> listed;
    for (Candidate const& candidate : candidates) {
        if (listed.size() == BestMatchesShown) {
            break;
        }
        std::size_t const position = candidate.hit->position;
        std::wstring name;
        int code = 0;
        if (candidate.kind == Known) {
            name = shr::FromUtf8(known[position].leaf);
            code = known[position].code;
        } else {
            CoordinateSystem const& system = SystemOf(candidate.kind, position);
            name = DisplayName(system.GetLeafName());
            code = system.GetCSDef() != nullptr ? CodeOf(*system.GetCSDef()) : 0;
        }
        if (!listed.insert(code > 0 ? L"#" + std::to_wstring(code) : L"@" + name).second) {
            continue;
        }
        TreeItem const item =
            InsertItem(name, candidate.kind, static_cast<std::int32_t>(position),
                       EnsureRootNode(node, BestMatchesText), platform::InsertAfter::Last, {});
        NoteMatch(item, candidate.hit->match);
    }
}

void CRSDlgImpl::DeleteOtherItems(ItemKind kind, std::int32_t index, TreeItem kept) {
    for (TreeItemRecord& record : m_records) {
        if (record.kind == kind && record.index == index && record.item && record.item != kept) {
            m_tree.DeleteItem(record.item);
            record.item = {};
        }
    }
}

std::wstring CRSDlgImpl::SelectedMatchNote() const {
    TreeItem const item = m_tree.GetSelectedItem();
    if (!item) {
        return {};
    }
    auto const note = m_matchNotes.find(m_tree.GetItemData(item));
    return note != m_matchNotes.end() ? note->second : std::wstring();
}

void CRSDlgImpl::ExpandAfterRebuild(bool searched, bool place) {
    // A place's systems are the answer however many: a host that opens results opens them.
    bool const single =
        m_shownCount == 1 ||
        (searched && m_shownCount > 0 &&
         (m_shownCount <= m_options.openResultsUpTo || (place && m_options.openResultsUpTo > 0)));
    std::vector<TreeItem> pending;
    for (TreeItem root = m_tree.GetRootItem(); root; root = m_tree.GetNextSiblingItem(root)) {
        m_tree.Expand(root);
        if (!single) {
            continue;
        }
        // The one system found (or the few, when the host asks) should be visible
        // however deep its folders are.
        for (TreeItem child = m_tree.GetChildItem(root); child;
             child = m_tree.GetNextSiblingItem(child)) {
            pending.push_back(child);
        }
        while (!pending.empty()) {
            TreeItem const item = pending.back();
            pending.pop_back();
            m_tree.Expand(item);
            for (TreeItem child = m_tree.GetChildItem(item); child;
                 child = m_tree.GetNextSiblingItem(child)) {
                pending.push_back(child);
            }
        }
    }
}

TreeItem CRSDlgImpl::EnsureRootNode(TreeItem& node, wchar_t const* text) {
    if (!node) {
        node = InsertItem(text, Folder, 0, Root(), platform::InsertAfter::Last, {});
    }
    return node;
}

} // namespace gridui
