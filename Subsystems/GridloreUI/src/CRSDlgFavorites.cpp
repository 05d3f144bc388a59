// CRSDlgImpl's commands that change which systems the browser offers: the favourites and
// the custom systems.
#include "BrowserCategories.h"
#include "CRSDlgImpl.h"
#include "DisplayName.h"
#include "ErrorMacros.h"
#include "gridui/CRSDefineDlg.h"
#include "gridui/DefineUCSDlg.h"
#include "kor/UCSDef.h"

#include <iterator>

namespace gridui {

using Gridlore::CoordinateSystem;
using platform::TreeItem;

namespace {

/// Where a new local system starts when the current one is not local: a meter grid with
/// no offsets and no name, which the local-system dialog accepts once named.
CoordinateSystem UnnamedMeterGrid() {
    return CoordinateSystem(kor::UCSDef(1.0, 0.0, 0.0, nullptr));
}

/// Runs a definition dialog on `start`; the defined system after OK, nothing otherwise.
template <typename Dialog>
std::unique_ptr<CoordinateSystem> Define(CoordinateSystem const& start,
                                         std::shared_ptr<shr::IError> const& errorSink) {
    auto dialog = std::make_unique<Dialog>(start, errorSink, nullptr);
    if (dialog->DoModal() != platform::IDOK) {
        return nullptr;
    }
    std::shared_ptr<CoordinateSystem> const defined = dialog->CurrentCoordinateSystem();
    if (defined == nullptr) {
        GRIDUI_INTERNAL_ERROR();
    }
    return std::make_unique<CoordinateSystem>(*defined);
}

} // namespace

void CRSDlgImpl::SaveFavorites() const {
    Favorites().Save(m_favoritesPath);
}

void CRSDlgImpl::OnAddToFavorites() {
    TreeItem const item = m_tree.GetSelectedItem();
    if (!item || GetRecord(item).kind == Folder || GetRecord(item).kind == Favorite) {
        return;
    }
    std::shared_ptr<SelectionInfo> const info = GetSelectionInfo(item);
    if (info == nullptr) {
        GRIDUI_INTERNAL_ERROR();
    }
    std::wstring const name = DisplayName(info->system.GetLeafName());
    info->system.SetCategorizedName(name);
    if (int const existing = m_options.oneFavoritePerSystem ? FindFavorite(info->system) : -1;
        existing >= 0) {
        m_tree.SelectItem(FavoriteItem(existing));
        OnSelChangedCS();
        return;
    }
    Favorites().push_back(info->system);
    bool const firstFavorite = !m_favoritesNode;
    EnsureRootNode(m_favoritesNode, FavoritesText);
    TreeItem const added = InsertCategorized(
        name, Favorite, static_cast<std::int32_t>(Favorites().size()) - 1, m_favoritesNode, {});
    // Open, as a rebuild leaves every category, so that the new favourite shows.
    if (firstFavorite) {
        m_tree.Expand(m_favoritesNode);
    }
    if (m_options.oneFavoritePerSystem) {
        m_tree.EnsureVisible(added);
    }
    SaveFavorites();
}

int CRSDlgImpl::FindFavorite(CoordinateSystem const& system) const {
    // Equal as the user sees it: the same definition under the same shown name.
    std::wstring const name = DisplayName(system.GetLeafName());
    for (std::size_t position = 0; position < Favorites().size(); ++position) {
        CoordinateSystem const& favorite = Favorites().at(position);
        if (favorite.GetCSDef() != nullptr && system.GetCSDef() != nullptr &&
            favorite.GetCSDef()->Compare(*system.GetCSDef(), true) &&
            DisplayName(favorite.GetLeafName()) == name) {
            return static_cast<int>(position);
        }
    }
    return -1;
}

TreeItem CRSDlgImpl::FavoriteItem(int position) {
    for (TreeItemRecord const& record : m_records) {
        if (record.kind == Favorite && record.index == position && record.item) {
            return record.item;
        }
    }
    // A search left it out: it is shown again, as a new favourite would be.
    return InsertCategorized(
        DisplayName(Favorites().at(static_cast<std::size_t>(position)).GetLeafName()), Favorite,
        position, EnsureRootNode(m_favoritesNode, FavoritesText), {});
}

void CRSDlgImpl::OnRemove() {
    TreeItem const item = m_tree.GetSelectedItem();
    if (!item) {
        return;
    }
    if (!IsFavoriteItem(item)) {
        GRIDUI_INTERNAL_ERROR();
    }
    std::shared_ptr<SelectionInfo> const info = GetSelectionInfo(item);
    if (info == nullptr) {
        return;
    }
    int const found = Favorites().FindIndex(info->system, true);
    if (found < 0) {
        return;
    }
    DeleteOtherItems(Favorite, found, item);
    // The records after it keep designating their own systems.
    for (TreeItemRecord& record : m_records) {
        if (record.kind == Favorite && record.index > found) {
            --record.index;
        }
    }
    Favorites().erase(std::next(Favorites().begin(), found));
    m_records[m_tree.GetItemData(item)].item = {};
    m_tree.DeleteItem(item);
    if (m_options.oneFavoritePerSystem && m_tree.GetSelectedItem()) {
        m_tree.EnsureVisible(m_tree.GetSelectedItem());
    }
    // Saved last: a file that cannot be written leaves the tree and the list agreeing.
    SaveFavorites();
}

void CRSDlgImpl::OnNewLocal() {
    CoordinateSystem const start = m_current.IsUnreferenced() ? m_current : UnnamedMeterGrid();
    if (AdoptDefined(Define<DefineUCSDlg>(start, m_error))) {
        AddCustomSystem();
    }
}

void CRSDlgImpl::OnNewGeo() {
    CoordinateSystem const start =
        m_current.IsUnreferenced() ? CoordinateSystem(L"GEOGCS_DATUM_WGS84", true) : m_current;
    if (AdoptDefined(Define<CRSDefineDlg>(start, m_error))) {
        AddCustomSystem();
    }
}

void CRSDlgImpl::AddCustomSystem() {
    RemoveEmptySearchLine();
    AppendCustom(m_current, true);
    EnsureRootNode(m_customNode, CustomText);
    TreeItem const item =
        InsertCategorized(m_current.GetLeafName(), Custom,
                          static_cast<std::int32_t>(m_custom.size()) - 1, m_customNode, {});
    m_tree.SelectItem(item);
    m_tree.EnsureVisible(item);
    OnSelChangedCS();
    // Saved last: a file that cannot be written leaves the tree and the list agreeing.
    SaveCustomSystems();
}

void CRSDlgImpl::OnModify() {
    TreeItem const item = m_tree.GetSelectedItem();
    if (!item) {
        return;
    }
    TreeItemRecord const record = GetRecord(item);
    if (record.kind == Folder) {
        return;
    }
    // What the library or the host owns is never changed: the edit becomes a new system.
    if (record.kind == Known || record.kind == InUse) {
        if (m_current.IsUnreferenced()) {
            OnNewLocal();
        } else {
            OnNewGeo();
        }
        return;
    }
    std::wstring const oldName = m_current.GetLeafName();
    bool const modified = m_current.IsUnreferenced() ? ModifyLocalSystem() : ModifyGeoSystem();
    if (!modified) {
        return;
    }
    auto const position = static_cast<std::size_t>(record.index);
    if (record.kind == Favorite) {
        Favorites().at(position) = m_current;
        SaveFavorites();
    } else if (record.kind == Custom) {
        m_custom.at(position) = m_current;
        m_customKept.at(position) = true;
        SaveCustomSystems();
    } else {
        GRIDUI_INTERNAL_ERROR();
    }
    std::wstring const newName = m_current.GetLeafName();
    if (newName != oldName) {
        RenameLeafItem(item, newName);
    }
    if (newName != oldName || m_options.oneFavoritePerSystem) {
        m_tree.EnsureVisible(item);
    }
    OnSelChangedCS();
}

bool CRSDlgImpl::ModifyLocalSystem() {
    return AdoptDefined(Define<DefineUCSDlg>(m_current, m_error));
}

bool CRSDlgImpl::ModifyGeoSystem() {
    return AdoptDefined(Define<CRSDefineDlg>(m_current, m_error));
}

bool CRSDlgImpl::AdoptDefined(std::unique_ptr<CoordinateSystem> defined) {
    if (defined == nullptr) {
        return false;
    }
    m_current = std::move(*defined);
    m_currentIsKnown = false;
    return true;
}

void CRSDlgImpl::RenameLeafItem(TreeItem item, std::wstring const& text) {
    TreeItem const parent = m_tree.GetParentItem(item);
    m_tree.SetItemText(item, text);
    if (parent) {
        m_tree.SortChildren(parent);
    }
}

} // namespace gridui
