#pragma once

#include "WxDialog.h"
#include "platform/ToolkitSheet.h"

// WxSheet.cpp gives the sheet the toolkit's window and notebook and instantiates it there.
extern template class platform::backend::ToolkitSheet<wxWindow>;
