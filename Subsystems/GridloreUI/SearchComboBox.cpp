#include "SearchComboBox.h"

#include "Shared/ExecuteNoThrow.h"
#include "gridui/ResourceIds.h"
#include "platform/Dialog.h"

namespace gridui {

SearchComboBox::~SearchComboBox() = default;

bool SearchComboBox::PreTranslateMessage(platform::Message& message) {
    if (message.event != platform::Event::KeyDown || message.key != platform::KeyReturn) {
        return CHistoryCombo::PreTranslateMessage(message);
    }
    if (auto* dialog = dynamic_cast<platform::Dialog*>(GetParent())) {
        platform::Message search;
        search.event = platform::Event::Command;
        search.id = res::Search;
        search.window = this;
        dialog->RouteMessage(search);
    }
    return true;
}

void SearchComboBox::OnDestroy() {
    if (m_saveHistoryOnClose) {
        // A settings store that cannot be written costs the history, never the close.
        shared::ExecuteNoThrow([this] { SaveHistory(true); });
    }
    CHistoryCombo::OnDestroy();
}

} // namespace gridui
