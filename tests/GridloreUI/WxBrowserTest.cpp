#include "WxBrowserTest.h"

#include "platform/Dialog.h"

#include <wx/app.h>
#include <wx/control.h>
#include <wx/utils.h>

namespace wxbrowser {

wxWindow* NativeWindowOf(platform::User& user, platform::ControlId id) {
    platform::Rect const rect = user.GetDialog().GetDlgItem(id).GetWindowRect();
    return wxFindWindowAtPoint(wxPoint(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2));
}

bool ShowsTextWhole(platform::User& user, platform::ControlId id) {
    auto const* control = NativeOf<wxControl>(user, id);
    if (control == nullptr) {
        ADD_FAILURE() << "no control shows " << id;
        return false;
    }
    wxString const text = user.GetDialog().GetDlgItemText(id);
    return control->GetSizeFromTextSize(control->GetTextExtent(text).x).x <= control->GetSize().x;
}

void Settle() {
    for (int round = 0; round < 15; ++round) {
        wxYield();
        wxMilliSleep(10);
    }
}

} // namespace wxbrowser
