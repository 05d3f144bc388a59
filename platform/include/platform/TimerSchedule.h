// platform::backend::TimerSchedule: the one-shot timers a native dialog runs, and when each is due.
#pragma once

#include "platform/Export.h"
#include "platform/Ids.h"
#include "platform/Message.h"

#include <chrono>
#include <functional>
#include <map>

namespace platform::backend {

/// Both backends keep their dialogs' timers here, so that a driver lets them expire in the
/// order the clock would.
class PLATFORM_EXPORT TimerSchedule final {
public:
    using Clock = std::chrono::steady_clock;

    /// Due `delay` from now; a running timer `id` starts over.
    void Start(ControlId id, std::chrono::milliseconds delay);
    /// False when timer `id` did not run.
    bool Stop(ControlId id);
    /// Stops the timer due first (the lower id of two due at once) and has `expire` raise
    /// its expiry; false when none runs.
    bool ExpireNext(std::function<void(ControlId)> const& expire);
    void Clear() { m_due.clear(); }
    bool IsEmpty() const { return m_due.empty(); }

    /// What the dialog whose wrapper is `dialog` hears when timer `id` runs out.
    static Message Expiry(ControlId id, Window* dialog);

private:
    std::map<ControlId, Clock::time_point> m_due;
};

} // namespace platform::backend
