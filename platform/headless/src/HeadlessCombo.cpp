#include "HeadlessCombo.h"

#include "platform/TreeCtrl.h"

#include <algorithm>

namespace platform::headless {

int HeadlessCombo::AddString(std::wstring const& text) {
    auto position = m_items.end();
    if (IsSorted()) {
        position = std::upper_bound(m_items.begin(), m_items.end(), text,
                                    [](std::wstring const& value, Item const& item) {
                                        return TreeCtrl::CompareItemText(value, item.text) < 0;
                                    });
    }
    int const index = static_cast<int>(position - m_items.begin());
    m_items.insert(position, Item{text});
    if (m_selection >= index) {
        ++m_selection;
    }
    return index;
}

void HeadlessCombo::Move(Rect rect) {
    m_rect = Rect::FromXYWH(rect.left, rect.top, rect.Width(), m_rect.Height());
}

int HeadlessCombo::InsertString(int index, std::wstring const& text) {
    int const at = index < 0 ? Count() : index;
    m_items.insert(m_items.begin() + at, Item{text});
    if (m_selection >= at) {
        ++m_selection;
    }
    return at;
}

void HeadlessCombo::DeleteString(int index) {
    m_items.erase(m_items.begin() + index);
    if (m_selection == index) {
        m_selection = -1;
    } else if (m_selection > index) {
        --m_selection;
    }
}

void HeadlessCombo::ResetContent() {
    m_items.clear();
    m_selection = -1;
    if (!IsEditable()) {
        m_text.clear();
    }
}

std::wstring HeadlessCombo::GetItemText(int index) const {
    return m_items.at(static_cast<std::size_t>(index)).text;
}

void HeadlessCombo::SetItemData(int index, std::intptr_t data) {
    m_items.at(static_cast<std::size_t>(index)).data = data;
}

std::intptr_t HeadlessCombo::GetItemData(int index) const {
    return m_items.at(static_cast<std::size_t>(index)).data;
}

void HeadlessCombo::SetCurSel(int index) {
    m_selection = index;
    m_text = index < 0 ? std::wstring() : m_items.at(static_cast<std::size_t>(index)).text;
}

void HeadlessCombo::TypeText(std::wstring const& text) {
    // Typing leaves no list item selected, whatever the text.
    m_text = text;
    m_selection = -1;
}

} // namespace platform::headless
