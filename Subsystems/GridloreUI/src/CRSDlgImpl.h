// gridui::CRSDlgImpl: the browser's logic, shared by the dialog and the page that host it.
#pragma once

#include "BrowserSearch.h"
#include "CRSDlgAreaMap.h"
#include "CRSTreeCtrl.h"
#include "SearchComboBox.h"
#include "gridlore/CoordinateSystem.h"
#include "gridlore/CoordinateSystemCollection.h"
#include "gridui/BrowserOptions.h"
#include "gridui/GeoArea.h"
#include "gridui/TypedPlace.h"
#include "kor/CSDef.h"
#include "kor/WarpDef.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/ToolBar.h"
#include "shr/IError.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
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

/// One per tree item; the item's data is the position of its record. Thousands are made
/// at each rebuild, so what only a few carry (a definition text) is kept beside them.
struct TreeItemRecord {
    ItemKind kind = Folder;
    std::int32_t index = 0;
    platform::TreeItem item;
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
    /// The tree has been painted for the first time: fills in what the paint did not need.
    void OnTreeFirstPainted();
    void OnSelChangedCS();
    void OnSearch();
    void OnClearSearch();
    void OnContextMenu(platform::Dialog& owner, platform::Window* window, platform::Point point);
    void OnSelChangeSearch(platform::Dialog& host);
    void OnEditChangeSearch();
    /// The pause after the last key ran out: searches what the box holds.
    void OnSearchPause();
    /// Soon after the browser is first idle: prepares the indexes a search reads, which the
    /// first tree does not need.
    void OnSearchWarmUp();
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
        std::vector<std::wstring_view> names;
        std::vector<platform::TreeItem> folders;
    };
    /// InsertCategorized for a name already split into its folders and its own name.
    platform::TreeItem InsertPath(std::span<std::wstring_view const> folders,
                                  std::wstring const& leaf, ItemKind kind, std::int32_t index,
                                  platform::TreeItem parent, std::wstring const& definition,
                                  FolderTrail* trail = nullptr);
    TreeItemRecord const& GetRecord(platform::TreeItem item) const;
    bool IsInUseItem(platform::TreeItem item) const;
    bool IsCustomItem(platform::TreeItem item) const;
    bool IsFavoriteItem(platform::TreeItem item) const;
    platform::TreeItem FindItem(Gridlore::CoordinateSystem const& system) const;
    void SelectCurrent();
    static std::unique_ptr<kor::CSDef> LookupByDefinition(std::wstring const& text);
    static bool IsSameSystem(Gridlore::CoordinateSystem const& a,
                             Gridlore::CoordinateSystem const& b);

    // Search: the rules live in BrowserSearch.
    static bool MatchesSearch(Gridlore::CoordinateSystem const& system, wchar_t const* search,
                              int code) {
        return BrowserSearch::MatchesSearch(system, search, code);
    }
    static std::wstring QuerySearchDefinition(wchar_t const* search) {
        return BrowserSearch::QuerySearchDefinition(search);
    }
    void AddByDefinition(wchar_t const* search);
    /// Rebuilds the tree for `text` and shows its outcome (status line, empty result).
    void ShowSearch(std::wstring const& text);
    /// A search the user asked for takes over from typing: the pause ends, and the typed
    /// text is no longer the last search.
    void EndSearchPause();
    /// With the option on, one inert line in the tree's place when a search of `text`
    /// shows nothing.
    void ExplainEmptySearch(std::wstring const& text);
    /// Takes the line away once the tree shows a system again.
    void RemoveEmptySearchLine();
    void ShowStatus(bool show);
    /// ShowStatus before the host keeps its layout: returns how far the tree moved.
    int ShowStatusLine(bool show);
    /// Moves the tree's top below the status line's room, or up into it; the bottom
    /// stays. Returns how far the top moved.
    int PlaceTree(bool belowStatus);

    // Places: a latitude and longitude searched for, and the host's area of interest.
    /// With the option on, the toolbar offers to keep only the predefined systems meant
    /// for the whole area, pressed from the start. Call before the window exists; an area
    /// with a bound that is no number, or its south above its north, sets none.
    void SetAreaOfInterest(GeoArea const& area);
    std::optional<GeoArea> const& AreaOfInterest() const { return m_areaOfInterest; }
    /// Whether the area of interest filters the predefined systems now.
    bool IsOnlyForArea() const;
    /// The place the last search asked for, when it was one.
    std::optional<GeoPoint> const& TypedPoint() const { return m_typedPoint; }
    void OnOnlyForArea();
    void OnUpdateOnlyForArea(platform::CmdUI& cmdUI);

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
    struct CategoryPlan;

    void AddCurrentToCustom();
    /// Counts a category's systems and inserts those the search kept under `node`.
    void DrawCategory(CategoryPlan const& plan, platform::TreeItem& node);
    /// The node field of a category's kind; the predefined one for known systems.
    platform::TreeItem& NodeOf(ItemKind kind);
    /// The system of a collection's kind (in use, favourite, custom) at `position`.
    Gridlore::CoordinateSystem const& SystemOf(ItemKind kind, std::size_t position) const;
    /// Leaves out of the plans from `firstPass` on what the plans before it show.
    static void DropRepeated(std::vector<CategoryPlan>& plans, std::size_t firstPass);
    /// The "Best matches" group: the best results of every category, best first.
    void AddBestMatches(std::vector<CategoryPlan> const& plans);
    /// Keeps why the item just inserted matched, and whether it is the best result yet.
    void NoteMatch(platform::TreeItem item, SearchMatch const& match);
    /// Deletes the items other than `kept` that show the system `index` of `kind`, as the
    /// best matches may, before that system goes.
    void DeleteOtherItems(ItemKind kind, std::int32_t index, platform::TreeItem kept);
    /// Why the selected item matched, when its name does not say it; else empty.
    std::wstring SelectedMatchNote() const;
    platform::TreeItem EnsureRootNode(platform::TreeItem& node, wchar_t const* text);
    /// `place`: the search was a place, whose results open however many they are.
    void ExpandAfterRebuild(bool searched, bool place);
    /// The record of the selected item, or null when nothing is selected.
    TreeItemRecord const* SelectedRecord() const;
    void CreateSearchToolbar(platform::Dialog& host);
    /// Keeps what the search read as a place for the status line and the map.
    void NotePlace(TypedPlace const& place);
    /// Keeps, of the predefined systems a search answered, those whose area of use holds
    /// the whole area of interest; without a search they rank most local first.
    void KeepForArea(CategoryAnswer& answer, bool searched);
    /// Whether the system at `position` of the source `kind` names is meant for the whole
    /// area of interest; only a registry system has an area of use to tell.
    bool IsForArea(ItemKind kind, std::size_t position);
    /// For each known position, whether it is meant for the whole area of interest.
    std::vector<bool> const& AreaKeeps();
    /// The status line for the last search when it was read as a place, else empty.
    std::wstring const& PlaceStatus() const { return m_placeStatus; }
    /// Room for a sentence in the status line: as wide as the tree.
    void WidenStatusLine();
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
    /// Fills the description from `m_current`, saying so when the tree does not show it;
    /// before the tree's first paint, only notes that it is to be filled.
    void ShowDescription(bool currentShown);
    /// Fills the description noted before the tree's first paint, if any.
    void ShowPendingDescription();
    /// The list's name of the current system when `item` shows it as the known list holds
    /// it, unchanged and named by the list or by its leaf: built from the list, it would be
    /// the same system. Nothing for any other item.
    std::optional<std::wstring> ListedNameOfCurrent(platform::TreeItem item) const;
    /// Whether the tree shows `m_current` (a search may have left it out).
    bool IsCurrentShown() const;
    /// Makes a confirmed dialog's system the current one; false when it was cancelled.
    bool AdoptDefined(std::unique_ptr<Gridlore::CoordinateSystem> defined);
    /// Renames a leaf item and keeps it in its parent's order.
    void RenameLeafItem(platform::TreeItem item, std::wstring const& text);

    std::vector<TreeItemRecord> m_records;
    Gridlore::CoordinateSystem m_current;
    bool m_currentIsKnown = false;
    bool m_warmUpScheduled = false;
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
    /// The description waiting for the tree's first paint: whether the tree shows the
    /// current system.
    std::optional<bool> m_pendingDescription;
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
    std::optional<GeoArea> m_areaOfInterest;
    bool m_onlyForArea = false;
    std::optional<GeoPoint> m_typedPoint;
    std::wstring m_placeStatus;
    /// For each known position, whether its area of use holds the whole area of interest;
    /// worked out at the first rebuild that needs it.
    std::vector<bool> m_areaKeeps;
    /// Why the items of the last search matched, by record, where the name does not say.
    std::unordered_map<std::size_t, std::wstring> m_matchNotes;
    /// The definition text of each record found by it (a known system of position -1).
    std::unordered_map<std::size_t, std::wstring> m_definitions;
    /// The best result of the last search and its rank; null without one.
    platform::TreeItem m_bestItem;
    SearchRank m_bestRank;
    /// The line that says a search found nothing; null while there is none.
    platform::TreeItem m_emptySearchLine;
};

} // namespace gridui
