// platform::backend::DeliverKeyPress: a user's key going down in a toolkit's control.
#pragma once

#include "platform/Ids.h"

namespace platform::backend {

/// Delivers a key going down in `control` (`id`, a window of `dialog`) as a user presses
/// it. The key goes where the focus is: the control, or an editor open inside it. Enter and
/// Escape there take the toolkit's own way, first the dialog's key hook, then, when the hook
/// lets them pass, the focused window; any other key, or one whose focus is elsewhere, is
/// offered to the dialog's handlers. `Keys` is the toolkit's side: `Focus` (the window
/// holding the focus in the control's top window), `Within` (whether a window is the
/// control or inside it), `MoveFocusTo` and `SendEnterOrEscape`.
template <typename Keys, typename Dialog, typename Widget>
void DeliverKeyPress(Dialog& dialog, Widget& control, ControlId id, int key) {
    if (!Keys::Within(control, Keys::Focus(control))) {
        Keys::MoveFocusTo(control);
    }
    Widget* focus = Keys::Focus(control);
    if ((key != KeyReturn && key != KeyEscape) || !Keys::Within(control, focus)) {
        dialog.OfferKey(id, key);
        return;
    }
    Keys::SendEnterOrEscape(dialog, *focus, key == KeyReturn);
}

} // namespace platform::backend
