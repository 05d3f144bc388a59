// platform::wx::WxLabel: a dialog's static text.
#pragma once

#include "WxWindow.h"

#include <wx/stattext.h>

namespace platform::wx {

/// GTK lays out and repaints the whole dialog whenever a label is shown or hidden. A label
/// the program hides stays where it is with no text instead: it looks the same, and
/// showing it again repaints only its own place.
class WxLabel final : public WxControl {
public:
    WxLabel(WxDialog* parent, ControlId id, wxStaticText* label);

    std::wstring GetText() const override { return m_text; }
    void SetText(std::wstring const& text) override;
    bool IsVisible() const override { return m_visible; }
    void Show(bool on) override;

private:
    void ShowText();

    std::wstring m_text;
    bool m_visible = true;
};

} // namespace platform::wx
