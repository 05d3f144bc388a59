// platform::backend::ToolkitUser: a scripted user of a toolkit's dialog, alike on every toolkit.
#pragma once

#include "platform/Geometry.h"
#include "platform/Message.h"
#include "platform/ScriptedUser.h"

#include <chrono>
#include <thread>

namespace platform::backend {

/// A user of `Dialog` (a ToolkitDialog): going idle and resizing wait on the toolkit's
/// loop the same way everywhere; the toolkit delivers each input as its window system
/// would and runs the work it has pending.
template <typename Dialog> class ToolkitUser : public ScriptedUser {
public:
    /// Lets the toolkit do its pending work, then delivers what was posted and the idle
    /// message.
    void Idle() final {
        RunPending();
        m_dialog.DeliverPosted();
        if (!m_dialog.HasEnded()) {
            m_dialog.RouteIdle();
        }
    }

    /// Waits, within bounds, for the window system to confirm the new size; without its
    /// word the handlers see the size the dialog has.
    void Resize(Size size) final {
        Act([&] {
            int const seen = m_dialog.RoutedSizes();
            m_dialog.SetClientSize(size);
            auto const deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
            while (std::chrono::steady_clock::now() < deadline) {
                if (m_dialog.RoutedSizes() > seen && m_dialog.RoutedSize() == ClientSize()) {
                    return;
                }
                RunPending();
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            Message confirmed{
                .event = Event::Size, .window = m_dialog.Wrapper(), .size = ClientSize()};
            Route(confirmed);
        });
    }

protected:
    explicit ToolkitUser(Dialog& dialog)
        : ScriptedUser(dialog, dialog.Sheet())
        , m_dialog(dialog) {}

    /// Runs what the toolkit's loop has pending (layouts, deferred updates), as it would.
    virtual void RunPending() = 0;
    void Route(Message& message) final { m_dialog.Route(message); }
    Dialog& TheDialog() const { return m_dialog; }

private:
    Size ClientSize() const {
        Rect const client = m_dialog.GetClientRect();
        return {client.Width(), client.Height()};
    }

    Dialog& m_dialog;
};

} // namespace platform::backend
