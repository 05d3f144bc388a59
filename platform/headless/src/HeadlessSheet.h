#pragma once

#include "HeadlessDialog.h"
#include "HeadlessWindow.h"

#include <memory>
#include <string>
#include <vector>

namespace platform::headless {

class HeadlessSheet final : public backend::NativeSheet {
public:
    HeadlessSheet(std::wstring caption, backend::SheetEvents& events);

    backend::NativeDialog& AddPage(DialogTemplate const& page,
                                   backend::DialogEvents& events) override;
    int RunModal() override;
    void End(int result) override;
    void SetActivePage(int index) override { m_active = index; }
    int ActivePage() const override { return m_active; }

    bool HasEnded() const { return m_ended; }
    /// The sheet's own OK or Cancel, pressed by the user.
    void Press(ControlId button) { m_events.OnSheetButton(button); }

private:
    std::wstring m_caption;
    backend::SheetEvents& m_events;
    std::vector<std::unique_ptr<HeadlessDialog>> m_pages;
    int m_active = 0;
    bool m_ended = false;
    int m_result = 0;
};

} // namespace platform::headless
