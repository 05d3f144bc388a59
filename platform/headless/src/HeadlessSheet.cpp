#include "HeadlessSheet.h"
#include "HeadlessDialog.h"
#include "HeadlessUser.h"

#include "platform/Error.h"

namespace platform::headless {

HeadlessSheet::HeadlessSheet(std::wstring caption, backend::SheetEvents& events,
                             backend::NativeWindow*)
    : m_caption(std::move(caption))
    , m_events(events) {}

backend::NativeDialog& HeadlessSheet::AddPage(DialogTemplate const& page,
                                              backend::DialogEvents& events) {
    m_pages.push_back(std::make_unique<HeadlessDialog>(page, events, nullptr, this));
    return *m_pages.back();
}

int HeadlessSheet::RunModal() {
    Driver* driver = InstalledDriver();
    if (driver == nullptr || m_pages.empty()) {
        PLATFORM_ERROR(L"a property sheet opened on the headless backend without a driver or "
                       L"pages");
    }
    Scene scene = driver->TakeDialogScene(m_pages.front()->Id());
    m_events.OnSheetInit();
    HeadlessUser(*m_pages.at(static_cast<std::size_t>(m_active))).Play(scene);
    return m_result;
}

void HeadlessSheet::End(int result) {
    if (!m_ended) {
        m_ended = true;
        m_result = result;
    }
}

} // namespace platform::headless
