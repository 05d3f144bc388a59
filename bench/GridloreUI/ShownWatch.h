// browserbench::ShownWatch: what a measurement waits for after a user's action.
#pragma once

#include "platform/Driver.h"

#include <chrono>
#include <functional>
#include <utility>

namespace browserbench {

/// Without a screen, the action's own work is all a user waits for: nothing to wait for.
class ShownWatch {
public:
    virtual ~ShownWatch() = default;

    /// Called just before the action.
    virtual void Arm() {}
    /// Returns once the action's result is on the screen.
    virtual void Wait() {}
    /// A user takes far longer than a frame between two actions; without this pause a
    /// timed action would also wait for the frame after the setup's own.
    virtual void Pause() {}
    /// Lets the pause after keys typed without Enter run out, and returns when it did:
    /// without a screen the driver ends it at once.
    virtual std::chrono::steady_clock::time_point EndTypingPause(platform::User& user) {
        auto const expired = std::chrono::steady_clock::now();
        user.RunTimers();
        return expired;
    }

    /// Runs `report` once, right after the watched window's next paint has been drawn:
    /// what a user waits for, whatever the program does at its next idle.
    void ReportAfterPaint(std::function<void()> report) { m_report = std::move(report); }
    /// Returns once the report has run; without a screen, runs it now.
    virtual void WaitForReport() { RunReport(); }

protected:
    bool IsReportDue() const { return static_cast<bool>(m_report); }
    void RunReport() {
        if (m_report) {
            std::exchange(m_report, nullptr)();
        }
    }

private:
    std::function<void()> m_report;
};

} // namespace browserbench
