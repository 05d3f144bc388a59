#pragma once

#include "QtDialog.h"
#include "platform/ScriptedUser.h"

#include <string>

namespace platform::qt {

/// Each input goes through Qt's own delivery (QTest's keys and clicks, events sent to
/// the widget), so that Qt's handling (focus, default buttons, editors, pop-ups) runs as
/// for a real user.
class QtUser final : public backend::ScriptedUser {
public:
    explicit QtUser(QtDialog& dialog);

    /// Lets Qt do its pending work, then delivers what was posted and the idle message.
    void Idle() override;
    /// Waits, within bounds, for the window system to confirm the new size.
    void Resize(Size size) override;

private:
    void Deliver(backend::NativeWindow& control, Message& input) override;
    void TypeInto(backend::NativeWindow& control, std::wstring const& text) override;
    void Route(Message& message) override { m_dialog.Route(message); }
    void SendKey(QWidget& widget, ControlId id, int key);

    QtDialog& m_dialog;
};

} // namespace platform::qt
