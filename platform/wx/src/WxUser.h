#pragma once

#include "WxDialog.h"
#include "platform/ToolkitUser.h"

#include <string>

namespace platform::wx {

/// Each input goes to the toolkit as the window system would deliver it, so that the
/// toolkit's own handling (focus, default buttons, editors) runs as for a real user.
class WxUser final : public backend::ToolkitUser<WxDialog> {
public:
    explicit WxUser(WxDialog& dialog)
        : ToolkitUser(dialog) {}

private:
    void RunPending() override;
    void Deliver(backend::NativeWindow& control, Message& input) override;
    void TypeInto(backend::NativeWindow& control, std::wstring const& text) override;
};

} // namespace platform::wx
