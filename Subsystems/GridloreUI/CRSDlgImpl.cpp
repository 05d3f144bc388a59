#include "CRSDlgImpl.h"

#include "BrowserCategories.h"
#include "DisplayName.h"
#include "KnownNames.h"
#include "Shared/RedrawScope.h"
#include "Shared/ResourceHandleScope.h"
#include "gridlore/KORInterface.h"
#include "gridlore/PresentingNames.h"
#include "gridui/Errors.h"
#include "gridui/Module.h"
#include "gridui/ResourceIds.h"
#include "kor/DatumList.h"
#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/SystemList.h"
#include "platform/PopupMenu.h"
#include "platform/WaitCursor.h"
#include "shr/Singleton.h"
#include "shr/StringUtil.h"
#include "shrgui/CDialogResize.h"

#include <climits>
#include <cwchar>
#include <sstream>

namespace gridui {

using Gridlore::CoordinateSystem;
using Gridlore::CoordinateSystemCollection;
using platform::TreeItem;

namespace {

bool HasSearch(wchar_t const* search) {
    return search != nullptr && *search != L'\0';
}

bool EqualsIgnoringCase(std::wstring const& a, std::wstring const& b) {
    return a.size() == b.size() && shr::Contains(a, b, false);
}

/// The number a search text starts with, after white space and a sign; 0 when none.
int SearchCode(wchar_t const* search) {
    if (!HasSearch(search)) {
        return 0;
    }
    long const value = std::wcstol(search, nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

/// The registry code of a referenced system; 0 for every other kind.
int CodeOf(kor::CSDef const& definition) {
    auto const* referenced = dynamic_cast<kor::KORDef const*>(&definition);
    return referenced != nullptr ? referenced->GetPOSC() : 0;
}

/// A search as one category applies it: a search that the category's own name contains
/// keeps the whole category.
struct CategoryFilter {
    CategoryFilter(wchar_t const* text, wchar_t const* nodeText)
        : search(HasSearch(text) && !shr::Contains(nodeText, text, false) ? text : nullptr)
        , code(search != nullptr ? SearchCode(search) : 0) {}

    wchar_t const* search;
    int code;
};

/// Only the digits 4 and 8 mark a word: codes are full of them, names rarely.
bool IsMarked(std::wstring const& word) {
    return word.find_first_of(L"48") != std::wstring::npos;
}

platform::Rect WindowRectOf(platform::Window const& window) {
    return window.HasWindow() ? window.GetWindowRect() : platform::Rect{};
}

} // namespace

CRSDlgImpl::CRSDlgImpl(CoordinateSystem const& current, std::wstring const& favoritesPath,
                       std::shared_ptr<shr::IError> const& errorSink,
                       CoordinateSystemCollection inUse)
    : m_current(current)
    , m_favoritesPath(favoritesPath)
    , m_error(errorSink)
    , m_inUse(std::move(inUse)) {
    if (m_favoritesPath.empty()) {
        GRIDUI_INTERNAL_ERROR();
    }
    if (m_error == nullptr) {
        GRIDUI_INTERNAL_ERROR();
    }
    if (current.GetWarp() != nullptr) {
        m_warp = std::make_unique<kor::WarpDef>(*current.GetWarp());
        m_current.SetWarp(nullptr);
    }
}

CRSDlgImpl::~CRSDlgImpl() = default;

CoordinateSystem const& CRSDlgImpl::CurrentCoordinateSystem() {
    if (m_warp == nullptr) {
        return m_current;
    }
    m_currentWithWarp = m_current;
    m_currentWithWarp.SetWarp(m_warp.get());
    return m_currentWithWarp;
}

void CRSDlgImpl::DoDataExchange(platform::DataExchange& exchange) {
    platform::DDX_Control(exchange, res::SearchBox, m_searchCombo);
    platform::DDX_Control(exchange, res::Status, m_status);
    platform::DDX_Control(exchange, res::Tree, m_tree);
    platform::DDX_Control(exchange, res::Description, m_description);
    if (exchange.SaveAndValidate()) {
        m_searchCombo.SaveHistory(true);
    } else {
        m_searchCombo.SetMaxHistoryItems(0);
        m_searchCombo.LoadHistory(L"Settings\\CRSSearchHistory", L"Search", false, nullptr);
    }
}

bool CRSDlgImpl::OnInitDialog(platform::Dialog& host) {
    m_searchCombo.SetCueBanner(L"Search for text or EPSG code");
    CreateSearchToolbar(host);
    Rebuild(nullptr);
    return true;
}

void CRSDlgImpl::CreateSearchToolbar(platform::Dialog& host) {
    shared::ResourceHandleScope ownResources(&Module());
    m_toolbar.Create(host, platform::ToolBarWindowId);
    m_toolbar.LoadToolBar(res::SearchToolBar);
    platform::Rect placeholder;
    if (host.HasDlgItem(res::ToolBarPlaceholder)) {
        placeholder = host.ScreenToClient(host.GetDlgItem(res::ToolBarPlaceholder).GetWindowRect());
    }
    platform::Size const size = m_toolbar.CalcFixedLayout();
    m_toolbar.MoveWindow(platform::Rect::FromXYWH(placeholder.right - size.width, placeholder.top,
                                                  size.width, size.height));
    m_toolbar.SetOwner(host);
}

void CRSDlgImpl::OnKickIdle(platform::Dialog& host) {
    if (m_toolbar.HasWindow()) {
        m_toolbar.OnUpdateCmdUI(host, true);
    }
}

// --- Tree population -------------------------------------------------------------------

void CRSDlgImpl::Rebuild(wchar_t const* search) {
    platform::WaitCursor wait;
    {
        m_tree.SetRedraw(false);
        shared::RedrawScope redraw(&m_tree);
        m_tree.SetCustomItem({});
        m_tree.DeleteAllItems();
        m_children.clear();
        m_records.clear();
        m_shownCount = 0;
        m_totalCount = 0;
        m_favoritesNode = {};
        m_customNode = {};
        m_predefinedNode = {};
        m_inUseNode = {};
        m_records.reserve(static_cast<std::size_t>(kor::KORKnownSystemsList.Count()) + 200);

        AddCurrentlyInUse(search);
        AddKnownSystems(search, LocalText, kor::CSDef::TypeLocal);
        AddKnownSystems(search, PredefinedText, kor::CSDef::TypeReferenced);
        AddFavorites(search);
        AddCurrentToCustom();
        AddCustom(search);
        // A name may stand for codes the library knows: show those systems too.
        std::wstring const second = QuerySearchDefinition(search);
        if (!second.empty()) {
            AddKnownSystems(second.c_str(), PredefinedText, kor::CSDef::TypeReferenced);
            AddFavorites(second.c_str());
            AddCustom(second.c_str());
        }
        if (m_shownCount == 0 && HasSearch(search)) {
            AddByDefinition(search);
        }
        ExpandAfterRebuild(HasSearch(search));
    }
    SelectCurrent();
    UpdateButtons();
}

void CRSDlgImpl::ExpandAfterRebuild(bool searched) {
    bool const single =
        m_shownCount == 1 || (searched && m_shownCount > 0 && m_shownCount <= m_openResultsUpTo);
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

void CRSDlgImpl::AddCurrentlyInUse(wchar_t const* search) {
    AddCollection(search, m_inUse, InUseText, m_inUseNode, InUse);
}

void CRSDlgImpl::AddFavorites(wchar_t const* search) {
    AddCollection(search, Favorites(), FavoritesText, m_favoritesNode, Favorite);
}

void CRSDlgImpl::AddCustom(wchar_t const* search) {
    AddCollection(search, m_custom, CustomText, m_customNode, Custom);
}

void CRSDlgImpl::AddCollection(wchar_t const* search, CoordinateSystemCollection const& systems,
                               wchar_t const* nodeText, TreeItem& node, ItemKind kind) {
    CategoryFilter const filter(search, nodeText);
    auto const leafName = [](CoordinateSystem const& system) {
        return DisplayName(system.GetLeafName());
    };
    // Systems in use may share a leaf name; they are told apart by names made unique
    // across the whole collection, computed once per rebuild.
    std::vector<std::wstring> presenting;
    for (std::size_t position = 0; position < systems.size(); ++position) {
        CoordinateSystem const& system = systems.at(position);
        ++m_totalCount;
        if (!MatchesSearch(system, filter.search, filter.code)) {
            continue;
        }
        ++m_shownCount;
        if (kind == InUse && presenting.empty()) {
            presenting = Gridlore::GetUserPresentingUniqueNamesForCoordinateSystemCollection(
                m_inUse, leafName);
        }
        std::wstring const name =
            kind == InUse && position < presenting.size() ? presenting[position] : leafName(system);
        InsertCategorized(name, kind, static_cast<std::int32_t>(position),
                          EnsureRootNode(node, nodeText), {});
    }
}

void CRSDlgImpl::AddKnownSystems(wchar_t const* search, wchar_t const* nodeText, int type) {
    TreeItem otherNode;
    TreeItem& node = EqualsIgnoringCase(nodeText, PredefinedText) ? m_predefinedNode : otherNode;
    CategoryFilter const filter(search, nodeText);
    std::wstring const folded = filter.search != nullptr ? shr::FoldCase(filter.search) : L"";
    // Names, kinds and codes come from the list's cheap listing, prepared once: building
    // full definitions, or even cleaning every name again, would make every search wait.
    std::vector<KnownNames::Entry> const& known = KnownNames::Current().Entries();
    for (std::size_t position = 0; position < known.size(); ++position) {
        KnownNames::Entry const& entry = known[position];
        if (entry.type != type) {
            continue;
        }
        ++m_totalCount;
        bool const kept =
            filter.search == nullptr ||
            (filter.code != 0 && type == kor::CSDef::TypeReferenced && entry.code == filter.code) ||
            entry.folded.find(folded) != std::wstring::npos;
        if (!kept) {
            continue;
        }
        ++m_shownCount;
        InsertPath(entry.path, Known, static_cast<std::int32_t>(position),
                   EnsureRootNode(node, nodeText), {});
    }
}

void CRSDlgImpl::AddCurrentToCustom() {
    // An empty system is no system at all: there is nothing to keep.
    if (m_current.IsEmpty() || m_inUse.Find(m_current, false) != nullptr ||
        shr::Singleton<Gridlore::KORInterface>::Instance().Find(m_current.GetCSDef(), false) !=
            nullptr ||
        Favorites().Find(m_current, false) != nullptr || m_currentIsKnown ||
        m_custom.Find(m_current, false) != nullptr) {
        return;
    }
    m_custom.push_back(m_current);
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
    m_children.try_emplace({parent.value, text}, item);
    m_records.push_back({kind, index, item, definition});
    m_tree.SetItemData(item, m_records.size() - 1);
    return item;
}

TreeItem CRSDlgImpl::InsertCategorized(std::wstring const& name, ItemKind kind, std::int32_t index,
                                       TreeItem parent, std::wstring const& definition) {
    return InsertPath(SplitCategoryPath(name), kind, index, parent, definition);
}

TreeItem CRSDlgImpl::InsertPath(std::vector<std::wstring> const& parts, ItemKind kind,
                                std::int32_t index, TreeItem parent,
                                std::wstring const& definition) {
    if (parts.empty()) {
        GRIDUI_INTERNAL_ERROR();
    }
    TreeItem current = parent;
    for (std::size_t i = 0; i + 1 < parts.size() && current; ++i) {
        auto const found = m_children.find({current.value, parts[i]});
        current = found != m_children.end() ? found->second
                                            : InsertItem(parts[i], Folder, 0, current,
                                                         platform::InsertAfter::Sort, definition);
    }
    return InsertItem(parts.back(), kind, index, current, platform::InsertAfter::Sort, definition);
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

// --- Search ----------------------------------------------------------------------------

bool CRSDlgImpl::MatchesSearch(CoordinateSystem const& system, wchar_t const* search, int code) {
    if (!HasSearch(search)) {
        return true;
    }
    kor::CSDef const* definition = system.GetCSDef();
    if (code != 0 && definition != nullptr && CodeOf(*definition) == code) {
        return true;
    }
    return shr::Contains(system.GetLeafName(), search, false);
}

std::wstring CRSDlgImpl::QuerySearchDefinition(wchar_t const* search) {
    if (!HasSearch(search)) {
        return {};
    }
    // Two words that both look like numbers are most likely coordinates, and three or
    // more words are a phrase: neither names a system the library could look up.
    std::wistringstream words(search);
    std::wstring first;
    std::wstring second;
    words >> first;
    if (words >> second) {
        std::wstring third;
        if ((IsMarked(first) && IsMarked(second)) || words >> third) {
            return {};
        }
    }
    std::vector<std::wstring> const found = kor::QueryCSDefinitions(search, 1);
    if (found.empty()) {
        return {};
    }
    std::wstring const& entry = found.front();
    std::wstring const prefix = L"EPSG:";
    return entry.size() >= prefix.size() && entry.compare(0, prefix.size(), prefix) == 0
               ? entry.substr(prefix.size())
               : entry;
}

void CRSDlgImpl::AddByDefinition(wchar_t const* search) {
    int const code = SearchCode(search);
    if (code <= 0) {
        return;
    }
    std::wstring const text = shr::ToString(L"EPSG:%d", code);
    std::unique_ptr<kor::CSDef> const definition = LookupByDefinition(text);
    if (definition == nullptr) {
        return;
    }
    EnsureRootNode(m_customNode, CustomText);
    InsertCategorized(definition->GetName(), Known, -1, m_customNode, text);
    m_tree.Expand(m_customNode);
    ++m_shownCount;
    ++m_totalCount;
}

void CRSDlgImpl::OnSearch() {
    m_searchCombo.StoreValue(true);
    std::wstring const text = m_searchCombo.GetWindowText();
    Rebuild(text.c_str());
    ShowStatus(m_shownCount < m_totalCount);
}

void CRSDlgImpl::OnClearSearch() {
    m_searchCombo.SetWindowText({});
    OnSearch();
}

void CRSDlgImpl::ShowStatus(bool show) {
    m_status.SetWindowText(shr::ToString(L"%u of %u items shown", m_shownCount, m_totalCount));
    m_status.ShowWindow(show);
    platform::Rect const combo = WindowRectOf(m_searchCombo);
    platform::Rect const status = WindowRectOf(m_status);
    platform::Rect const tree = WindowRectOf(m_tree);
    // Shown, the line sits between the search box and the tree with the same gap below
    // it as above; hidden, the tree takes its place.
    int const top = show ? status.bottom + (status.top - combo.bottom) : status.top;
    int const moved = top - tree.top;
    if (moved == 0) {
        return;
    }
    platform::Window* parent = m_tree.GetParent();
    platform::Rect rect = parent != nullptr ? parent->ScreenToClient(tree) : tree;
    rect.top += moved;
    m_tree.MoveWindow(rect);
    // A resizing host lays the tree out from its kept rectangle: keep the new top there.
    if (auto* resizing = dynamic_cast<shrgui::CDialogResize*>(parent)) {
        resizing->InflateCachedControl(res::Tree, 0, -moved, 0, 0);
    }
}

void CRSDlgImpl::OnSelChangeSearch(platform::Dialog& host) {
    // Posted, so that the combo box has put the picked text into its field first.
    host.PostCommand(res::Search, res::SearchBox);
}

// --- Selection and command state -------------------------------------------------------

std::shared_ptr<CRSDlgImpl::SelectionInfo> CRSDlgImpl::GetSelectionInfo(TreeItem item) const {
    TreeItemRecord const& record = GetRecord(item);
    auto const position = static_cast<std::size_t>(record.index);
    auto info = std::make_shared<SelectionInfo>();
    switch (record.kind) {
    case Folder:
        return nullptr;
    case Known: {
        std::unique_ptr<kor::CSDef> lookedUp;
        kor::CSDef const* definition = nullptr;
        if (record.index >= 0) {
            definition = shr::Singleton<Gridlore::KORInterface>::Instance().at(record.index);
            if (definition == nullptr) {
                GRIDUI_INTERNAL_ERROR();
            }
        } else {
            lookedUp = LookupByDefinition(record.definition);
            if (lookedUp == nullptr) {
                return nullptr;
            }
            definition = lookedUp.get();
        }
        info->system = CoordinateSystem(*definition);
        info->isKnown = true;
        break;
    }
    case Custom:
        info->system = m_custom.at(position);
        break;
    case Favorite:
        info->system = Favorites().at(position);
        break;
    case InUse:
        info->system = m_inUse.at(position);
        break;
    default:
        GRIDUI_INTERNAL_ERROR();
    }
    if (!info->system.Dereference()) {
        info->system.Reconcile(false);
    }
    return info;
}

void CRSDlgImpl::OnSelChangedCS() {
    TreeItem const item = m_tree.GetSelectedItem();
    if (item) {
        if (std::shared_ptr<SelectionInfo> const info = GetSelectionInfo(item)) {
            m_current = info->system;
            m_currentIsKnown = info->isKnown;
            m_description.SetWindowText(m_current.GetDescription());
        }
    }
    UpdateButtons();
}

TreeItemRecord const* CRSDlgImpl::SelectedRecord() const {
    TreeItem const item = m_tree.GetSelectedItem();
    return item ? &GetRecord(item) : nullptr;
}

void CRSDlgImpl::UpdateButtons() {
    if (!m_tree.HasWindow()) {
        return;
    }
    auto* host = dynamic_cast<platform::Dialog*>(m_tree.GetParent());
    if (host == nullptr) {
        return;
    }
    TreeItemRecord const* record = SelectedRecord();
    bool const system = record != nullptr && record->kind != Folder;
    bool const favorite = system && record->kind == Favorite;
    auto const enable = [host](platform::ControlId id, bool on) {
        // A button the host hid (the page's OK) is not the user's to press.
        if (host->HasDlgItem(id) && host->GetDlgItem(id).IsWindowVisible()) {
            host->GetDlgItem(id).EnableWindow(on);
        }
    };
    enable(platform::IDOK, system);
    enable(res::Modify, system);
    enable(res::AddToFavorites, system && !favorite);
    enable(res::Remove, favorite);
}

void CRSDlgImpl::OnUpdateCSAdd(platform::CmdUI& cmdUI) {
    TreeItemRecord const* record = SelectedRecord();
    cmdUI.Enable(record != nullptr && record->kind != Folder && record->kind != Favorite);
}

void CRSDlgImpl::OnUpdateCSRemove(platform::CmdUI& cmdUI) {
    TreeItemRecord const* record = SelectedRecord();
    cmdUI.Enable(record != nullptr && record->kind == Favorite);
}

void CRSDlgImpl::OnContextMenu(platform::Dialog& owner, platform::Window* window,
                               platform::Point point) {
    if (window == nullptr || !window->HasWindow() || !m_tree.HasWindow() ||
        &window->Native() != &m_tree.Native()) {
        return;
    }
    platform::TreeHitTest const hit = m_tree.HitTest(m_tree.ScreenToClient(point));
    if (!hit.item) {
        return;
    }
    m_tree.SelectItem(hit.item);
    m_tree.SetFocus();
    shared::ResourceHandleScope ownResources(&Module());
    platform::PopupMenu::Track(res::BrowserMenu, 0, owner, owner, point);
}

bool CRSDlgImpl::IsOnItem(platform::Point screen) const {
    return (m_tree.HitTest(m_tree.ScreenToClient(screen)).flags & platform::HitOnItem) != 0;
}

} // namespace gridui
