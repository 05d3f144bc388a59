#pragma once

#include "WxDialog.h"
#include "WxWindow.h"

#include <wx/toolbar.h>

#include <string>
#include <vector>

namespace platform::wx {

class WxToolBar final : public WxWindow<backend::NativeToolBar> {
public:
    WxToolBar(WxDialog* parent, ControlId id);

    void Load(ToolBarTemplate const& bar, std::vector<std::wstring> const& tooltips) override;
    std::vector<ControlId> Buttons() const override { return m_buttons; }
    void EnableButton(ControlId command, bool on) override;
    bool IsButtonEnabled(ControlId command) const override;
    std::wstring ButtonToolTip(ControlId command) const override;
    void CheckButton(ControlId command, bool on) override;
    bool IsButtonChecked(ControlId command) const override;
    Size FixedSize() const override;

    void Click(ControlId command);

private:
    wxToolBar& Bar() const { return static_cast<wxToolBar&>(*m_window); }
    void Check(ControlId command) const;

    std::vector<ControlId> m_buttons;
};

} // namespace platform::wx
