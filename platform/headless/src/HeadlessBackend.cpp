#include "platform/headless/HeadlessBackend.h"

#include "HeadlessDialog.h"
#include "HeadlessSheet.h"
#include "HeadlessTree.h"
#include "platform/Error.h"
#include "platform/MemorySettings.h"
#include "platform/Window.h"

namespace platform::headless {

namespace {

class HeadlessToolTip final : public backend::NativeToolTip {
public:
    explicit HeadlessToolTip(backend::NativeWindow&) {}
    void AddTool(std::wstring const& text) override { m_text = text; }
    void Activate(bool on) override { m_active = on; }
    bool IsActive() const override { return m_active; }
    std::wstring Text() const override { return m_text; }

private:
    std::wstring m_text;
    bool m_active = true;
};

} // namespace

HeadlessBackend::HeadlessBackend()
    : ScriptableBackend(ClassesOf<HeadlessDialog, HeadlessSheet, HeadlessToolTip>(),
                        std::make_unique<MemorySettings>()) {}

std::vector<std::pair<StockIcon, Rect>> PaintedIcons(Window const& tree) {
    auto* native = dynamic_cast<HeadlessTree*>(&tree.Native());
    if (native == nullptr) {
        PLATFORM_ERROR(L"PaintedIcons needs a headless tree");
    }
    return native->PaintedIcons();
}

} // namespace platform::headless
