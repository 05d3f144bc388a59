#pragma once

#include "QtDialog.h"
#include "platform/ToolkitSheet.h"

// QtSheet.cpp gives the sheet Qt's window and tabs and instantiates it there.
extern template class platform::backend::ToolkitSheet<QWidget>;
