#include "HeadlessCombo.h"

namespace platform::headless {

void HeadlessCombo::Move(Rect rect) {
    m_rect = Rect::FromXYWH(rect.left, rect.top, rect.Width(), m_rect.Height());
}

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

void HeadlessCombo::ResetContent() {
    ClearItems();
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
