// The box's members for wx are specialised here before the class is instantiated at the
// end: WxCombo.h, which declares that instantiation to the files that use it, must not come
// first.
#include "platform/ToolkitCombo.h"

#include "WxDialog.h"
#include "WxPickList.h"
#include "WxWindow.h"

#include <wx/combobox.h>
#include <wx/odcombo.h>

namespace platform::backend {

using WxComboBase = ToolkitCombo<wx::WxWindow>;

/// The box's list and its field, one control either way.
template <> struct WxComboBase::Parts {
    wxItemContainer* list;
    wxTextEntry* entry;
};

namespace {

/// An editable box is the toolkit's own; a pick list may hold a thousand names: the
/// toolkit's own drop-down builds a menu item for each (a second to open, as high as the
/// screen) and cannot be searched. The drawn list shows only the rows in view and finds a
/// name as it is typed.
template <typename Box>
Box& MakeBox(wx::WxDialog& dialog, ControlTemplate const& control, Rect pixels, long style) {
    // The template's height is the dropped-down list's; the box keeps its natural one.
    return *new Box(&dialog.Container(), wxID_ANY, wx::ToWx(control.text),
                    wxPoint(pixels.left, pixels.top), wxSize(pixels.Width(), -1), 0, nullptr,
                    style);
}

} // namespace

template <>
WxComboBase::ToolkitCombo(wx::WxDialog* dialog, ControlTemplate const& control, Rect pixels)
    : ModelBackedCombo(control.style, dialog, control.id, nullptr) {
    auto const hold = [this](auto& box) {
        m_widget = &box;
        m_parts = std::make_unique<Parts>(Parts{&box, &box});
    };
    if (IsEditable()) {
        hold(MakeBox<wxComboBox>(*dialog, control, pixels, wxCB_DROPDOWN));
    } else {
        auto& box = MakeBox<wxOwnerDrawnComboBox>(*dialog, control, pixels, wxCB_READONLY);
        wx::LimitDropDown(box);
        hold(box);
    }
    wx::RaiseOn(wxEVT_COMBOBOX, *this, Event::ComboSelChange);
    if (IsEditable()) {
        wx::RaiseOn(wxEVT_TEXT, *this, Event::EditChange);
    }
}

template <> void WxComboBase::ShowInserted(int index, std::wstring const& text) {
    m_parts->list->Insert(wx::ToWx(text), static_cast<unsigned>(index));
}

template <> void WxComboBase::ShowDeleted(int index) {
    m_parts->list->Delete(static_cast<unsigned>(index));
}

template <> void WxComboBase::ShowCleared() {
    wxString const text = m_parts->entry->GetValue();
    m_parts->list->Clear();
    m_parts->entry->ChangeValue(IsEditable() ? text : wxString());
}

template <> int WxComboBase::GetCurSel() const {
    return m_parts->list->GetSelection();
}

template <> void WxComboBase::SetCurSel(int index) {
    if (index < 0) {
        m_parts->list->SetSelection(wxNOT_FOUND);
        m_parts->entry->ChangeValue(wxString());
        return;
    }
    m_parts->list->SetSelection(index);
}

template <> void WxComboBase::ShowCueBanner(std::wstring const& text) {
    m_parts->entry->SetHint(wx::ToWx(text));
}

template class ToolkitCombo<wx::WxWindow>;

} // namespace platform::backend
