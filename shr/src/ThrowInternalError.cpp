#include "shr/ThrowInternalError.h"

#include "shr/Exception.h"

namespace shr {

std::wstring const& InternalErrorText() {
    static std::wstring const text =
        L"Internal error: a condition that should always hold did not. Please report it.";
    return text;
}

void ThrowInternalError(std::wstring const& module, std::wstring const& file, int line) {
    throw Exception(module, file, line, InternalErrorText(), false);
}

} // namespace shr
