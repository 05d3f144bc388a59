// platform::backend::DeliverInput: a user's input to a toolkit's control, routed alike on
// every toolkit.
#pragma once

#include "platform/Backend.h"
#include "platform/Error.h"
#include "platform/Ids.h"
#include "platform/Message.h"

#include <string>

namespace platform::backend {

/// Delivers a key going down in `control` (`id`, a window of `dialog`) as a user presses
/// it. The key goes where the focus is: the control, or an editor open inside it. Enter and
/// Escape there take the toolkit's own way, first the dialog's key hook, then, when the hook
/// lets them pass, the focused window; any other key, or one whose focus is elsewhere, is
/// offered to the dialog's handlers.
template <typename Input, typename Dialog, typename Widget>
void DeliverKeyPress(Dialog& dialog, Widget& control, ControlId id, int key) {
    if (!Input::Within(control, Input::Focus(control))) {
        Input::MoveFocusTo(control);
    }
    Widget* focus = Input::Focus(control);
    if ((key != KeyReturn && key != KeyEscape) || !Input::Within(control, focus)) {
        dialog.OfferKey(id, key);
        return;
    }
    Input::SendEnterOrEscape(dialog, *focus, key == KeyReturn);
}

/// Delivers the user's `input` (as ScriptedUser::Deliver takes it) to `control`, whose
/// toolkit window is `widget`, the way the toolkit's `Input` delivers a real user's:
///   Focus, Within, MoveFocusTo, SendEnterOrEscape   a key, as DeliverKeyPress says;
///   IsButton, Click                                  a button's click;
///   Pick (a `Combo`, an item)                        an item picked from a combo box;
///   OpenContextMenu (at a point on the screen)       a right click;
///   MoveMouse (to a point in the control)            the pointer moving.
/// A double click goes to the toolkit's `Tree`.
template <typename Input, typename Dialog, typename Widget>
void DeliverInput(Dialog& dialog, NativeWindow& control, Widget& widget, Message const& input) {
    switch (input.event) {
    case Event::KeyDown:
        DeliverKeyPress<Input>(dialog, widget, input.id, input.key);
        return;
    case Event::Command:
        if (!Input::IsButton(widget)) {
            PLATFORM_ERROR(L"control " + std::to_wstring(input.id) + L" is not a button");
        }
        Input::Click(widget);
        return;
    case Event::ComboSelChange:
        Input::Pick(dynamic_cast<typename Input::Combo&>(control), static_cast<int>(input.param));
        return;
    case Event::ContextMenu:
        Input::OpenContextMenu(widget, input.point);
        return;
    case Event::DblClk:
        dynamic_cast<typename Input::Tree&>(control).DoubleClickAt(input.point, true);
        return;
    case Event::MouseMove:
        Input::MoveMouse(widget, input.point);
        return;
    default:
        PLATFORM_ERROR(L"a user cannot raise event " +
                       std::to_wstring(static_cast<int>(input.event)) + L" on control " +
                       std::to_wstring(input.id));
    }
}

} // namespace platform::backend
