// platform::backend::ModalRun: one run of a modal window, alike on every toolkit.
#pragma once

#include "platform/Driver.h"
#include "platform/Export.h"

#include <exception>
#include <functional>

namespace platform::backend {

/// One run of a modal window: its result, and the first exception a handler threw, which
/// ends the run and is thrown again once the toolkit's loop has returned. The backend
/// shows its window and ends its loop.
class PLATFORM_EXPORT ModalRun {
public:
    virtual ~ModalRun();

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

protected:
    ModalRun() = default;
    ModalRun(ModalRun const&) = delete;
    ModalRun& operator=(ModalRun const&) = delete;

    /// Centres the window on its owner, shows it and runs its loop until EndModal;
    /// `first`, when set, runs from inside that loop before anything the user does.
    virtual void ShowModal(std::function<void()> const& first) = 0;
    /// Ends the loop ShowModal runs, when it runs.
    virtual void EndModal(int result) = 0;

private:
    bool m_ended = false;
    bool m_closing = false;
    int m_result = 0;
    std::exception_ptr m_error;
};

/// One run of a toolkit's modal `Window`; the toolkit specialises how it shows and ends.
template <typename Window> class WindowModalRun final : public ModalRun {
public:
    explicit WindowModalRun(Window& window)
        : m_window(window) {}

private:
    void ShowModal(std::function<void()> const& first) override;
    void EndModal(int result) override;

    Window& m_window;
};

} // namespace platform::backend
