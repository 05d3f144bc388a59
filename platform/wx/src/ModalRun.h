#pragma once

#include "platform/Driver.h"

#include <wx/dialog.h>

#include <exception>
#include <functional>

namespace platform::wx {

/// One run of a modal window: its result, and the first exception a handler threw,
/// which ends the run and is thrown again once wx's loop has returned.
class ModalRun final {
public:
    explicit ModalRun(wxDialog& window)
        : m_window(window) {}

    /// Runs `action` as an event handler (nothing once the window is closing).
    void Guard(std::function<void()> const& action);
    /// Takes the driver's scene for `templateId`, runs `init`, then shows the window
    /// until End, with the scene played from inside its loop by `play`.
    int Run(int templateId, std::function<void()> const& init,
            std::function<void(Scene const&)> const& play);
    void End(int result);
    bool HasEnded() const { return m_ended; }
    /// From here on no event reaches a handler: the windows are going.
    void Close() { m_closing = true; }
    wxDialog& Window() const { return m_window; }

private:
    wxDialog& m_window;
    bool m_ended = false;
    bool m_closing = false;
    int m_result = 0;
    std::exception_ptr m_error;
};

} // namespace platform::wx
