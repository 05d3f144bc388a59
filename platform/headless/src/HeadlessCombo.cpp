#include "HeadlessCombo.h"

namespace platform::headless {

void HeadlessCombo::ShowInserted(int index, std::wstring const&) {
    if (m_selection >= index) {
        ++m_selection;
    }
}

void HeadlessCombo::ShowDeleted(int index) {
    if (m_selection == index) {
        m_selection = -1;
    } else if (m_selection > index) {
        --m_selection;
    }
}

void HeadlessCombo::ShowCleared() {
    m_selection = -1;
    if (!IsEditable()) {
        m_text.clear();
    }
}

void HeadlessCombo::SetCurSel(int index) {
    m_selection = index;
    m_text = index < 0 ? std::wstring() : GetItemText(index);
}

void HeadlessCombo::TypeText(std::wstring const& text) {
    // Typing leaves no list item selected, whatever the text.
    m_text = text;
    m_selection = -1;
}

} // namespace platform::headless
