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
    void CheckButton(ControlId command, bool on) override;
    bool IsButtonChecked(ControlId command) const override;
    Size FixedSize() const override;
    /// What a click does to the button before its command is sent: a check button flips.
    void Press(ControlId command);

private:
    struct Button {
        ControlId command;
        bool enabled = true;
        std::wstring tooltip;
        bool checkable = false;
        bool checked = false;
    };
    Button const& Find(ControlId command) const;

    std::vector<Button> m_buttons;
    Size m_buttonSize;
};

} // namespace platform::headless
