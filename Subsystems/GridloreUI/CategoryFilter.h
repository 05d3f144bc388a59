// How a search text applies to the browser's categories: the tree's population filters
// each category with it, and the search runs the filters again with a second text.
#pragma once

#include "kor/CSDef.h"
#include "kor/KORDef.h"
#include "shr/StringUtil.h"

#include <climits>
#include <cwchar>

namespace gridui {

inline bool HasSearch(wchar_t const* search) {
    return search != nullptr && *search != L'\0';
}

/// The number a search text starts with, after white space and a sign; 0 when none.
inline int SearchCode(wchar_t const* search) {
    if (!HasSearch(search)) {
        return 0;
    }
    long const value = std::wcstol(search, nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

/// The registry code of a referenced system; 0 for every other kind.
inline int CodeOf(kor::CSDef const& definition) {
    auto const* referenced = dynamic_cast<kor::KORDef const*>(&definition);
    return referenced != nullptr ? referenced->GetPOSC() : 0;
}

/// A search as one category applies it: a search that the category's own name contains
/// keeps the whole category.
struct CategoryFilter {
    CategoryFilter(wchar_t const* text, wchar_t const* nodeText)
        : search(HasSearch(text) && !shr::Contains(nodeText, text, false) ? text : nullptr)
        , code(search != nullptr ? SearchCode(search) : 0) {}

    wchar_t const* search;
    int code;
};

} // namespace gridui
