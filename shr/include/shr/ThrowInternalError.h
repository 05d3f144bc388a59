// shr::ThrowInternalError: raising a broken invariant with its location.
#pragma once

#include <string>

namespace shr {

/// Throws a shr::Exception with the module, file and line and a fixed internal-error
/// text. Never returns.
[[noreturn]] void ThrowInternalError(std::wstring const& module, std::wstring const& file,
                                     int line);

/// The message that ThrowInternalError puts in the exception.
std::wstring const& InternalErrorText();

} // namespace shr
