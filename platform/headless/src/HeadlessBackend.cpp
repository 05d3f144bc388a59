#include "platform/headless/HeadlessBackend.h"

#include "HeadlessDialog.h"
#include "HeadlessSheet.h"
#include "HeadlessTree.h"
#include "platform/Error.h"
#include "platform/MemorySettings.h"
#include "platform/Window.h"

namespace platform::headless {

HeadlessBackend::HeadlessBackend()
    : ScriptableBackend(ClassesOf<HeadlessDialog, HeadlessSheet>(),
                        std::make_unique<MemorySettings>()) {}

std::vector<std::pair<StockIcon, Rect>> PaintedIcons(Window const& tree) {
    auto* native = dynamic_cast<HeadlessTree*>(&tree.Native());
    if (native == nullptr) {
        PLATFORM_ERROR(L"PaintedIcons needs a headless tree");
    }
    return native->PaintedIcons();
}

} // namespace platform::headless
