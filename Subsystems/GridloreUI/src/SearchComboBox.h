// gridui::SearchComboBox: the browser's search box, where Enter searches.
#pragma once

#include "platform/ToolTip.h"
#include "shrgui/CHistoryCombo.h"

#include <string>
#include <utility>

namespace gridui {

class SearchComboBox : public shrgui::CHistoryCombo {
public:
    using CHistoryCombo::CHistoryCombo;
    ~SearchComboBox() override;

    /// Enter sends the dialog the Search command and goes no further, so it never
    /// presses the default button.
    bool PreTranslateMessage(platform::Message& message) override;
    /// With `on`, the history is saved when the box goes, however its dialog closed.
    void SetSaveHistoryOnClose(bool on) { m_saveHistoryOnClose = on; }
    /// Shows `text` while the pointer rests on the box; the box must have its window.
    void SetHint(std::wstring const& text);
    std::wstring GetHint() const { return m_hint.HasWindow() ? m_hint.GetText() : L""; }
    /// Remembers `text` as searched by typing alone, not stored in the history; empty
    /// forgets it.
    void SetTypedSearch(std::wstring text) { m_typedSearch = std::move(text); }
    /// Stores the text searched by typing alone while the box still shows it: the search
    /// the user saw last belongs in the history, the keys on the way to it do not.
    void StoreTypedSearch();

protected:
    void OnDestroy() override;

private:
    bool m_saveHistoryOnClose = false;
    platform::ToolTip m_hint;
    std::wstring m_typedSearch;
};

} // namespace gridui
