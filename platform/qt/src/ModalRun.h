#pragma once

#include "platform/Driver.h"

#include <QDialog>

#include <exception>
#include <functional>

namespace platform::qt {

/// A top-level dialog window whose Escape key and close button ask its owner instead of
/// closing it: the dialog's handlers decide whether it ends.
class RunWindow final : public QDialog {
public:
    explicit RunWindow(QWidget* owner);

    /// Called instead of closing the window.
    void OnReject(std::function<void()> reject) { m_reject = std::move(reject); }
    void reject() override;

private:
    std::function<void()> m_reject;
};

/// One run of a modal window: its result, and the first exception a handler threw,
/// which ends the run and is thrown again once Qt's loop has returned.
class ModalRun final {
public:
    explicit ModalRun(RunWindow& window)
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
    RunWindow& Window() const { return m_window; }

private:
    RunWindow& m_window;
    bool m_ended = false;
    bool m_closing = false;
    bool m_running = false;
    int m_result = 0;
    std::exception_ptr m_error;
};

} // namespace platform::qt
