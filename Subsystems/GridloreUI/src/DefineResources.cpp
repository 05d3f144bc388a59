#include "DefineResources.h"

#include "gridui/ResourceIds.h"

namespace gridui {

namespace {

using platform::ControlKind;
using platform::Rect;

// Template rectangles hold x, y, width and height in dialog units. A combo box's height
// is that of its dropped-down list.

// What the lists and combos gained in width, so that a long parameter name and a long
// value ("Position Vector Transformation (7 parameters)") show whole side by side.
constexpr int Wider = 80;

platform::DialogTemplate DefineDialog() {
    unsigned const pickList =
        platform::ComboSorted | platform::StyleVScroll | platform::StyleTabStop;
    unsigned const placeholder = platform::StaticFrame | platform::StyleHidden;
    platform::DialogTemplate dialog;
    dialog.id = res::DefineDialog;
    dialog.caption = L"Define Coordinate System";
    dialog.size = {293 + Wider, 318};
    dialog.style = platform::DialogCaption | platform::DialogSysMenu | platform::DialogResizable;
    dialog.controls = {
        {-1, ControlKind::Static, L"Name:", Rect{7, 9, 22, 8}},
        {res::DefineName, ControlKind::Edit, L"", Rect{31, 7, 189 + Wider, 14},
         platform::StyleBorder | platform::StyleTabStop | platform::EditAutoHScroll},
        {res::DefineProjectionGroup, ControlKind::GroupBox, L"Projection",
         Rect{7, 27, 213 + Wider, 140}},
        {res::DefineProjectionCombo, ControlKind::ComboBox, L"", Rect{14, 38, 200 + Wider, 112},
         pickList},
        {res::DefineProjectionPlaceholder, ControlKind::Static, L"", Rect{14, 54, 200 + Wider, 108},
         placeholder},
        {res::DefineDatumGroup, ControlKind::GroupBox, L"Datum", Rect{7, 173, 213 + Wider, 140}},
        {res::DefineDatumCombo, ControlKind::ComboBox, L"", Rect{13, 184, 200 + Wider, 112},
         pickList},
        {res::DefineDatumPlaceholder, ControlKind::Static, L"", Rect{13, 200, 200 + Wider, 108},
         placeholder},
        {platform::IDOK, ControlKind::Button, L"OK", Rect{229 + Wider, 7, 56, 14},
         platform::ButtonDefault | platform::StyleTabStop},
        {platform::IDCANCEL, ControlKind::Button, L"Cancel", Rect{229 + Wider, 28, 56, 14},
         platform::StyleTabStop},
    };
    return dialog;
}

} // namespace

void AddDefineResources(platform::ResourceModule& module) {
    module.AddDialog(DefineDialog());
}

} // namespace gridui
