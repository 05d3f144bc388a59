// gridui::SendCommandToDialog: a key a control takes, turned into its dialog's command.
#pragma once

#include "platform/Dialog.h"

namespace gridui {

/// Routes `command` to the dialog holding `control`, as if `control` had sent it.
inline void SendCommandToDialog(platform::Window& control, platform::ControlId command) {
    if (auto* dialog = dynamic_cast<platform::Dialog*>(control.GetParent())) {
        platform::Message message;
        message.event = platform::Event::Command;
        message.id = command;
        message.window = &control;
        dialog->RouteMessage(message);
    }
}

} // namespace gridui
