// Raising the windowing layer's internal errors with what went wrong and where.
#pragma once

#include "platform/Export.h"

#include <string>

namespace platform {

/// Throws a shr::Exception with `module`, the location and a message that says which
/// input was wrong. Used for misuse of the layer or the toolkit (an unknown control id,
/// a malformed template or filter), never for a user's input.
[[noreturn]] PLATFORM_EXPORT void ThrowError(wchar_t const* module, wchar_t const* file, int line,
                                             std::wstring const& message);

} // namespace platform

#define PLATFORM_WIDEN_(text) L##text
#define PLATFORM_WIDEN(text) PLATFORM_WIDEN_(text)
/// Raises an internal error of the windowing layer at the calling line.
#define PLATFORM_ERROR(message)                                                                    \
    ::platform::ThrowError(L"platform", PLATFORM_WIDEN(__FILE__), __LINE__, (message))
