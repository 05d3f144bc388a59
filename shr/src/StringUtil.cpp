#include "shr/StringUtil.h"

#include "shr/Exception.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <new>

namespace shr {

namespace {

/// Lower case of the letters in place names (Latin, Greek, Cyrillic) without depending
/// on the process's locale, which a host may leave at "C".
wchar_t FoldCase(wchar_t ch) {
    // Most text is ASCII, where only A to Z change: skip the library call for it.
    if (ch < 0xC0) {
        return ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch + 32) : ch;
    }
    if ((ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) || (ch >= 0x391 && ch <= 0x3AB && ch != 0x3A2) ||
        (ch >= 0x410 && ch <= 0x42F)) {
        return static_cast<wchar_t>(ch + 32);
    }
    if (ch >= 0x400 && ch <= 0x40F) {
        return static_cast<wchar_t>(ch + 80);
    }
    bool const evenUpper = (ch >= 0x100 && ch <= 0x137) || (ch >= 0x14A && ch <= 0x177);
    bool const oddUpper = (ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E);
    if ((evenUpper && ch % 2 == 0) || (oddUpper && ch % 2 == 1)) {
        return static_cast<wchar_t>(ch + 1);
    }
    if (ch == 0x178) {
        return 0xFF;
    }
    return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
}

} // namespace

std::wstring FoldCase(std::wstring text) {
    for (wchar_t& ch : text) {
        ch = FoldCase(ch);
    }
    return text;
}

bool Contains(std::wstring const& text, std::wstring const& part, bool caseSensitive) {
    if (part.empty()) {
        return true;
    }
    if (caseSensitive) {
        return text.find(part) != std::wstring::npos;
    }
    auto const equalFolded = [](wchar_t a, wchar_t b) { return FoldCase(a) == FoldCase(b); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), equalFolded) !=
           text.end();
}

bool IsWhiteSpace(wchar_t ch) {
    switch (ch) {
    case L'\t':
    case L'\n':
    case L'\v':
    case L'\f':
    case L'\r':
    case L' ':
    case 0x0085:
    case 0x00A0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
    case 0xFEFF:
        return true;
    default:
        return ch >= 0x2000 && ch <= 0x200A;
    }
}

std::wstring Trim(std::wstring const& text) {
    auto const first = std::find_if_not(text.begin(), text.end(), IsWhiteSpace);
    auto const last = std::find_if_not(text.rbegin(), text.rend(), IsWhiteSpace).base();
    return first < last ? std::wstring(first, last) : std::wstring();
}

std::wstring Abbreviated(std::wstring const& text, std::size_t limit) {
    return text.size() <= limit ? text : text.substr(0, limit) + L"...";
}

std::wstring ToStringV(wchar_t const* format, va_list args) {
    // Nearly every text fits a small buffer on the stack. Opening a memory stream costs
    // far more than the formatting (it clears a buffer of its own), so it is left for
    // what fails here: a longer text, or a bad format, which vswprintf cannot tell apart.
    std::array<wchar_t, 256> buffer{};
    va_list first;
    va_copy(first, args);
    int const fitted = std::vswprintf(buffer.data(), buffer.size(), format, first);
    va_end(first);
    if (fitted >= 0) {
        return std::wstring(buffer.data(), static_cast<std::size_t>(fitted));
    }
    // A memory stream sizes itself to the output, so no text is ever cut at a fixed
    // buffer, and unlike vswprintf a short buffer cannot be mistaken for a bad format.
    wchar_t* data = nullptr;
    std::size_t size = 0;
    FILE* stream = open_wmemstream(&data, &size);
    if (stream == nullptr) {
        throw std::bad_alloc();
    }
    va_list copy;
    va_copy(copy, args);
    int const written = std::vfwprintf(stream, format, copy);
    va_end(copy);
    std::fclose(stream);
    std::wstring text = written < 0 ? std::wstring() : std::wstring(data, size);
    std::free(data);
    if (written < 0) {
        throw Exception(L"Shared", L"StringUtil", 0,
                        L"The text could not be formatted: its format does not fit its arguments.",
                        false);
    }
    return text;
}

std::wstring ToString(wchar_t const* format, ...) {
    va_list args;
    va_start(args, format);
    std::wstring text;
    try {
        text = ToStringV(format, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
    return text;
}

std::wstring& AppendFormatString(std::wstring& target, wchar_t const* format, ...) {
    va_list args;
    va_start(args, format);
    try {
        target += ToStringV(format, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
    return target;
}

} // namespace shr
