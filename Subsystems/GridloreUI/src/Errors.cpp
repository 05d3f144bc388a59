#include "gridui/Errors.h"

#include "shr/Exception.h"
#include "shr/ThrowInternalError.h"

#include <string>

namespace gridui {

wchar_t const* ModuleName() {
    return L"GridloreUI";
}

void ThrowErrorImpl(wchar_t const* module, wchar_t const* file, int line, wchar_t const* message) {
    std::wstring messageText(message);
    std::wstring fileText(file);
    std::wstring moduleText(module != nullptr ? module : ModuleName());
    throw shr::Exception(std::move(moduleText), std::move(fileText), line, std::move(messageText),
                         false);
}

void ThrowInternalError(wchar_t const* file, int line) {
    std::wstring const fileText(file);
    std::wstring const moduleText(ModuleName());
    shr::ThrowInternalError(moduleText, fileText, line);
}

} // namespace gridui
