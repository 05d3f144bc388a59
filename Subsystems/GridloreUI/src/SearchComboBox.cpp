#include "SearchComboBox.h"

#include "DialogCommand.h"
#include "Shared/ExecuteNoThrow.h"
#include "gridui/ResourceIds.h"

namespace gridui {

SearchComboBox::~SearchComboBox() = default;

bool SearchComboBox::PreTranslateMessage(platform::Message& message) {
    if (message.event != platform::Event::KeyDown || message.key != platform::KeyReturn) {
        return CHistoryCombo::PreTranslateMessage(message);
    }
    SendCommandToDialog(*this, res::Search);
    return true;
}

void SearchComboBox::SetHint(std::wstring const& text) {
    // Without its tooltip the box still searches; only the hint is lost.
    if (!m_hint.HasWindow() && !m_hint.Create(*this)) {
        return;
    }
    m_hint.AddTool(text);
    m_hint.Activate(true);
}

void SearchComboBox::StoreTypedSearch() {
    if (!m_typedSearch.empty() && m_typedSearch == GetWindowText()) {
        StoreValue(true);
    }
    m_typedSearch.clear();
}

void SearchComboBox::OnDestroy() {
    m_hint.Destroy();
    if (m_saveHistoryOnClose) {
        // A settings store that cannot be written costs the history, never the close.
        shared::ExecuteNoThrow([this] {
            StoreTypedSearch();
            SaveHistory(true);
        });
    }
    CHistoryCombo::OnDestroy();
}

} // namespace gridui
