#include "WxCombo.h"
#include "WxDialog.h"
#include "WxPickList.h"
#include "WxWindow.h"

#include "platform/TreeCtrl.h"

#include <algorithm>
#include <wx/combobox.h>
#include <wx/odcombo.h>

namespace platform::wx {

WxCombo::WxCombo(WxDialog* parent, ControlTemplate const& control, Rect pixels)
    : WxWindow(parent, control.id, nullptr)
    , m_sorted((control.style & ComboSorted) != 0)
    , m_editable((control.style & ComboEditable) != 0) {
    // The template's height is the dropped-down list's; the box keeps its natural one.
    wxPoint const at(pixels.left, pixels.top);
    wxSize const size(pixels.Width(), -1);
    if (m_editable) {
        auto* box = new wxComboBox(&parent->Container(), wxID_ANY, ToWx(control.text), at, size, 0,
                                   nullptr, wxCB_DROPDOWN);
        m_window = box;
        m_list = box;
        m_entry = box;
    } else {
        // A pick list may hold a thousand names: the toolkit's own drop-down builds a menu
        // item for each (a second to open, as high as the screen) and cannot be searched.
        // The drawn list shows only the rows in view and finds a name as it is typed.
        auto* box = new wxOwnerDrawnComboBox(&parent->Container(), wxID_ANY, ToWx(control.text), at,
                                             size, 0, nullptr, wxCB_READONLY);
        LimitDropDown(*box);
        m_window = box;
        m_list = box;
        m_entry = box;
    }
    RaiseOn(wxEVT_COMBOBOX, *this, Event::ComboSelChange);
    if (m_editable) {
        RaiseOn(wxEVT_TEXT, *this, Event::EditChange);
    }
}

int WxCombo::AddString(std::wstring const& text) {
    int position = Count();
    if (m_sorted) {
        // The platform's order, not the toolkit's: after the last item not sorting after.
        auto const after = std::upper_bound(
            m_items.begin(), m_items.end(), text, [](std::wstring const& value, Item const& item) {
                return TreeCtrl::CompareItemText(value, item.text) < 0;
            });
        position = static_cast<int>(after - m_items.begin());
    }
    return InsertString(position, text);
}

void WxCombo::Move(Rect rect) {
    m_window->SetSize(rect.left, rect.top, rect.Width(), wxDefaultCoord, wxSIZE_USE_EXISTING);
}

int WxCombo::InsertString(int index, std::wstring const& text) {
    int const at = index < 0 ? Count() : index;
    m_list->Insert(ToWx(text), static_cast<unsigned>(at));
    m_items.insert(m_items.begin() + at, Item{text});
    return at;
}

void WxCombo::DeleteString(int index) {
    m_list->Delete(static_cast<unsigned>(index));
    m_items.erase(m_items.begin() + index);
}

void WxCombo::ResetContent() {
    // The edit field of an editable box keeps what the user typed.
    wxString const text = m_entry->GetValue();
    m_list->Clear();
    m_items.clear();
    m_entry->ChangeValue(m_editable ? text : wxString());
}

int WxCombo::Count() const {
    return static_cast<int>(m_items.size());
}

std::wstring WxCombo::GetItemText(int index) const {
    return m_items.at(static_cast<std::size_t>(index)).text;
}

void WxCombo::SetItemData(int index, std::intptr_t data) {
    m_items.at(static_cast<std::size_t>(index)).data = data;
}

std::intptr_t WxCombo::GetItemData(int index) const {
    return m_items.at(static_cast<std::size_t>(index)).data;
}

int WxCombo::GetCurSel() const {
    return m_list->GetSelection();
}

void WxCombo::SetCurSel(int index) {
    if (index < 0) {
        m_list->SetSelection(wxNOT_FOUND);
        m_entry->ChangeValue(wxString());
        return;
    }
    m_list->SetSelection(index);
}

void WxCombo::SetCueBanner(std::wstring const& text) {
    m_entry->SetHint(ToWx(text));
}

std::wstring WxCombo::GetCueBanner() const {
    return FromWx(m_entry->GetHint());
}

} // namespace platform::wx
