// platform::backend::ToolkitUser: a scripted user of a toolkit's dialog, alike on every toolkit.
#pragma once

#include "platform/Geometry.h"
#include "platform/Message.h"
#include "platform/ScriptedUser.h"

#include <chrono>
#include <string>
#include <thread>

namespace platform::backend {

/// A user of `Dialog` (a ToolkitDialog): going idle and resizing wait on the toolkit's
/// loop the same way everywhere. Each toolkit specialises, for its own dialog, the three
/// members below that deliver an input as its window system would and run the work its
/// loop has pending, and instantiates the class where it does.
template <typename Dialog> class ToolkitUser final : public ScriptedUser {
public:
    explicit ToolkitUser(Dialog& dialog)
        : ScriptedUser(dialog, dialog.Sheet())
        , m_dialog(dialog) {}

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

private:
    /// Runs what the toolkit's loop has pending (layouts, deferred updates), as it would.
    void RunPending();
    void Deliver(NativeWindow& control, Message& input) final;
    void TypeInto(NativeWindow& control, std::wstring const& text) final;
    void Route(Message& message) final { m_dialog.Route(message); }

    Size ClientSize() const {
        Rect const client = m_dialog.GetClientRect();
        return {client.Width(), client.Height()};
    }

    Dialog& m_dialog;
};

} // namespace platform::backend
