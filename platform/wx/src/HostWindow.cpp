#include "platform/wx/HostWindow.h"
#include "WxWindow.h"

#include "platform/wx/Export.h"

// Made here, with the backend's other windows, for hosts that include only its declaration.
template class PLATFORM_WX_EXPORT platform::ToolkitHostWindow<wxWindow>;
