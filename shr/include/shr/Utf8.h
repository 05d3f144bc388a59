// shr UTF-8 conversion: wide text (UTF-32 here) to and from the bytes files and PROJ use.
#pragma once

#include "shr/Export.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace shr {

/// Encodes wide text as UTF-8; a value that is no Unicode scalar becomes U+FFFD.
SHR_EXPORT std::string ToUtf8(std::wstring_view text);

/// Decodes UTF-8; each malformed sequence becomes U+FFFD, so no input is rejected.
SHR_EXPORT std::wstring FromUtf8(std::string_view bytes);
/// The same, decoded into `scratch` (overwritten) and viewed there: decoding thousands of
/// texts one after the other then allocates only while the longest grows.
SHR_EXPORT std::wstring_view FromUtf8(std::string_view bytes, std::wstring& scratch);
/// How many characters FromUtf8 makes of `bytes`, counted without making them.
SHR_EXPORT std::size_t DecodedLength(std::string_view bytes);

/// Whether every byte of `bytes` is ASCII, which compares and widens as it stands.
SHR_EXPORT bool IsAscii(std::string_view bytes);

/// Whether `bytes` is well-formed UTF-8.
SHR_EXPORT bool IsValidUtf8(std::string_view bytes);

} // namespace shr
