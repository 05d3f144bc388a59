// kor::KORException: a failure of the coordinate-system model, with a message for the user.
#pragma once

#include "kor/Export.h"

#include <stdexcept>
#include <string>

namespace kor {

/// Raised when a definition cannot be read, built, converted or found. The wide
/// message says what failed and on what input; `what()` gives it as UTF-8.
class KOR_EXPORT KORException : public std::runtime_error {
public:
    explicit KORException(std::wstring message);

    std::wstring const& Message() const noexcept { return m_message; }

private:
    std::wstring m_message;
};

} // namespace kor
