#include "platform/ToolBar.h"

#include "platform/Dialog.h"
#include "platform/Resources.h"

#include <algorithm>

namespace platform {

bool ToolBar::Accepts(backend::NativeWindow& native) const {
    return dynamic_cast<backend::NativeToolBar*>(&native) != nullptr;
}

backend::NativeToolBar& ToolBar::Bar() const {
    return static_cast<backend::NativeToolBar&>(Native());
}

void ToolBar::Create(Dialog& host, ControlId id) {
    Attach(host.NativeDialog().CreateToolBar(id));
}

void ToolBar::LoadToolBar(int resourceId) {
    ToolBarTemplate const& bar = FindToolBar(resourceId);
    std::vector<std::wstring> tooltips;
    for (ControlId command : bar.buttons) {
        std::wstring tip;
        if (std::wstring const* text = command != 0 ? TryLoadString(command) : nullptr) {
            std::size_t const newline = text->find(L'\n');
            tip = newline == std::wstring::npos ? L"" : text->substr(newline + 1);
        }
        tooltips.push_back(tip);
    }
    Bar().Load(bar, tooltips);
    m_checkButtons = bar.checkButtons;
}

bool ToolBar::IsCheckButton(ControlId command) const {
    return std::find(m_checkButtons.begin(), m_checkButtons.end(), command) != m_checkButtons.end();
}

Size ToolBar::CalcFixedLayout() const {
    return Bar().FixedSize();
}

std::vector<ControlId> ToolBar::GetButtons() const {
    return Bar().Buttons();
}

bool ToolBar::IsButtonEnabled(ControlId command) const {
    return Bar().IsButtonEnabled(command);
}

bool ToolBar::IsButtonChecked(ControlId command) const {
    return IsCheckButton(command) && Bar().IsButtonChecked(command);
}

std::wstring ToolBar::GetButtonToolTip(ControlId command) const {
    return Bar().ButtonToolTip(command);
}

void ToolBar::OnUpdateCmdUI(CmdTarget& target, bool disableIfNoHandler) {
    for (ControlId command : Bar().Buttons()) {
        CmdUI state;
        state.id = command;
        Message message;
        message.event = Event::UpdateCommandUI;
        message.id = command;
        message.cmdUI = &state;
        target.OnCmdMsg(message);
        if (!state.handled) {
            bool const routed = target.GetMessageMap().HasRoute(Event::Command, command);
            state.enabled = routed || !disableIfNoHandler;
        }
        Bar().EnableButton(command, state.enabled);
        if (state.handled && IsCheckButton(command)) {
            Bar().CheckButton(command, state.checked);
        }
    }
}

bool ToolBar::OnChildNotify(Message& message) {
    if (message.event != Event::Command || m_owner == nullptr) {
        return OnCmdMsg(message);
    }
    m_owner->OnCmdMsg(message);
    return true;
}

} // namespace platform
