#include "platform/Error.h"

#include "shr/Exception.h"

namespace platform {

void ThrowError(wchar_t const* module, wchar_t const* file, int line, std::wstring const& message) {
    throw shr::Exception(module, file, line, L"Internal error: " + message, false);
}

} // namespace platform
