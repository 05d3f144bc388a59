// CRSDlgImpl: construction, data exchange, the search toolbar, and the selection with
// the description and command state it drives.
#include "CRSDlgImpl.h"

#include "BrowserCategories.h"
#include "ErrorMacros.h"
#include "Shared/ResourceHandleScope.h"
#include "gridlore/KORInterface.h"
#include "gridui/Module.h"
#include "gridui/ResourceIds.h"
#include "kor/KORDef.h"
#include "kor/SystemList.h"
#include "platform/PopupMenu.h"
#include "shr/Singleton.h"
#include "shr/StringUtil.h"

#include <algorithm>
#include <chrono>

namespace gridui {

namespace {

/// Counted from the first idle moment, when the toolkit has shown and painted the dialog:
/// short enough to be over before most users' first key.
constexpr std::chrono::milliseconds SearchWarmUpDelay{200};

} // namespace

using Gridlore::CoordinateSystem;
using Gridlore::CoordinateSystemCollection;
using platform::TreeItem;

CRSDlgImpl::CRSDlgImpl(CoordinateSystem const& current, std::wstring const& favoritesPath,
                       std::shared_ptr<shr::IError> const& errorSink,
                       CoordinateSystemCollection inUse, std::wstring customSystemsPath)
    : m_current(current)
    , m_favoritesPath(favoritesPath)
    , m_error(errorSink)
    , m_inUse(std::move(inUse))
    , m_customPath(std::move(customSystemsPath)) {
    if (m_favoritesPath.empty()) {
        GRIDUI_INTERNAL_ERROR();
    }
    if (m_error == nullptr) {
        GRIDUI_INTERNAL_ERROR();
    }
    m_tree.SetCustomSystemsKept(!m_customPath.empty());
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
    m_areaMap.DoDataExchange(exchange);
    if (exchange.SaveAndValidate()) {
        m_searchCombo.StoreTypedSearch();
        m_searchCombo.SaveHistory(true);
    } else {
        m_searchCombo.SetSaveHistoryOnClose(m_options.keepSearchHistoryOnCancel);
        m_searchCombo.SetMaxHistoryItems(0);
        m_searchCombo.LoadHistory(L"Settings\\CRSSearchHistory", L"Search", false, nullptr);
    }
}

bool CRSDlgImpl::OnInitDialog(platform::Dialog& host) {
    m_searchCombo.SetCueBanner(L"Search for text or EPSG code");
    if (m_options.placeSearch) {
        m_searchCombo.SetHint(L"Type part of a name, an EPSG code, or a place as latitude and "
                              L"longitude: \"52.52 13.40\" or \"52\u00B031'N 13\u00B024'E\". "
                              L"The latitude comes first unless N, S, E or W says otherwise.");
        WidenStatusLine();
    }
    CreateSearchToolbar(host);
    if (m_options.steadyStatusLine) {
        // The line's room is kept from the start: a tree that moved at every search
        // would jump away from the pointer.
        PlaceTree(true);
    }
    LoadCustomSystems();
    Rebuild(nullptr);
    // Kept to the host's area from the start, the tree must say it is not all there is.
    if (IsOnlyForArea()) {
        ShowStatusLine(m_shownCount < m_totalCount);
    }
    // With nothing selected the map still says what it shows.
    m_areaMap.ShowSystem(m_current);
    return true;
}

void CRSDlgImpl::CreateSearchToolbar(platform::Dialog& host) {
    shared::ResourceHandleScope ownResources(&Module());
    m_toolbar.Create(host, platform::ToolBarWindowId);
    bool const areaToggle = m_options.areaOfInterest && m_areaOfInterest.has_value();
    m_toolbar.LoadToolBar(areaToggle ? res::AreaSearchToolBar : res::SearchToolBar);
    platform::Rect placeholder;
    if (host.HasDlgItem(res::ToolBarPlaceholder)) {
        placeholder = host.ScreenToClient(host.GetDlgItem(res::ToolBarPlaceholder).GetWindowRect());
    }
    platform::Size const size = m_toolbar.CalcFixedLayout();
    m_toolbar.MoveWindow(platform::Rect::FromXYWH(placeholder.right - size.width, placeholder.top,
                                                  size.width, size.height));
    m_toolbar.SetOwner(host);
    // The longer bar must not cover the search box's right end.
    if (areaToggle && m_searchCombo.HasWindow()) {
        platform::Rect combo = host.ScreenToClient(m_searchCombo.GetWindowRect());
        combo.right = std::min(combo.right, placeholder.right - size.width - 2);
        m_searchCombo.MoveWindow(combo);
    }
}

void CRSDlgImpl::OnKickIdle(platform::Dialog& host) {
    // Started at the initialisation, the warm-up fell before the first paint on a busy
    // machine and held the tree back by the time it took.
    if (!m_warmUpScheduled) {
        m_warmUpScheduled = true;
        host.SetTimer(res::SearchWarmUpTimer, SearchWarmUpDelay);
    }
    if (m_toolbar.HasWindow()) {
        m_toolbar.OnUpdateCmdUI(host, true);
    }
    // A tree that is not shown is never painted; nothing else would fill the description.
    if (m_tree.HasBeenPainted() || !m_tree.IsWindowVisible()) {
        ShowPendingDescription();
    }
}

void CRSDlgImpl::OnTreeFirstPainted() {
    ShowPendingDescription();
}

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
            auto const text = m_definitions.find(m_tree.GetItemData(item));
            lookedUp = LookupByDefinition(text != m_definitions.end() ? text->second : L"");
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
    // The item of the current system itself, as the browser opens on the host's: built
    // again from the list it would be the same system, and building it reads the registry's
    // database, before the first paint at the open.
    if (std::optional<std::wstring> const listed =
            item ? ListedNameOfCurrent(item) : std::nullopt) {
        // Named as the list names it, as the system built from the list would be.
        if (m_current.GetName() != *listed) {
            std::unique_ptr<kor::CSDef> const named = m_current.GetCSDef()->Clone();
            named->SetName(*listed);
            m_current = CoordinateSystem(*named);
        }
        m_currentIsKnown = true;
        ShowDescription(true);
        UpdateButtons();
        return;
    }
    std::shared_ptr<SelectionInfo> const info = item ? GetSelectionInfo(item) : nullptr;
    if (info != nullptr) {
        m_current = info->system;
        m_currentIsKnown = info->isKnown;
        ShowDescription(true);
    } else if (item && m_options.markCurrentNotShown && !IsCurrentShown()) {
        ShowDescription(false);
    }
    UpdateButtons();
}

std::optional<std::wstring> CRSDlgImpl::ListedNameOfCurrent(TreeItem item) const {
    TreeItemRecord const& record = GetRecord(item);
    auto const* referenced = dynamic_cast<kor::KORDef const*>(m_current.GetCSDef());
    if (record.kind != Known || record.index < 0 || referenced == nullptr ||
        referenced->GetWarp() != nullptr || referenced->GetRegistryPartsCode() <= 0) {
        return std::nullopt;
    }
    auto const& known = kor::KORKnownSystemsList;
    std::wstring name = known.EnumName(record.index);
    if (name.empty() || referenced->GetRegistryPartsCode() != known.EnumPOSC(record.index)) {
        return std::nullopt;
    }
    // The registry's code alone gives the system named by its leaf.
    std::wstring_view const listed(name);
    std::wstring const own = referenced->GetName();
    if (own != listed && own != listed.substr(listed.rfind(L'|') + 1)) {
        return std::nullopt;
    }
    return name;
}

void CRSDlgImpl::ShowDescription(bool currentShown) {
    // Describing a system reads the registry's database; the first paint shows no
    // description worth that wait, and the paint is followed at once by the filling.
    if (m_tree.HasWindow() && !m_tree.HasBeenPainted() && m_tree.IsWindowVisible()) {
        m_pendingDescription = currentShown;
        return;
    }
    m_pendingDescription.reset();
    std::wstring description = m_current.GetDescription();
    // The description outlives the selection; without this line the user cannot tell
    // why it shows a system while OK is off.
    if (!currentShown && m_options.markCurrentNotShown && !m_current.IsEmpty()) {
        description = L"Current system (not among the results):\r\n" + description;
    } else if (std::wstring const note = currentShown ? SelectedMatchNote() : std::wstring();
               !note.empty()) {
        // A system found by an alias or its area of use would otherwise seem unrelated.
        description = note + L"\r\n" + description;
    }
    m_description.SetWindowText(description);
    m_areaMap.ShowSystem(m_current);
}

void CRSDlgImpl::ShowPendingDescription() {
    if (m_pendingDescription) {
        ShowDescription(*m_pendingDescription);
    }
}

bool CRSDlgImpl::IsCurrentShown() const {
    return static_cast<bool>(FindItem(m_current));
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

void CRSDlgImpl::OnUpdateCSDelete(platform::CmdUI& cmdUI) {
    TreeItemRecord const* record = SelectedRecord();
    cmdUI.Enable(record != nullptr && record->kind == Custom);
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
