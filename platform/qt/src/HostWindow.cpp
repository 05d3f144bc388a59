#include "platform/qt/HostWindow.h"

#include "QtWindow.h"

#include <memory>

// The host's widget is seen as any other window of this backend; it answers to no control
// id and belongs to no dialog of ours.
template <>
platform::ToolkitHostWindow<QWidget>::ToolkitHostWindow(QWidget* window)
    : HostWindowBase(window == nullptr ? nullptr
                                       : std::make_unique<qt::QtControl>(nullptr, 0, window)) {}
