#include "platform/qt/HostWindow.h"

#include "QtWindow.h"

#include <memory>

namespace platform::qt {

// The host's widget is seen as any other window of this backend; it answers to no control
// id and belongs to no dialog of ours.
HostWindow::HostWindow(QWidget* window)
    : HostWindowBase(window == nullptr ? nullptr
                                       : std::make_unique<QtControl>(nullptr, 0, window)) {}

QWidget* HostWindow::GetQWidget() const {
    return &WidgetOf(Host());
}

} // namespace platform::qt
