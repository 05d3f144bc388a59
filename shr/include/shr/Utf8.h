// shr UTF-8 conversion: wide text (UTF-32 here) to and from the bytes files and PROJ use.
#pragma once

#include "shr/Export.h"

#include <string>
#include <string_view>

namespace shr {

/// Encodes wide text as UTF-8; a value that is no Unicode scalar becomes U+FFFD.
SHR_EXPORT std::string ToUtf8(std::wstring_view text);

/// Decodes UTF-8; each malformed sequence becomes U+FFFD, so no input is rejected.
SHR_EXPORT std::wstring FromUtf8(std::string_view bytes);

/// Whether `bytes` is well-formed UTF-8.
SHR_EXPORT bool IsValidUtf8(std::string_view bytes);

} // namespace shr
