// shr::ThrowInternalError: raising a broken invariant with its location.
#pragma once

#include "shr/Export.h"

#include <string>

namespace shr {

/// Throws a shr::Exception with the module, file and line and a fixed internal-error
/// text. Never returns.
[[noreturn]] SHR_EXPORT void ThrowInternalError(std::wstring const& module,
                                                std::wstring const& file, int line);

/// The message that ThrowInternalError puts in the exception.
SHR_EXPORT std::wstring const& InternalErrorText();

} // namespace shr
