#pragma once

#include "HeadlessDialog.h"
#include "platform/ScriptedUser.h"

#include <string>

namespace platform::headless {

/// Each input goes straight to the dialog's handlers, as the native control would send it.
class HeadlessUser final : public backend::ScriptedUser {
public:
    explicit HeadlessUser(HeadlessDialog& dialog);

    /// Delivers what was posted, then the idle message; then the trees paint.
    void Idle() override;

private:
    void Deliver(backend::NativeWindow& control, Message& input) override;
    void TypeInto(backend::NativeWindow& control, std::wstring const& text) override;
    void Route(Message& message) override;

    HeadlessDialog& m_dialog;
};

} // namespace platform::headless
