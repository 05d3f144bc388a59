#include "platform/ModalRun.h"

#include "platform/Ids.h"

#include <utility>

namespace platform::backend {

ModalRun::~ModalRun() = default;

void ModalRun::Guard(std::function<void()> const& action) {
    if (m_closing) {
        return;
    }
    try {
        action();
    } catch (...) {
        if (!m_error) {
            m_error = std::current_exception();
        }
        End(IDCANCEL);
    }
}

int ModalRun::Run(int templateId, std::function<void()> const& init,
                  std::function<void(Scene const&)> const& play) {
    Driver* driver = InstalledDriver();
    Scene scene;
    if (driver != nullptr) {
        scene = driver->TakeDialogScene(templateId);
    }
    Guard(init);
    if (!m_ended) {
        std::function<void()> first;
        if (driver != nullptr) {
            // The scene plays once the window runs its own loop, as a user would.
            first = [this, scene, play] { Guard([&] { play(scene); }); };
        }
        ShowModal(first);
    }
    if (m_error) {
        std::rethrow_exception(std::exchange(m_error, nullptr));
    }
    return m_result;
}

void ModalRun::End(int result) {
    if (m_ended) {
        return;
    }
    m_ended = true;
    m_result = result;
    EndModal(result);
}

} // namespace platform::backend
