// The wx backend's native windows: wx controls behind the platform's native interfaces.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/ToolkitWindow.h"

#include <wx/event.h>
#include <wx/string.h>
#include <wx/window.h>

#include <string>

namespace platform::wx {

/// The toolkit's dialog, of its own or a page of a WxSheet.
using WxDialog = backend::ToolkitDialog<wxWindow>;
/// The toolkit's property sheet.
using WxSheet = backend::ToolkitSheet<wxWindow>;

inline wxString ToWx(std::wstring const& text) {
    return wxString(text);
}

inline std::wstring FromWx(wxString const& text) {
    return text.ToStdWstring();
}

/// The wx window behind `native`, which must belong to this backend.
wxWindow& WindowOf(backend::NativeWindow& native);

/// Every wx-backed window; `Base` is the native interface it implements.
template <typename Base> using WxWindow = backend::ToolkitWindow<Base, wxWindow>;

using WxControl = WxWindow<backend::NativeWindow>;

/// Raises `event` from `native` whenever its window sends a command event of `type`.
template <typename Native>
void RaiseOn(wxEventTypeTag<wxCommandEvent> const& type, Native& native, Event event) {
    native.Toolkit()->Bind(type, [&native, event](wxCommandEvent&) { native.Raise(event); });
}

} // namespace platform::wx

// WxWindow.cpp makes the windows where the dialog they reach is whole.
PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_EXTERN_TOOLKIT_WINDOW, wxWindow)
