#include "PropertyValues.h"

#include <cmath>
#include <cwchar>
#include <limits>

namespace gridui {

double ToDouble(platform::Variant const& value) {
    if (auto const* number = std::get_if<double>(&value)) {
        return *number;
    }
    if (auto const* whole = std::get_if<int>(&value)) {
        return *whole;
    }
    if (auto const* flag = std::get_if<bool>(&value)) {
        return *flag ? 1.0 : 0.0;
    }
    if (auto const* text = std::get_if<std::wstring>(&value)) {
        wchar_t* end = nullptr;
        double const parsed = std::wcstod(text->c_str(), &end);
        if (end != text->c_str() && *end == L'\0') {
            return parsed;
        }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

int ToInt(platform::Variant const& value) {
    if (auto const* whole = std::get_if<int>(&value)) {
        return *whole;
    }
    double const number = ToDouble(value);
    // Out of range or not a number: no whole number stands for it.
    if (!std::isfinite(number) || std::fabs(number) > std::numeric_limits<int>::max()) {
        return 0;
    }
    return static_cast<int>(number);
}

bool ToBool(platform::Variant const& value) {
    if (auto const* flag = std::get_if<bool>(&value)) {
        return *flag;
    }
    double const number = ToDouble(value);
    return !std::isnan(number) && number != 0.0;
}

std::wstring ToText(platform::Variant const& value) {
    if (auto const* text = std::get_if<std::wstring>(&value)) {
        return *text;
    }
    return {};
}

} // namespace gridui
