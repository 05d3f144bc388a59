// gridui::CRSDlgImpl: the browser's logic, shared by the dialog and the page that host it.
#pragma once

#include "CRSDlgAreaMap.h"
#include "CRSTreeCtrl.h"
#include "SearchComboBox.h"
#include "gridlore/CoordinateSystem.h"
#include "gridlore/CoordinateSystemCollection.h"
#include "gridui/BrowserOptions.h"
#include "kor/CSDef.h"
#include "kor/WarpDef.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/ToolBar.h"
#include "shr/IError.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace gridui {

/// What a tree item shows; the record's index refers to the source the kind names.
enum ItemKind : std::uint32_t {
    Folder = 0,
    /// A position in the known list, or -1 for a system found by its definition text.
    Known = 1,
    Favorite = 2,
    Custom = 3,
    InUse = 4,
};

/// One per tree item; the item's data is the position of its record.
struct TreeItemRecord {
    ItemKind kind = Folder;
    std::int32_t index = 0;
    platform::TreeItem item;
    std::wstring definition;
};

class CRSDlgImpl {
public:
    struct SelectionInfo {
        Gridlore::CoordinateSystem system;
        bool isKnown = false;
    };

    /// `customSystemsPath` names the file that keeps the custom systems between sessions;
    /// empty keeps them only while this browser lives.
    CRSDlgImpl(Gridlore::CoordinateSystem const& current, std::wstring const& favoritesPath,
               std::shared_ptr<shr::IError> const& errorSink,
               Gridlore::CoordinateSystemCollection inUse, std::wstring customSystemsPath = {});
    ~CRSDlgImpl();
    CRSDlgImpl(CRSDlgImpl const&) = delete;
    CRSDlgImpl& operator=(CRSDlgImpl const&) = delete;

    Gridlore::CoordinateSystem const& CurrentCoordinateSystem();

    void DoDataExchange(platform::DataExchange& exchange);
    bool OnInitDialog(platform::Dialog& host);

    // Handlers the hosts route to.
    void OnKickIdle(platform::Dialog& host);
    void OnSelChangedCS();
    void OnSearch();
    void OnClearSearch();
    void OnContextMenu(platform::Dialog& owner, platform::Window* window, platform::Point point);
    void OnSelChangeSearch(platform::Dialog& host);
    void OnUpdateCSAdd(platform::CmdUI& cmdUI);
    void OnUpdateCSRemove(platform::CmdUI& cmdUI);
    void OnUpdateCSDelete(platform::CmdUI& cmdUI);

    // Favourites and custom systems.
    void OnAddToFavorites();
    void OnRemove();
    void OnNewLocal();
    void OnNewGeo();
    void OnModify();
    /// Makes `m_current` a custom system with a selected item under "Custom".
    void AddCustomSystem();
    bool ModifyLocalSystem();
    bool ModifyGeoSystem();
    /// Deletes the selected custom system once the user confirms.
    void OnDeleteCustom();

    // Coordinate-reference files.
    void OnLoadFromFile();
    void OnSaveToFile();
    /// The file name first offered when saving a system named `name`.
    static std::wstring ProposedFileName(std::wstring const& name);
    /// The path to write: a name still carrying one of the save formats' extensions takes
    /// that of the chosen format; any other name is the user's own and is kept.
    static std::wstring SavePathForFilter(std::wstring const& path, int filterIndex);

    /// Stands for the tree's root as a parent, so that a null parent can mean "none".
    static platform::TreeItem Root();

    // Tree population.
    void Rebuild(wchar_t const* search);
    platform::TreeItem InsertItem(std::wstring const& text, ItemKind kind, std::int32_t index,
                                  platform::TreeItem parent, platform::InsertAfter where,
                                  std::wstring const& definition);
    platform::TreeItem InsertCategorized(std::wstring const& name, ItemKind kind,
                                         std::int32_t index, platform::TreeItem parent,
                                         std::wstring const& definition);
    /// The folders the last inserted path went through: a list in the tree's order puts
    /// thousands of names in the same few folders, found here without a look-up each.
    /// Valid while nothing but InsertPath changes the tree.
    struct FolderTrail {
        platform::TreeItem parent;
        std::vector<std::wstring> names;
        std::vector<platform::TreeItem> folders;
    };
    /// InsertCategorized for a name already split into its folders and its own name.
    platform::TreeItem InsertPath(std::vector<std::wstring> const& parts, ItemKind kind,
                                  std::int32_t index, platform::TreeItem parent,
                                  std::wstring const& definition, FolderTrail* trail = nullptr);
    TreeItemRecord const& GetRecord(platform::TreeItem item) const;
    bool IsInUseItem(platform::TreeItem item) const;
    bool IsCustomItem(platform::TreeItem item) const;
    bool IsFavoriteItem(platform::TreeItem item) const;
    platform::TreeItem FindItem(Gridlore::CoordinateSystem const& system) const;
    void SelectCurrent();
    static std::unique_ptr<kor::CSDef> LookupByDefinition(std::wstring const& text);
    static bool IsSameSystem(Gridlore::CoordinateSystem const& a,
                             Gridlore::CoordinateSystem const& b);

    // Search.
    static bool MatchesSearch(Gridlore::CoordinateSystem const& system, wchar_t const* search,
                              int code);
    static std::wstring QuerySearchDefinition(wchar_t const* search);
    void AddByDefinition(wchar_t const* search);
    void ShowStatus(bool show);
    /// Moves the tree's top below the status line's room, or up into it; the bottom
    /// stays. Returns how far the top moved.
    int PlaceTree(bool belowStatus);

    // Selection.
    std::shared_ptr<SelectionInfo> GetSelectionInfo(platform::TreeItem item) const;
    void UpdateButtons();
    /// Whether a point on the screen lies on an item's icon or label.
    bool IsOnItem(platform::Point screen) const;

    void SetOptions(BrowserOptions const& options) { m_options = options; }
    /// The map of the selected system's area of use; shown only in the template with it.
    CRSDlgAreaMap& AreaMap() { return m_areaMap; }
    BrowserOptions& Options() { return m_options; }

    std::uint32_t ShownCount() const { return m_shownCount; }
    std::uint32_t TotalCount() const { return m_totalCount; }
    Gridlore::CoordinateSystemCollection const& CustomSystems() const { return m_custom; }

private:
    void AddCurrentlyInUse(wchar_t const* search);
    void AddKnownSystems(wchar_t const* search, wchar_t const* nodeText, int type);
    void AddFavorites(wchar_t const* search);
    void AddCurrentToCustom();
    void AddCustom(wchar_t const* search);
    /// Runs `search` over a collection as one category: counts, filters and inserts.
    void AddCollection(wchar_t const* search, Gridlore::CoordinateSystemCollection const& systems,
                       wchar_t const* nodeText, platform::TreeItem& node, ItemKind kind);
    platform::TreeItem EnsureRootNode(platform::TreeItem& node, wchar_t const* text);
    void ExpandAfterRebuild(bool searched);
    /// The record of the selected item, or null when nothing is selected.
    TreeItemRecord const* SelectedRecord() const;
    void CreateSearchToolbar(platform::Dialog& host);
    void SaveFavorites() const;
    /// Fills the custom systems from their file, setting a damaged one aside.
    void LoadCustomSystems();
    /// Writes the custom systems the user made, loaded or changed (not those only met as
    /// the starting system) to their file, when there is one.
    void SaveCustomSystems() const;
    void AppendCustom(Gridlore::CoordinateSystem const& system, bool kept);
    /// The position of the favourite showing as `system` would as a new favourite, or -1.
    int FindFavorite(Gridlore::CoordinateSystem const& system) const;
    /// The item of favourite `position`, inserted if the tree does not show it.
    platform::TreeItem FavoriteItem(int position);
    /// Fills the description from `m_current`, saying so when the tree does not show it.
    void ShowDescription(bool currentShown);
    /// Whether the tree shows `m_current` (a search may have left it out).
    bool IsCurrentShown() const;
    /// Makes a confirmed dialog's system the current one; false when it was cancelled.
    bool AdoptDefined(std::unique_ptr<Gridlore::CoordinateSystem> defined);
    /// Renames a leaf item and keeps it in its parent's order.
    void RenameLeafItem(platform::TreeItem item, std::wstring const& text);

    std::vector<TreeItemRecord> m_records;
    Gridlore::CoordinateSystem m_current;
    bool m_currentIsKnown = false;
    Gridlore::CoordinateSystem m_currentWithWarp;
    std::unique_ptr<kor::WarpDef> m_warp;
    Gridlore::CoordinateSystemCollection m_custom;
    SearchComboBox m_searchCombo{0};
    platform::ToolBar m_toolbar;
    std::uint32_t m_shownCount = 0;
    std::uint32_t m_totalCount = 0;
    platform::Static m_status;
    CRSTreeCtrl m_tree;
    platform::Edit m_description;
    CRSDlgAreaMap m_areaMap;
    platform::TreeItem m_favoritesNode;
    platform::TreeItem m_customNode;
    platform::TreeItem m_predefinedNode;
    platform::TreeItem m_inUseNode;
    std::wstring m_favoritesPath;
    std::shared_ptr<shr::IError> m_error;
    Gridlore::CoordinateSystemCollection m_inUse;
    BrowserOptions m_options;
    std::wstring m_customPath;
    /// Beside `m_custom`: whether each system belongs in the custom systems' file.
    std::vector<bool> m_customKept;
};

} // namespace gridui
