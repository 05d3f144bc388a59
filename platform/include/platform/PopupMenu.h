// platform::PopupMenu: a context menu from a menu resource, with states from its owner.
#pragma once

#include "platform/Export.h"
#include "platform/Geometry.h"
#include "platform/Templates.h"

namespace platform {

class CmdTarget;
class Window;

class PLATFORM_EXPORT PopupMenu final {
public:
    /// Shows popup `popupIndex` of menu resource `menuId` at `screen`. Each item's state
    /// comes from `owner`'s update handlers (an item without one is enabled when `owner`
    /// routes its command); the chosen command is routed to `owner`. A missing popup is
    /// an internal error. Returns the chosen command, or 0.
    static ControlId Track(int menuId, int popupIndex, CmdTarget& owner, Window& ownerWindow,
                           Point screen);
    static ControlId Track(MenuPopupTemplate const& popup, CmdTarget& owner, Window& ownerWindow,
                           Point screen);
};

} // namespace platform
