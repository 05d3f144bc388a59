#include "NumberRules.h"

#include "shr/StringUtil.h"

#include <cwctype>
#include <regex>

namespace kor {

std::wstring FormatNumber(double value) {
    return shr::ToString(L"%.15g", value);
}

} // namespace kor

namespace kor {

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i])))
            return false;
    return true;
}

} // namespace kor

namespace kor {

int ParseAuthorityCode(std::wstring const& text) {
    static std::wregex const code(LR"(^\s*(?:epsg\s*:+\s*)?(\d{1,9})\s*$)", std::regex::icase);
    std::wsmatch match;
    if (!std::regex_match(text, match, code))
        return 0;
    return std::stoi(match[1].str());
}

} // namespace kor
