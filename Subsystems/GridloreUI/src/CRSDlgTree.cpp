// CRSDlgImpl's tree: the records behind its items, inserting items and finding the item
// of a system.
#include "CRSDlgImpl.h"

#include "BrowserCategories.h"
#include "BrowserSearch.h"
#include "DisplayName.h"
#include "ErrorMacros.h"
#include "KnownNames.h"
#include "Shared/ExecuteNoThrow.h"
#include "gridlore/KORInterface.h"
#include "kor/DatumList.h"
#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/SystemList.h"
#include "shr/Singleton.h"
#include "shr/StringUtil.h"

namespace gridui {

using Gridlore::CoordinateSystem;
using Gridlore::CoordinateSystemCollection;
using platform::TreeItem;

namespace {

bool EqualsIgnoringCase(std::wstring const& a, std::wstring const& b) {
    return a.size() == b.size() && shr::Contains(a, b, false);
}

} // namespace

void CRSDlgImpl::AddCurrentToCustom() {
    // An empty system is no system at all: there is nothing to keep.
    if (m_current.IsEmpty() || m_inUse.Find(m_current, false) != nullptr ||
        shr::Singleton<Gridlore::KORInterface>::Instance().Knows(m_current.GetCSDef(), false) ||
        Favorites().Find(m_current, false) != nullptr || m_currentIsKnown ||
        m_custom.Find(m_current, false) != nullptr) {
        return;
    }
    // Met, not made: it is listed while the browser lives but not kept in the file.
    AppendCustom(m_current, false);
}

TreeItem CRSDlgImpl::Root() {
    return TreeItem{~std::uintptr_t{0}};
}

TreeItem CRSDlgImpl::InsertItem(std::wstring const& text, ItemKind kind, std::int32_t index,
                                TreeItem parent, platform::InsertAfter where,
                                std::wstring const& definition) {
    if (text.empty()) {
        GRIDUI_INTERNAL_ERROR();
    }
    if (!parent) {
        return {};
    }
    bool const atRoot = parent == Root();
    bool const customNode = kind == Folder && atRoot && EqualsIgnoringCase(text, CustomText);
    if (customNode && m_tree.GetCustomItem()) {
        return m_tree.GetCustomItem();
    }
    TreeItem const item = m_tree.InsertItem(text, atRoot ? TreeItem{} : parent, where);
    if (customNode) {
        m_tree.SetCustomItem(item);
    }
    m_records.push_back({kind, index, item});
    if (!definition.empty()) {
        m_definitions[m_records.size() - 1] = definition;
    }
    m_tree.SetItemData(item, m_records.size() - 1);
    return item;
}

TreeItem CRSDlgImpl::InsertCategorized(std::wstring const& name, ItemKind kind, std::int32_t index,
                                       TreeItem parent, std::wstring const& definition) {
    std::vector<std::wstring_view> const parts = SplitCategoryPath(name);
    if (parts.empty()) {
        GRIDUI_INTERNAL_ERROR();
    }
    return InsertPath(std::span(parts).first(parts.size() - 1), std::wstring(parts.back()), kind,
                      index, parent, definition);
}

TreeItem CRSDlgImpl::InsertPath(std::span<std::wstring_view const> folders,
                                std::wstring const& leaf, ItemKind kind, std::int32_t index,
                                TreeItem parent, std::wstring const& definition,
                                FolderTrail* trail) {
    if (leaf.empty()) {
        GRIDUI_INTERNAL_ERROR();
    }
    TreeItem current = parent;
    std::size_t i = 0;
    if (trail != nullptr) {
        if (trail->parent == parent) {
            for (; i < folders.size() && i < trail->names.size() && trail->names[i] == folders[i];
                 ++i) {
                current = trail->folders[i];
            }
        }
        trail->parent = parent;
        trail->names.resize(i);
        trail->folders.resize(i);
    }
    for (; i < folders.size() && current; ++i) {
        std::wstring const folder(folders[i]);
        TreeItem const found =
            m_tree.FindChildItem(current == Root() ? TreeItem{} : current, folder);
        current =
            found ? found : InsertItem(folder, Folder, 0, current, platform::InsertAfter::Sort, {});
        if (trail != nullptr) {
            trail->names.push_back(folders[i]);
            trail->folders.push_back(current);
        }
    }
    return InsertItem(leaf, kind, index, current, platform::InsertAfter::Sort, definition);
}

TreeItemRecord const& CRSDlgImpl::GetRecord(TreeItem item) const {
    if (!item) {
        GRIDUI_INTERNAL_ERROR();
    }
    std::uintptr_t const position = m_tree.GetItemData(item);
    if (position >= m_records.size()) {
        GRIDUI_INTERNAL_ERROR();
    }
    return m_records[position];
}

bool CRSDlgImpl::IsInUseItem(TreeItem item) const {
    return GetRecord(item).kind == InUse;
}

bool CRSDlgImpl::IsCustomItem(TreeItem item) const {
    return GetRecord(item).kind == Custom;
}

bool CRSDlgImpl::IsFavoriteItem(TreeItem item) const {
    return item && GetRecord(item).kind == Favorite;
}

TreeItem CRSDlgImpl::FindItem(CoordinateSystem const& system) const {
    int const inUsePosition = m_inUse.FindIndex(system, true);
    int const knownPosition = kor::KORKnownSystemsList.FindSystem(system.GetCSDef(), true, false);
    // Backwards: what was inserted last is preferred.
    for (auto record = m_records.rbegin(); record != m_records.rend(); ++record) {
        // A removed favourite keeps its record, without an item, until the next rebuild.
        if (!record->item) {
            continue;
        }
        auto const position = static_cast<std::size_t>(record->index);
        bool matched = false;
        if (record->kind == InUse) {
            matched = IsSameSystem(system, m_inUse.at(position));
        } else if (inUsePosition != -1) {
            continue;
        } else if (record->kind == Known) {
            // A system the list does not know has position -1, as has a system found by
            // its definition text: a search's one looked-up result then takes the
            // selection, as the only system there is to choose.
            matched = record->index == knownPosition;
        } else if (record->kind == Favorite) {
            matched = IsSameSystem(system, Favorites().at(position));
        } else if (record->kind == Custom) {
            matched = IsSameSystem(system, m_custom.at(position));
        }
        if (matched) {
            return record->item;
        }
    }
    return {};
}

void CRSDlgImpl::SelectCurrent() {
    if (m_inUseNode) {
        m_tree.EnsureVisible(m_inUseNode);
    }
    TreeItem const item = FindItem(m_current);
    if (!item) {
        return;
    }
    m_tree.SelectItem(item);
    std::optional<platform::Rect> const rect = m_tree.GetItemRect(item, true);
    platform::Rect const client = m_tree.GetClientRect();
    if (!rect || rect->bottom < 0 || rect->top > client.bottom) {
        m_tree.EnsureVisible(item);
    }
}

bool CRSDlgImpl::IsSameSystem(CoordinateSystem const& a, CoordinateSystem const& b) {
    kor::CSDef const* first = a.GetCSDef();
    kor::CSDef const* second = b.GetCSDef();
    if (first == nullptr || second == nullptr || !first->Compare(*second, true)) {
        return false;
    }
    return a.GetLeafName() == b.GetLeafName() || CodeOf(*first) == CodeOf(*second);
}

std::unique_ptr<kor::CSDef> CRSDlgImpl::LookupByDefinition(std::wstring const& text) {
    try {
        std::unique_ptr<kor::CSDef> definition = kor::CreateCSDefByDefinition(text, 0);
        if (definition == nullptr || definition->Type() != kor::CSDef::TypeReferenced) {
            return nullptr;
        }
        auto const& referenced = dynamic_cast<kor::KORDef const&>(*definition);
        kor::DatumDef const* datum = referenced.GetDatum();
        if (datum == nullptr || datum->GetPOSCNumber() <= 0) {
            return definition;
        }
        int const position = kor::KORKnownDatumsList.FindByPOSCNumber(datum->GetPOSCNumber());
        kor::DatumDef const* known =
            position != 0 ? kor::KORKnownDatumsList.Enum(position) : nullptr;
        if (known == nullptr) {
            return definition;
        }
        // The library's names for the datum and its ellipsoid, even when the parameters
        // found differ from the library's.
        auto copy = std::make_unique<kor::KORDef>(referenced);
        if (known->CompareParameters(*datum)) {
            copy->SetDatum(known);
        } else {
            kor::DatumDef renamed(*datum);
            kor::EllipsoidDef ellipsoid;
            kor::EllipsoidDef knownEllipsoid;
            if (renamed.GetParameter(kor::DatumDef::Ellipsoid, ellipsoid) &&
                known->GetParameter(kor::DatumDef::Ellipsoid, knownEllipsoid)) {
                ellipsoid.SetName(knownEllipsoid.GetName());
                renamed.SetParameter(kor::DatumDef::Ellipsoid, ellipsoid);
            }
            renamed.SetName(known->GetName());
            copy->SetDatum(&renamed);
        }
        return copy;
    } catch (kor::KORException const& error) {
        shared::LogNoThrow(8, L"Failed factory KOR lookup: %ls\n\tReason: %ls", text.c_str(),
                           error.Message().c_str());
        return nullptr;
    }
}

} // namespace gridui
