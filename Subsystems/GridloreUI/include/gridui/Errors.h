// The library's module name and the functions that raise its errors.
#pragma once

#include "gridui/Export.h"

#define GRIDUI_WIDEN_(text) L##text
#define GRIDUI_WIDEN(text) GRIDUI_WIDEN_(text)
/// The current source file as wide text, relative to the source tree.
#define GRIDUI_WFILE GRIDUI_WIDEN(__FILE__)

/// Raises an internal error at the calling line.
#define GRIDUI_INTERNAL_ERROR() ::gridui::ThrowInternalError(GRIDUI_WFILE, __LINE__)

namespace gridui {

/// "GridloreUI", in static storage.
GRIDUI_EXPORT wchar_t const* ModuleName();

/// Throws a shr::Exception(module, file, line, message, false); a null module
/// stands for ModuleName(). `file` and `message` must not be null.
[[noreturn]] GRIDUI_EXPORT void ThrowErrorImpl(wchar_t const* module, wchar_t const* file, int line,
                                               wchar_t const* message);

/// Raises a broken invariant of this library at `file` and `line`. Never returns.
[[noreturn]] GRIDUI_EXPORT void ThrowInternalError(wchar_t const* file, int line);

} // namespace gridui
