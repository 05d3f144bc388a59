#include "NumberRules.h"

#include "shr/StringUtil.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cwctype>

namespace kor {

namespace {

/// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> ExactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

/// Up to this many digits make an integer a double holds exactly (below 2^53).
constexpr int ExactDigits = 15;

} // namespace

bool ParseDouble(std::string_view text, double& value) {
    // Digits, with a point between digits, and an optional minus: their value is an exact
    // integer over an exact power of ten, and the one division rounds as from_chars does.
    // Anything else (exponents, "inf", long mantissas) is left to from_chars.
    std::size_t at = !text.empty() && text.front() == '-' ? 1 : 0;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    std::size_t point = std::string_view::npos;
    for (; at < text.size(); ++at) {
        char const ch = text[at];
        if (ch >= '0' && ch <= '9') {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(ch - '0');
            ++digits;
            decimals += point != std::string_view::npos ? 1 : 0;
        } else if (ch == '.' && point == std::string_view::npos) {
            point = at;
        } else {
            break;
        }
    }
    bool const plain = at == text.size() && digits > 0 && digits <= ExactDigits &&
                       (point == std::string_view::npos || (decimals > 0 && digits > decimals));
    if (plain) {
        double const magnitude =
            static_cast<double>(mantissa) / ExactPowersOfTen[static_cast<std::size_t>(decimals)];
        value = text.front() == '-' ? -magnitude : magnitude;
        return true;
    }
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace kor

namespace kor {

int ParseAuthorityCode(std::wstring const& text) {
    std::wstring_view rest = text;
    auto const skipBlanks = [&rest] {
        while (!rest.empty() && (std::iswspace(static_cast<wint_t>(rest.front())) != 0)) {
            rest.remove_prefix(1);
        }
    };
    skipBlanks();
    if (rest.size() >= 4 && EqualIgnoringCase(rest.substr(0, 4), L"epsg")) {
        rest.remove_prefix(4);
        skipBlanks();
        if (rest.empty() || rest.front() != L':') {
            return 0;
        }
        while (!rest.empty() && rest.front() == L':') {
            rest.remove_prefix(1);
        }
        skipBlanks();
    }
    int code = 0;
    int digits = 0;
    while (!rest.empty() && rest.front() >= L'0' && rest.front() <= L'9' && digits < 9) {
        code = code * 10 + (rest.front() - L'0');
        rest.remove_prefix(1);
        ++digits;
    }
    skipBlanks();
    return digits > 0 && rest.empty() ? code : 0;
}

} // namespace kor
