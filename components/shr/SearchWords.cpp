#include "shr/SearchWords.h"

#include "shr/StringUtil.h"

#include <cwctype>

namespace shr {

namespace {

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

} // namespace

bool IsLetterOrDigit(wchar_t ch) {
    if (ch < 0x80) {
        return IsDigit(ch) || (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z');
    }
    return std::iswalnum(static_cast<wint_t>(ch)) != 0;
}

// Written in place: the first search of a process joins every system's name and area.
std::wstring JoinedWords(std::wstring_view folded, bool splitDigits) {
    std::wstring joined(folded.size() * (splitDigits ? 2 : 1) + 2, L' ');
    std::size_t length = 1;
    for (wchar_t const ch : folded) {
        if (!IsLetterOrDigit(ch)) {
            if (joined[length - 1] != L' ') {
                joined[length++] = L' ';
            }
            continue;
        }
        wchar_t const before = joined[length - 1];
        if (splitDigits && before != L' ' && IsDigit(before) != IsDigit(ch)) {
            joined[length++] = L' ';
        }
        joined[length++] = ch;
    }
    if (joined[length - 1] != L' ') {
        ++length;
    }
    joined.resize(length);
    return joined;
}

std::vector<std::wstring> Words(std::wstring_view text, bool splitDigits) {
    std::wstring const joined = JoinedWords(FoldCase(std::wstring(text)), splitDigits);
    std::vector<std::wstring> words;
    for (std::size_t start = 1; start < joined.size();) {
        std::size_t const end = joined.find(L' ', start);
        words.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The word is looked for rather than the space before it, which nearly every position
// would match.
bool HasWord(std::wstring_view words, std::wstring_view word, bool whole) {
    for (std::size_t at = words.find(word, 1); at != std::wstring_view::npos;
         at = words.find(word, at + 1)) {
        if (words[at - 1] == L' ' && (!whole || words[at + word.size()] == L' ')) {
            return true;
        }
    }
    return false;
}

} // namespace shr
