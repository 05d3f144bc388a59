#include "platform/qt/HostWindow.h"
#include "QtWindow.h"

#include "platform/qt/Export.h"

// Made here, with the backend's other windows, for hosts that include only its declaration.
template class PLATFORM_QT_EXPORT platform::ToolkitHostWindow<QWidget>;
