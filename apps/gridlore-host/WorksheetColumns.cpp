#include "WorksheetColumns.h"

#include "shr/StringUtil.h"

#include <algorithm>
#include <cwctype>

namespace gridhost {

namespace {

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t ch) { return static_cast<wchar_t>(std::towlower(ch)); });
    return text;
}

} // namespace

std::optional<int> ColumnNamed(Worksheet const& sheet,
                               std::initializer_list<std::wstring_view> names) {
    for (unsigned column = 0; column < sheet.ColumnCount(); ++column) {
        std::wstring const name = Lower(shr::Trim(sheet.ColumnName(column)));
        for (std::wstring_view const wanted : names) {
            if (name == Lower(shr::Trim(std::wstring(wanted)))) {
                return static_cast<int>(column);
            }
        }
    }
    return std::nullopt;
}

ColumnGuess GuessColumns(Worksheet const& sheet) {
    int const columns = static_cast<int>(sheet.ColumnCount());
    return {{ColumnNamed(sheet, {L"longitude", L"lon", L"long", L"x"}).value_or(0),
             ColumnNamed(sheet, {L"latitude", L"lat", L"y"}).value_or(1)},
            {ColumnNamed(sheet, {L"easting", L"east", L"e"}).value_or(columns),
             ColumnNamed(sheet, {L"northing", L"north", L"n"}).value_or(columns + 1)}};
}

} // namespace gridhost
