// Raising the dialog toolkit's internal errors, under the module "shrgui".
#pragma once

#include "platform/Error.h"

#define SHRGUI_ERROR(message)                                                                      \
    ::platform::ThrowError(L"shrgui", PLATFORM_WIDEN(__FILE__), __LINE__, (message))
