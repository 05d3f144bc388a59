// The library's module name and the functions that raise its errors.
#pragma once

#include "gridui/Export.h"

namespace gridui {

/// "GridloreUI", in static storage: the module every error of the library names.
GRIDUI_EXPORT wchar_t const* ModuleName();

/// Throws a shr::Exception(module, file, line, message, false); a null module
/// stands for ModuleName(). `file` and `message` must not be null.
[[noreturn]] GRIDUI_EXPORT void ThrowErrorImpl(wchar_t const* module, wchar_t const* file, int line,
                                               wchar_t const* message);

/// Raises a broken invariant of this library at `file` and `line` (a shr::Exception
/// naming the module). Never returns.
[[noreturn]] GRIDUI_EXPORT void ThrowInternalError(wchar_t const* file, int line);

} // namespace gridui
