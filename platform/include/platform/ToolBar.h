// platform::ToolBar: a row of image buttons inside a dialog, routing commands to its owner.
#pragma once

#include "platform/Export.h"
#include "platform/Window.h"

#include <vector>

namespace platform {

class Dialog;

namespace backend {
class NativeToolBar;
}

class PLATFORM_EXPORT ToolBar : public Window {
public:
    /// Creates the bar as a child of `host` with the window id `id`.
    void Create(Dialog& host, ControlId id = ToolBarWindowId);
    /// Loads the buttons and image of a toolbar resource; each button's tooltip is the
    /// part after "\n" of the string with the button's id, when there is one.
    void LoadToolBar(int resourceId);
    /// Commands of the buttons go to `owner` instead of the host dialog.
    void SetOwner(CmdTarget& owner) { m_owner = &owner; }
    Size CalcFixedLayout() const;
    std::vector<ControlId> GetButtons() const;
    bool IsButtonEnabled(ControlId command) const;
    /// Whether a check button is pressed; false for any other button.
    bool IsButtonChecked(ControlId command) const;
    std::wstring GetButtonToolTip(ControlId command) const;
    /// Asks `target` for each button's state. A button that no update handler answers is
    /// enabled when `target` routes its command, else disabled if `disableIfNoHandler`;
    /// a check button is pressed as its handler's SetCheck says.
    void OnUpdateCmdUI(CmdTarget& target, bool disableIfNoHandler);

    /// Sends the buttons' commands to the owner, when there is one.
    bool OnChildNotify(Message& message) override;

protected:
    bool Accepts(backend::NativeWindow& native) const override;

private:
    backend::NativeToolBar& Bar() const;

    bool IsCheckButton(ControlId command) const;

    CmdTarget* m_owner = nullptr;
    std::vector<ControlId> m_checkButtons;
};

} // namespace platform
