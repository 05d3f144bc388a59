// The numbers of the library's resources, controls and commands, shared with its hosts.
#pragma once

namespace gridui::res {

enum : int {
    BrowserDialog = 32256,
    DefineDialog = 32257,
    ConvertWksDialog = 32258,
    BrowserMenu = 32259,
    SearchToolBar = 32260,
    LocalSystemDialog = 32261,
    /// The search toolbar with the area-of-interest toggle.
    AreaSearchToolBar = 32265,

    Tree = 32272,
    Description = 32273,
    NewGeographic = 32274,
    AddToFavorites = 32275,
    Remove = 32276,
    NewLocal = 32277,
    Modify = 32278,
    SearchBox = 32279,
    Search = 32288,
    ClearSearch = 32289,
    ToolBarPlaceholder = 32290,
    Status = 32291,
    LoadFromFile = 32292,
    SaveToFile = 32293,
    DeleteCustom = 32294,
    OnlyForArea = 32298,
    AreaMap = 32300,
    /// Posted by the browser's tree once it is first painted: what that paint did not
    /// need is filled in then.
    TreeFirstPainted = 32301,

    // The worksheet-conversion dialog.
    DstCSButton = 32320,
    SrcCSButton = 32321,
    SrcCSEdit = 32322,
    DstCSEdit = 32323,
    SrcXCombo = 32324,
    SrcYCombo = 32325,
    DstXCombo = 32326,
    DstYCombo = 32327,

    // The local-system dialog.
    LocalNameEdit = 32352,
    LocalGridPlaceholder = 32353,
    LocalGrid = 32354,
};

// The browser's timers, numbered apart from its controls.
enum : int {
    SearchPauseTimer = 1,
    /// Once the browser is shown: prepares what its first search would otherwise wait for.
    SearchWarmUpTimer = 2,
};

// The controls of the define dialog (template 32257).
enum : int {
    DefineName = 32304,
    DefineProjectionGroup = 32305,
    DefineProjectionCombo = 32306,
    DefineDatumGroup = 32307,
    DefineDatumCombo = 32308,
    DefineProjectionPlaceholder = 32309,
    DefineProjectionList = 32310,
    DefineDatumPlaceholder = 32311,
    DefineDatumList = 32312,
};

} // namespace gridui::res
