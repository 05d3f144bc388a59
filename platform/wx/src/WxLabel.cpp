#include "WxLabel.h"

namespace platform::wx {

WxLabel::WxLabel(WxDialog* parent, ControlId id, wxStaticText* label)
    : WxControl(parent, id, label)
    , m_text(FromWx(label->GetLabel())) {}

void WxLabel::SetText(std::wstring const& text) {
    m_text = text;
    ShowText();
}

void WxLabel::Show(bool on) {
    m_visible = on;
    ShowText();
}

void WxLabel::ShowText() {
    wxString const shown = m_visible ? ToWx(m_text) : wxString();
    // Every new label queues a layout of the dialog; an unchanged one need not.
    if (m_widget->GetLabel() != shown) {
        m_widget->SetLabel(shown);
    }
}

} // namespace platform::wx
