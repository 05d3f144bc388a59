#pragma once

#include "WxDialog.h"
#include "platform/ScriptedUser.h"

#include <string>

namespace platform::wx {

/// Each input goes to the toolkit as the window system would deliver it, so that the
/// toolkit's own handling (focus, default buttons, editors) runs as for a real user.
class WxUser final : public backend::ScriptedUser {
public:
    explicit WxUser(WxDialog& dialog);

    /// Lets the toolkit do its idle work, then delivers what was posted and the idle
    /// message.
    void Idle() override;
    /// Waits, within bounds, for the window system to confirm the new size.
    void Resize(Size size) override;

private:
    void Deliver(backend::NativeWindow& control, Message& input) override;
    void TypeInto(backend::NativeWindow& control, std::wstring const& text) override;
    void Route(Message& message) override { m_dialog.Route(message); }
    void SendKey(wxWindow& window, ControlId id, int key);

    WxDialog& m_dialog;
};

} // namespace platform::wx
