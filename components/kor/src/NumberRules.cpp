#include "NumberRules.h"

#include "shr/StringUtil.h"

#include <cwctype>

namespace kor {

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
