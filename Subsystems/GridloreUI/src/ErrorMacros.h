// The library's own shorthands for raising and reporting its errors at the calling line.
#pragma once

#include "gridui/Errors.h"

#define GRIDUI_WIDEN_(text) L##text
#define GRIDUI_WIDEN(text) GRIDUI_WIDEN_(text)
/// The current source file as wide text, relative to the source tree.
#define GRIDUI_WFILE GRIDUI_WIDEN(__FILE__)

/// Raises an internal error at the calling line.
#define GRIDUI_INTERNAL_ERROR() ::gridui::ThrowInternalError(GRIDUI_WFILE, __LINE__)
