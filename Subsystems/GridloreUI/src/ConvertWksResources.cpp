#include "ConvertWksResources.h"

#include "gridui/ResourceIds.h"

namespace gridui {

namespace {

using platform::ControlKind;
using platform::Rect;

// Labels nothing addresses carry the id -1. Rectangles are x, y, width and height in
// dialog units.
constexpr platform::ControlId Label = -1;

constexpr unsigned ColumnCombo =
    platform::ComboEditable | platform::StyleVScroll | platform::StyleTabStop;
constexpr unsigned SystemNameEdit = platform::EditReadOnly | platform::StyleBorder |
                                    platform::EditAutoHScroll | platform::StyleTabStop;

// What each half (source, target) gained in width, so that a system's name shows whole
// with its code ("ETRS89 / UTM zone 32N [EPSG:25832]").
constexpr int Wider = 60;

platform::DialogTemplate ConvertWksDialog() {
    platform::DialogTemplate dialog;
    dialog.id = res::ConvertWksDialog;
    dialog.caption = L"New Projected Coordinates";
    dialog.size = {314 + 2 * Wider, 114};
    dialog.controls = {
        {Label, ControlKind::GroupBox, L"Source Columns", Rect{7, 7, 143 + Wider, 48}},
        {Label, ControlKind::Static, L"X:", Rect{11, 21, 8, 8}},
        {res::SrcXCombo, ControlKind::ComboBox, L"", Rect{19, 19, 126 + Wider, 54}, ColumnCombo},
        {Label, ControlKind::Static, L"Y:", Rect{11, 37, 8, 8}},
        {res::SrcYCombo, ControlKind::ComboBox, L"", Rect{19, 35, 126 + Wider, 49}, ColumnCombo},
        {Label, ControlKind::Static, L"Source Coordinate System:", Rect{7, 60, 91, 8}},
        {res::SrcCSEdit, ControlKind::Edit, L"", Rect{7, 70, 130 + Wider, 14}, SystemNameEdit},
        {Label, ControlKind::GroupBox, L"Target Columns", Rect{163 + Wider, 7, 143 + Wider, 48}},
        {Label, ControlKind::Static, L"X:", Rect{168 + Wider, 21, 8, 8}},
        {res::DstXCombo, ControlKind::ComboBox, L"", Rect{176 + Wider, 19, 126 + Wider, 61},
         ColumnCombo},
        {Label, ControlKind::Static, L"Y:", Rect{168 + Wider, 37, 8, 8}},
        {res::DstYCombo, ControlKind::ComboBox, L"", Rect{176 + Wider, 35, 126 + Wider, 57},
         ColumnCombo},
        {Label, ControlKind::Static, L"Target Coordinate System:", Rect{164 + Wider, 61, 90, 8}},
        {res::DstCSEdit, ControlKind::Edit, L"", Rect{163 + Wider, 70, 130 + Wider, 14},
         SystemNameEdit},
        {res::DstCSButton, ControlKind::Button, L"...", Rect{293 + 2 * Wider, 70, 14, 14},
         platform::StyleTabStop},
        {platform::IDOK, ControlKind::Button, L"OK", Rect{200 + 2 * Wider, 93, 50, 14},
         platform::ButtonDefault | platform::StyleTabStop},
        {platform::IDCANCEL, ControlKind::Button, L"Cancel", Rect{257 + 2 * Wider, 93, 50, 14},
         platform::StyleTabStop},
        {res::SrcCSButton, ControlKind::Button, L"...", Rect{137 + Wider, 70, 14, 14},
         platform::StyleTabStop},
    };
    return dialog;
}

} // namespace

void AddConvertWksResources(platform::ResourceModule& module) {
    module.AddDialog(ConvertWksDialog());
}

} // namespace gridui
