#include "shr/Exception.h"

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

Exception::Exception(std::wstring module_, std::wstring file_, int line_, std::wstring message_,
                     bool flag_)
    : std::runtime_error(DescribeLocation(module_, file_, line_, message_))
    , module(std::move(module_))
    , file(std::move(file_))
    , line(line_)
    , message(std::move(message_))
    , flag(flag_) {}

} // namespace shr
