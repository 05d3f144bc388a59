#include "shr/Exception.h"

#include "shr/Utf8.h"

#include <cwchar>
#include <sstream>

namespace shr {
namespace {

std::string DescribeLocation(std::wstring const& module, std::wstring const& file, int line,
                             std::wstring const& message) {
    std::wostringstream text;
    text << module << L"::" << file << L'(' << line << L"): " << message;
    return NarrowText(text.str());
}

} // namespace

std::string NarrowText(std::wstring const& text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t const ch : text) {
        int const byte = std::wctob(static_cast<wint_t>(ch));
        narrow.push_back(byte == EOF ? '\xFF' : static_cast<char>(byte));
    }
    return narrow;
}

std::wstring UserMessage(std::exception const& error) {
    if (auto const* ours = dynamic_cast<Exception const*>(&error)) {
        return ours->message;
    }
    return FromUtf8(error.what());
}

std::wstring UserMessageOfCurrentException() {
    try {
        throw;
    } catch (std::exception const& error) {
        return UserMessage(error);
    } catch (...) {
        return L"an unexpected failure";
    }
}

Exception::Exception(std::wstring moduleName, std::wstring fileName, int lineNumber,
                     std::wstring text, bool flagValue)
    : std::runtime_error(DescribeLocation(moduleName, fileName, lineNumber, text))
    , module(std::move(moduleName))
    , file(std::move(fileName))
    , line(lineNumber)
    , message(std::move(text))
    , flag(flagValue) {}

} // namespace shr
