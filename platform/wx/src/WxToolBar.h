#pragma once

#include "WxDialog.h"
#include "WxWindow.h"
#include "platform/ModelBackedToolBar.h"

#include <wx/toolbar.h>

#include <string>
#include <vector>

namespace platform::wx {

class WxToolBar final : public backend::ModelBackedToolBar<WxWindow<backend::NativeToolBar>> {
public:
    WxToolBar(WxDialog* parent, ControlId id);

    Size FixedSize() const override;

private:
    wxToolBar& Bar() const { return static_cast<wxToolBar&>(*m_widget); }
    void ShowLoaded(ToolBarTemplate const& bar) override;
    void ShowEnabled(ControlId command, bool on) override { Bar().EnableTool(command, on); }
    void ShowChecked(ControlId command, bool on) override { Bar().ToggleTool(command, on); }
    void SendCommand(ControlId command) override;
};

} // namespace platform::wx
