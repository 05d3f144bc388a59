#include "platform/TimerSchedule.h"

#include <algorithm>

namespace platform::backend {

void TimerSchedule::Start(ControlId id, std::chrono::milliseconds delay) {
    m_due[id] = Clock::now() + delay;
}

bool TimerSchedule::Stop(ControlId id) {
    return m_due.erase(id) != 0;
}

bool TimerSchedule::ExpireNext(std::function<void(ControlId)> const& expire) {
    if (m_due.empty()) {
        return false;
    }
    // The map runs in id order, so the first of equal times is the lower id.
    auto const next =
        std::min_element(m_due.begin(), m_due.end(),
                         [](auto const& a, auto const& b) { return a.second < b.second; });
    ControlId const id = next->first;
    m_due.erase(next);
    expire(id);
    return true;
}

Message TimerSchedule::Expiry(ControlId id, Window* dialog) {
    Message message;
    message.event = Event::Timer;
    message.id = id;
    message.window = dialog;
    return message;
}

} // namespace platform::backend
