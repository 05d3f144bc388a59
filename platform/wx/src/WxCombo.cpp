#include "WxCombo.h"
#include "WxDialog.h"
#include "WxPickList.h"
#include "WxWindow.h"

#include <wx/combobox.h>
#include <wx/odcombo.h>

namespace platform::wx {

WxCombo::WxCombo(WxDialog* parent, ControlTemplate const& control, Rect pixels)
    : ModelBackedCombo(control.style, parent, control.id, nullptr) {
    // The template's height is the dropped-down list's; the box keeps its natural one.
    wxPoint const at(pixels.left, pixels.top);
    wxSize const size(pixels.Width(), -1);
    if (IsEditable()) {
        auto* box = new wxComboBox(&parent->Container(), wxID_ANY, ToWx(control.text), at, size, 0,
                                   nullptr, wxCB_DROPDOWN);
        m_widget = box;
        m_list = box;
        m_entry = box;
    } else {
        // A pick list may hold a thousand names: the toolkit's own drop-down builds a menu
        // item for each (a second to open, as high as the screen) and cannot be searched.
        // The drawn list shows only the rows in view and finds a name as it is typed.
        auto* box = new wxOwnerDrawnComboBox(&parent->Container(), wxID_ANY, ToWx(control.text), at,
                                             size, 0, nullptr, wxCB_READONLY);
        LimitDropDown(*box);
        m_widget = box;
        m_list = box;
        m_entry = box;
    }
    RaiseOn(wxEVT_COMBOBOX, *this, Event::ComboSelChange);
    if (IsEditable()) {
        RaiseOn(wxEVT_TEXT, *this, Event::EditChange);
    }
}

void WxCombo::ShowInserted(int index, std::wstring const& text) {
    m_list->Insert(ToWx(text), static_cast<unsigned>(index));
}

void WxCombo::ShowDeleted(int index) {
    m_list->Delete(static_cast<unsigned>(index));
}

void WxCombo::ShowCleared() {
    wxString const text = m_entry->GetValue();
    m_list->Clear();
    m_entry->ChangeValue(IsEditable() ? text : wxString());
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

} // namespace platform::wx
