#include "platform/PopupMenu.h"

#include "platform/Backend.h"
#include "platform/Dialog.h"
#include "platform/Error.h"
#include "platform/MessageMap.h"
#include "platform/Resources.h"
#include "platform/Window.h"

namespace platform {

ControlId PopupMenu::Track(int menuId, int popupIndex, CmdTarget& owner, Window& ownerWindow,
                           Point screen) {
    MenuTemplate const& menu = FindMenu(menuId);
    if (popupIndex < 0 || popupIndex >= static_cast<int>(menu.popups.size())) {
        PLATFORM_ERROR(L"menu " + std::to_wstring(menuId) + L" has no popup " +
                       std::to_wstring(popupIndex));
    }
    return Track(menu.popups[static_cast<std::size_t>(popupIndex)], owner, ownerWindow, screen);
}

ControlId PopupMenu::Track(MenuPopupTemplate const& popup, CmdTarget& owner, Window& ownerWindow,
                           Point screen) {
    // Item states come from the owner as they would from its update handlers; an item
    // without one is enabled exactly when the owner handles its command.
    std::vector<CmdUI> states;
    for (MenuItemTemplate const& item : popup.items) {
        CmdUI state;
        state.id = item.command;
        if (item.command != 0) {
            Message query;
            query.event = Event::UpdateCommandUI;
            query.id = item.command;
            query.cmdUI = &state;
            owner.OnCmdMsg(query);
            if (!state.handled) {
                state.enabled = owner.GetMessageMap().HasRoute(Event::Command, item.command);
            }
        }
        states.push_back(state);
    }
    ControlId const chosen =
        CurrentBackend().TrackPopupMenu(popup, states, ownerWindow.Native(), screen);
    if (chosen == 0) {
        return 0;
    }
    Message command;
    command.event = Event::Command;
    command.id = chosen;
    if (auto* dialog = dynamic_cast<Dialog*>(&owner)) {
        dialog->RouteMessage(command);
    } else {
        owner.OnCmdMsg(command);
    }
    return chosen;
}

} // namespace platform
