#include "BrowserResources.h"

#include "SearchToolBarImage.h"
#include "gridui/ResourceIds.h"

namespace gridui {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::Rect;

// Template rectangles hold x, y, width and height in dialog units.

// The command buttons form one column on the right, all of one size.
ControlTemplate CommandButton(int id, wchar_t const* text, int top, unsigned style = 0) {
    return {id, ControlKind::Button, text, Rect{230, top, 96, 14}, platform::StyleTabStop | style};
}

platform::DialogTemplate BrowserDialog() {
    platform::DialogTemplate dialog;
    dialog.id = res::BrowserDialog;
    dialog.caption = L"Assign Coordinate System";
    dialog.size = {333, 309};
    dialog.controls = {
        {res::SearchBox, ControlKind::ComboBox, L"", Rect{6, 6, 177, 30},
         platform::ComboEditable | platform::ComboSorted | platform::StyleVScroll |
             platform::StyleTabStop},
        {res::ToolBarPlaceholder, ControlKind::Static, L"", Rect{186, 4, 36, 16},
         platform::StaticFrame | platform::StyleHidden},
        {res::Tree, ControlKind::TreeView, L"", Rect{6, 23, 216, 159},
         platform::TreeHasButtons | platform::TreeHasLines | platform::TreeLinesAtRoot |
             platform::TreeShowSelAlways | platform::StyleBorder | platform::StyleHScroll |
             platform::StyleTabStop},
        // Hidden until a search filters the tree; it then counts the systems shown.
        {res::Status, ControlKind::Static, L"Static", Rect{6, 24, 160, 8}, platform::StyleHidden},
        {res::Description, ControlKind::Edit, L"", Rect{6, 189, 216, 112},
         platform::EditMultiLine | platform::EditReadOnly | platform::EditAutoVScroll |
             platform::EditAutoHScroll | platform::StyleVScroll | platform::StyleBorder},
        CommandButton(res::NewLocal, L"New Local System...", 22),
        CommandButton(res::NewGeographic, L"New Geographic System...", 41),
        CommandButton(res::Modify, L"Modify...", 60),
        CommandButton(res::AddToFavorites, L"Add to Favorites", 93),
        CommandButton(res::Remove, L"Remove from Favorites", 112),
        CommandButton(res::LoadFromFile, L"Load from File...", 145),
        CommandButton(res::SaveToFile, L"Save to File...", 164),
        CommandButton(platform::IDOK, L"OK", 266, platform::ButtonDefault),
        CommandButton(platform::IDCANCEL, L"Cancel", 287),
    };
    return dialog;
}

platform::MenuTemplate BrowserMenu() {
    return {res::BrowserMenu,
            {{L"",
              {
                  {res::AddToFavorites, L"&Add to Favorites"},
                  {res::Remove, L"&Remove"},
                  {0, L""},
                  {res::NewLocal, L"&New Local System..."},
                  {res::NewGeographic, L"&New Geographic System..."},
                  {res::Modify, L"&Modify..."},
                  {0, L""},
                  {res::DeleteCustom, L"&Delete"},
              }}}};
}

platform::ToolBarTemplate SearchToolBar() {
    std::span<unsigned char const> const image = SearchToolBarImage();
    return {res::SearchToolBar,
            {16, 16},
            {res::Search, res::ClearSearch},
            {image.begin(), image.end()}};
}

/// The same bar with the area-of-interest toggle, for a host that set an area.
platform::ToolBarTemplate AreaSearchToolBar() {
    platform::ToolBarTemplate bar = SearchToolBar();
    bar.id = res::AreaSearchToolBar;
    bar.buttons.push_back(res::OnlyForArea);
    bar.checkButtons.push_back(res::OnlyForArea);
    return bar;
}

} // namespace

void AdjustBrowserTemplate(platform::DialogTemplate& dialog, BrowserOptions const& options) {
    if (!options.showAreaMap) {
        return;
    }
    constexpr int MapTop = 307;
    // The world at two by one over the description's width, and a line for its note.
    constexpr int MapHeight = 118;
    constexpr int AddedHeight = MapHeight + 6;
    dialog.size.height += AddedHeight;
    for (ControlTemplate& control : dialog.controls) {
        if (control.id == platform::IDOK || control.id == platform::IDCANCEL) {
            control.rect.top += AddedHeight;
        }
    }
    dialog.controls.push_back(
        {res::AreaMap, ControlKind::DrawingSurface, L"", Rect{6, MapTop, 216, MapHeight}, 0});
}

void AddBrowserResources(platform::ResourceModule& module) {
    module.AddDialog(BrowserDialog());
    module.AddMenu(BrowserMenu());
    module.AddToolBar(SearchToolBar());
    module.AddToolBar(AreaSearchToolBar());
    // Each text is the status-bar prompt, then after the line feed the tooltip.
    module.AddString(res::NewGeographic,
                     L"Create a new geographic coordinate system\nNew Geographic System");
    module.AddString(res::AddToFavorites, L"Add coordinate system to Favorites\nAdd to Favorites");
    module.AddString(res::Remove, L"Remove coordinate system\nRemove");
    module.AddString(res::NewLocal,
                     L"Create a new unreferenced local coordinate system\nNew Local System");
    module.AddString(res::DeleteCustom, L"Delete custom coordinate system\nDelete");
    module.AddString(res::Search, L"Search coordinate systems\nSearch");
    module.AddString(res::ClearSearch, L"\nClear Search");
    module.AddString(res::OnlyForArea, L"Show only the systems whose area of use holds all of "
                                       L"the data's area\nOnly systems for this area");
}

} // namespace gridui
