#include "LocalSystemResources.h"

#include "gridui/ResourceIds.h"

namespace gridui {

namespace {

using platform::ControlKind;
using platform::Rect;

// Labels nothing addresses carry the id -1. Rectangles are x, y, width and height in
// dialog units.
constexpr platform::ControlId Label = -1;

platform::DialogTemplate LocalSystemDialog() {
    platform::DialogTemplate dialog;
    dialog.id = res::LocalSystemDialog;
    dialog.caption = L"Define Unreferenced Coordinate System";
    dialog.size = {309, 146};
    dialog.controls = {
        {Label, ControlKind::Static, L"Name:", Rect{7, 9, 22, 8}},
        {res::LocalNameEdit, ControlKind::Edit, L"", Rect{31, 7, 208, 14},
         platform::StyleBorder | platform::EditAutoHScroll | platform::StyleTabStop},
        // Only marks where the property grid goes.
        {res::LocalGridPlaceholder, ControlKind::Static, L"", Rect{7, 32, 231, 108},
         platform::StaticFrame | platform::StyleHidden},
        {platform::IDOK, ControlKind::Button, L"OK", Rect{252, 7, 50, 14},
         platform::ButtonDefault | platform::StyleTabStop},
        {platform::IDCANCEL, ControlKind::Button, L"Cancel", Rect{252, 27, 50, 14},
         platform::StyleTabStop},
    };
    return dialog;
}

} // namespace

void AddLocalSystemResources(platform::ResourceModule& module) {
    module.AddDialog(LocalSystemDialog());
}

} // namespace gridui
