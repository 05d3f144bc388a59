// platform::backend::ToolkitTimers: a dialog's timers on its toolkit's, in the schedule's order.
#pragma once

#include "platform/Export.h"
#include "platform/Ids.h"
#include "platform/TimerSchedule.h"

#include <chrono>
#include <functional>

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

} // namespace platform::backend
