// DialogLayout: where a dialog's controls lie, as the user sees them, on either backend.
#pragma once

#include "platform/Dialog.h"
#include "platform/Driver.h"
#include "platform/Geometry.h"

namespace dialoglayout {

/// The control `id` in its dialog's client coordinates.
inline platform::Rect ClientRect(platform::User& user, platform::ControlId id) {
    platform::Dialog& dialog = user.GetDialog();
    return dialog.ScreenToClient(dialog.GetDlgItem(id).GetWindowRect());
}

/// Whether `inner` lies wholly within `outer`, edges included.
inline bool Inside(platform::Rect const& inner, platform::Rect const& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

} // namespace dialoglayout
