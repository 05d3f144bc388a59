// shrgui::CHistoryCombo: a combo box remembering earlier entries in the settings store.
#pragma once

#include "platform/ComboBox.h"
#include "shrgui/Export.h"

#include <string>
#include <vector>

namespace shrgui {

/// The newest entry comes first, also in a sorted box. Entries are stored as `entry` + 0, 1, ...
/// under the section, with the current text under `entry` itself.
class SHRGUI_EXPORT CHistoryCombo : public platform::ComboBox {
public:
    /// `flags` is kept for the callers' sake.
    explicit CHistoryCombo(int flags = 0);

    /// At most this many entries are kept; 0 means the default of 20.
    void SetMaxHistoryItems(int count);
    /// Fills the list from the store. With `restoreCurrent`, also sets the window text to
    /// the stored current text (or `currentDefault` when none); returns that text.
    std::wstring LoadHistory(std::wstring const& section, std::wstring const& entry,
                             bool restoreCurrent, wchar_t const* currentDefault);
    /// Moves the window text, trimmed, to the top of the history, where it replaces an
    /// entry that differs from it only in case; blank text is not kept.
    void StoreValue(bool addToList = true);
    /// Writes the history (and the current text, with `saveCurrent`) to the store.
    void SaveHistory(bool saveCurrent = true);
    void ClearHistory();
    std::vector<std::wstring> const& GetHistory() const { return m_history; }

private:
    void Refill();

    int m_maxItems = 20;
    std::wstring m_section;
    std::wstring m_entry;
    std::vector<std::wstring> m_history;
};

} // namespace shrgui
