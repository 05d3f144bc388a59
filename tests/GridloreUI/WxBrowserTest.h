// WxBrowserTest: the browser on wx's real windows, with what only that toolkit can tell.
#pragma once

#include "BrowserUnderTest.h"

#include "platform/Driver.h"

#include <wx/window.h>

namespace wxbrowser {

// The backend-neutral helpers, under the names the wx tests use.
using namespace browsertest;

/// The toolkit's window showing control `id`, found where the screen shows it; null
/// when none.
wxWindow* NativeWindowOf(platform::User& user, platform::ControlId id);

/// That window or the first of its parents of type T; null when none.
template <typename T> T* NativeOf(platform::User& user, platform::ControlId id) {
    for (wxWindow* found = NativeWindowOf(user, id); found != nullptr; found = found->GetParent()) {
        if (auto* typed = dynamic_cast<T*>(found)) {
            return typed;
        }
    }
    return nullptr;
}

/// Whether control `id` (a one-line box or a combo) shows its whole text, as the toolkit
/// measures it in the control's font.
bool ShowsTextWhole(platform::User& user, platform::ControlId id);

/// Lets the window system deliver what is pending (simulated input, calls made for
/// later, layout), within bounds.
void Settle();

using WxBrowserTest = BrowserUnderTest;

} // namespace wxbrowser
