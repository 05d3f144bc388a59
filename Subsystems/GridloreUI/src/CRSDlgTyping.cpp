// CRSDlgImpl's search as the user types: a short pause after the last key searches, and a
// search the user asks for ends the pause.
#include "CRSDlgImpl.h"

#include "gridui/ResourceIds.h"

#include <chrono>

namespace gridui {

namespace {

/// Long enough for a typist's next key to come first, short enough for the tree to seem
/// to follow the text.
constexpr std::chrono::milliseconds SearchPause{200};

/// The dialog or page holding `control`; null before the controls are bound.
platform::Dialog* HostOf(platform::Window const& control) {
    return control.HasWindow() ? dynamic_cast<platform::Dialog*>(control.GetParent()) : nullptr;
}

} // namespace

void CRSDlgImpl::OnEditChangeSearch() {
    platform::Dialog* host = HostOf(m_searchCombo);
    if (!m_options.searchAsYouType || host == nullptr) {
        return;
    }
    // Every key starts the pause again, so a word typed at speed is searched once.
    host->SetTimer(res::SearchPauseTimer, SearchPause);
}

void CRSDlgImpl::OnSearchPause() {
    std::wstring const text = m_searchCombo.GetWindowText();
    ShowSearch(text);
    // Not stored: the history would fill with every prefix typed on the way.
    m_searchCombo.SetTypedSearch(text);
}

void CRSDlgImpl::EndSearchPause() {
    if (platform::Dialog* host = HostOf(m_searchCombo)) {
        host->KillTimer(res::SearchPauseTimer);
    }
    m_searchCombo.SetTypedSearch({});
}

} // namespace gridui
