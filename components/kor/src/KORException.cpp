#include "kor/KORException.h"

#include "shr/Utf8.h"

namespace kor {

KORException::KORException(std::wstring message)
    : std::runtime_error(shr::ToUtf8(message))
    , m_message(std::move(message)) {}

} // namespace kor
