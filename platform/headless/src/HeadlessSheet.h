#pragma once

#include "HeadlessDialog.h"
#include "HeadlessWindow.h"

#include <memory>
#include <string>
#include <vector>

namespace platform::headless {

class HeadlessSheet final : public backend::NativeSheet {
public:
    /// Nothing stacks without a display, so the owner plays no part.
    HeadlessSheet(std::wstring caption, backend::SheetEvents& events, backend::NativeWindow* owner);

    backend::NativeDialog& AddPage(DialogTemplate const& page,
                                   backend::DialogEvents& events) override;
    int RunModal() override;
    void End(int result) override;
    void SetActivePage(int index) override { m_active = index; }
    int ActivePage() const override { return m_active; }

    bool HasEnded() const { return m_ended; }
    void Press(ControlId button) override { m_events.OnSheetButton(button); }

private:
    std::wstring m_caption;
    backend::SheetEvents& m_events;
    std::vector<std::unique_ptr<HeadlessDialog>> m_pages;
    int m_active = 0;
    bool m_ended = false;
    int m_result = 0;
};

} // namespace platform::headless
