#include "shrgui/CHistoryCombo.h"

#include "ToolkitError.h"
#include "platform/SettingsStore.h"
#include "shr/StringUtil.h"

#include <algorithm>

namespace shrgui {

namespace {
constexpr int DefaultMaxItems = 20;

/// Entries that differ only in case or in the blanks around them are one search.
bool SameEntry(std::wstring const& a, std::wstring const& b) {
    return a.size() == b.size() && shr::Contains(a, b, false);
}
} // namespace

CHistoryCombo::CHistoryCombo(int) {}

void CHistoryCombo::SetMaxHistoryItems(int count) {
    m_maxItems = count > 0 ? count : DefaultMaxItems;
    if (static_cast<int>(m_history.size()) > m_maxItems) {
        m_history.resize(static_cast<std::size_t>(m_maxItems));
    }
}

std::wstring CHistoryCombo::LoadHistory(std::wstring const& section, std::wstring const& entry,
                                        bool restoreCurrent, wchar_t const* currentDefault) {
    m_section = section;
    m_entry = entry;
    m_history.clear();
    platform::SettingsStore const& store = platform::Settings();
    for (int i = 0; i < m_maxItems; ++i) {
        std::wstring const key = entry + std::to_wstring(i);
        if (!store.HasEntry(section, key)) {
            break;
        }
        std::wstring const value = shr::Trim(store.GetString(section, key, L""));
        if (!value.empty() &&
            std::none_of(m_history.begin(), m_history.end(),
                         [&](auto const& kept) { return SameEntry(kept, value); })) {
            m_history.push_back(value);
        }
    }
    Refill();
    if (!restoreCurrent) {
        return {};
    }
    std::wstring current =
        store.GetString(section, entry, currentDefault != nullptr ? currentDefault : L"");
    if (HasWindow()) {
        SetWindowText(current);
    }
    return current;
}

void CHistoryCombo::StoreValue(bool addToList) {
    std::wstring const text = shr::Trim(GetWindowText());
    if (text.empty()) {
        return;
    }
    std::erase_if(m_history, [&](std::wstring const& kept) { return SameEntry(kept, text); });
    m_history.insert(m_history.begin(), text);
    if (static_cast<int>(m_history.size()) > m_maxItems) {
        m_history.resize(static_cast<std::size_t>(m_maxItems));
    }
    if (addToList) {
        Refill();
    }
}

void CHistoryCombo::SaveHistory(bool saveCurrent) {
    if (m_section.empty()) {
        SHRGUI_ERROR(L"a history combo saved its history before loading it");
    }
    platform::SettingsStore& store = platform::Settings();
    for (int i = 0; i < m_maxItems; ++i) {
        std::wstring const key = m_entry + std::to_wstring(i);
        if (i < static_cast<int>(m_history.size())) {
            store.SetString(m_section, key, m_history[static_cast<std::size_t>(i)]);
        } else if (store.HasEntry(m_section, key)) {
            store.DeleteEntry(m_section, key);
        }
    }
    if (saveCurrent && HasWindow()) {
        store.SetString(m_section, m_entry, GetWindowText());
    }
    store.Flush();
}

void CHistoryCombo::ClearHistory() {
    m_history.clear();
    Refill();
}

void CHistoryCombo::Refill() {
    if (!HasWindow()) {
        return;
    }
    std::wstring const text = GetWindowText();
    // Rows are edited in place rather than the list emptied and filled again: emptying it
    // sets the edit field's text anew, which the toolkit then selects and redraws, at
    // every search. Row by row the list ends up equal to the history, a row missing where
    // the history differs put in, the rows left over at the end removed.
    for (std::size_t i = 0; i < m_history.size(); ++i) {
        int const row = static_cast<int>(i);
        if (row >= GetCount() || GetLBText(row) != m_history[i]) {
            InsertString(row, m_history[i]);
        }
    }
    while (GetCount() > static_cast<int>(m_history.size())) {
        DeleteString(GetCount() - 1);
    }
    // Editing the list must not lose what the user typed.
    if (GetWindowText() != text) {
        SetWindowText(text);
    }
}

} // namespace shrgui
