#pragma once

#include "HeadlessWindow.h"

#include <string>
#include <vector>

namespace platform::headless {

class HeadlessToolBar final : public HeadlessWindow<backend::NativeToolBar> {
public:
    using HeadlessWindow::HeadlessWindow;

    void Load(ToolBarTemplate const& bar, std::vector<std::wstring> const& tooltips) override;
    std::vector<ControlId> Buttons() const override;
    void EnableButton(ControlId command, bool on) override;
    bool IsButtonEnabled(ControlId command) const override;
    std::wstring ButtonToolTip(ControlId command) const override;
    Size FixedSize() const override;

private:
    struct Button {
        ControlId command;
        bool enabled = true;
        std::wstring tooltip;
    };
    Button const& Find(ControlId command) const;

    std::vector<Button> m_buttons;
    Size m_buttonSize;
};

} // namespace platform::headless
