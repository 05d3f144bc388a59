#include "platform/ToolkitTimers.h"

#include <utility>

namespace platform::backend {

ToolkitTimers::ToolkitTimers(std::function<void(ControlId)> raise)
    : m_raise(std::move(raise)) {}

ToolkitTimers::~ToolkitTimers() = default;

void ToolkitTimers::Start(ControlId id, std::chrono::milliseconds delay) {
    m_schedule.Start(id, delay);
    StartToolkitTimer(id, delay);
}

void ToolkitTimers::Stop(ControlId id) {
    if (m_schedule.Stop(id)) {
        StopToolkitTimer(id);
    }
}

bool ToolkitTimers::ExpireNext() {
    return m_schedule.ExpireNext([this](ControlId id) {
        StopToolkitTimer(id);
        m_raise(id);
    });
}

void ToolkitTimers::Expire(ControlId id) {
    if (m_schedule.Stop(id)) {
        m_raise(id);
    }
}

} // namespace platform::backend
