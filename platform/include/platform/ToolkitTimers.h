// platform::backend::ToolkitTimers: a dialog's timers on its toolkit's, in the schedule's order.
#pragma once

#include "platform/Export.h"
#include "platform/Ids.h"
#include "platform/TimerSchedule.h"

#include <chrono>
#include <functional>
#include <map>
#include <memory>

namespace platform::backend {

/// The schedule says which timers run and which is due first; the toolkit's timers wake
/// the loop when one is due. A stop may come after the toolkit queued an expiry, so the
/// schedule has the last word.
class PLATFORM_EXPORT ToolkitTimers {
public:
    /// `raise` tells the dialog that timer `id` ran out.
    explicit ToolkitTimers(std::function<void(ControlId)> raise);
    virtual ~ToolkitTimers();
    ToolkitTimers(ToolkitTimers const&) = delete;
    ToolkitTimers& operator=(ToolkitTimers const&) = delete;

    /// Timer `id` runs out `delay` from now; a running one starts over.
    void Start(ControlId id, std::chrono::milliseconds delay);
    void Stop(ControlId id);
    /// Lets the timer due first expire now; false when none runs.
    bool ExpireNext();
    /// The toolkit's timer `id` ran out: it expires unless it was stopped since.
    void Expire(ControlId id);

protected:
    /// The toolkit's timer `id` calls Expire once, `delay` from now.
    virtual void StartToolkitTimer(ControlId id, std::chrono::milliseconds delay) = 0;
    virtual void StopToolkitTimer(ControlId id) = 0;

private:
    std::function<void(ControlId)> m_raise;
    TimerSchedule m_schedule;
};

/// Timers on the toolkit's one-shot timer `OneShot`: made from what it calls when it runs
/// out, with Start(delay) and Stop(). Each is made at its first start.
template <typename OneShot> class OneShotTimers final : public ToolkitTimers {
public:
    using ToolkitTimers::ToolkitTimers;

private:
    void StartToolkitTimer(ControlId id, std::chrono::milliseconds delay) override {
        std::unique_ptr<OneShot>& timer = m_timers[id];
        if (timer == nullptr) {
            timer = std::make_unique<OneShot>([this, id] { Expire(id); });
        }
        timer->Start(delay);
    }
    void StopToolkitTimer(ControlId id) override { m_timers.at(id)->Stop(); }

    std::map<ControlId, std::unique_ptr<OneShot>> m_timers;
};

/// A toolkit's one-shot `Timer`, as OneShotTimers takes it: declared once, each toolkit defines
/// the members for its own timer in its backend.
template <typename Timer> class ToolkitOneShot final {
public:
    /// Calls `expire` each time it runs out.
    explicit ToolkitOneShot(std::function<void()> const& expire);
    void Start(std::chrono::milliseconds delay);
    void Stop();

private:
    Timer m_timer;
};

} // namespace platform::backend
