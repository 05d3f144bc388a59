// shr::Exception: an error that carries its module, source location and message.
#pragma once

#include "shr/Export.h"

#include <stdexcept>
#include <string>

namespace shr {

/// An error raised with the place that raised it. `what()` reads
/// "module::file(line): message", narrowed byte by byte in the current C locale.
class SHR_EXPORT Exception : public std::runtime_error {
public:
    Exception(std::wstring moduleName, std::wstring fileName, int lineNumber, std::wstring text,
              bool flagValue);

    std::wstring module;
    std::wstring file;
    int line;
    std::wstring message;
    /// Free for the raiser's use; errors raised by the dialogs always leave it false.
    bool flag;
};

/// What `error` says for a user: a shr::Exception's message without the place that
/// raised it, else `what()` read as UTF-8.
SHR_EXPORT std::wstring UserMessage(std::exception const& error);

/// UserMessage of the exception being handled; inside a catch handler only.
SHR_EXPORT std::wstring UserMessageOfCurrentException();

/// Narrows wide text one character at a time with `wctob`; a character with no
/// single-byte form in the current C locale becomes the byte 0xFF.
SHR_EXPORT std::string NarrowText(std::wstring const& text);

} // namespace shr
