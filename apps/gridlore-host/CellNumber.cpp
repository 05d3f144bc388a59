#include "CellNumber.h"

#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <charconv>

namespace gridhost {

CellNumber ParseCellNumber(std::wstring const& cell, char decimalMark) {
    std::string text = shr::ToUtf8(shr::Trim(cell));
    if (text.starts_with('+')) {
        text.erase(0, 1);
    }
    if (decimalMark != '.') {
        std::replace(text.begin(), text.end(), decimalMark, '.');
    }
    CellNumber number;
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), number.value);
    if (end != text.data() + text.size() || text.empty()) {
        return {};
    }
    number.error = error;
    return number;
}

} // namespace gridhost
