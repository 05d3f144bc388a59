#pragma once

#include "QtDialog.h"
#include "platform/ToolkitUser.h"

#include <string>

namespace platform::qt {

/// Each input goes through Qt's own delivery (QTest's keys and clicks, events sent to
/// the widget), so that Qt's handling (focus, default buttons, editors, pop-ups) runs as
/// for a real user.
class QtUser final : public backend::ToolkitUser<QtDialog> {
public:
    explicit QtUser(QtDialog& dialog)
        : ToolkitUser(dialog) {}

private:
    void RunPending() override;
    void Deliver(backend::NativeWindow& control, Message& input) override;
    void TypeInto(backend::NativeWindow& control, std::wstring const& text) override;
};

} // namespace platform::qt
